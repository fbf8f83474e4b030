#pragma once

#include "render/PictureResult.h"

#include <QColor>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <optional>

// A picture file to prepare, and for what.
struct SPictureJob
{
    QString strPath;
    SPictureTarget target;
    QColor crBackground;
    bool operator==(const SPictureJob&) const = default;
};

// Prepares tile pictures off the user-interface thread, one at a time, and
// hands each back on the thread that asked. Asking for another picture
// cancels the one under way; on its way out the loader cancels its work
// and waits for it, which takes no longer than the decoder's next read.
class CPictureLoader : public QObject
{
    Q_OBJECT
public:
    explicit CPictureLoader(QObject* pParent = nullptr);
    ~CPictureLoader() override;

    // Starts the job unless it is the one under way.
    void Start(const SPictureJob& job);
    bool IsBusy() const { return m_job.has_value(); }

signals:
    void Ready(const SPictureJob& job, const SPictureResult& result);

private:
    void Cancel();

    QThreadPool m_pool;
    std::optional<SPictureJob> m_job;
    std::shared_ptr<std::atomic_bool> m_pCancel;
};
