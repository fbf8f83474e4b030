#include "render/PictureLoader.h"

#include "render/PicturePrepare.h"

CPictureLoader::CPictureLoader(QObject* pParent)
    : QObject(pParent)
{
    m_pool.setMaxThreadCount(1);
}

CPictureLoader::~CPictureLoader()
{
    Cancel();
    m_pool.waitForDone();
}

void CPictureLoader::Cancel()
{
    if (m_pCancel)
        m_pCancel->store(true);
    m_job.reset();
}

void CPictureLoader::Start(const SPictureJob& job)
{
    if (m_job == job)
        return;
    Cancel();
    m_job = job;
    auto pCancel = std::make_shared<std::atomic_bool>(false);
    m_pCancel = pCancel;
    m_pool.start([this, job, pCancel] {
        if (pCancel->load())
            return;
        const SPictureResult result = PreparePicture(job.strPath, job.target, job.crBackground, pCancel.get());
        // Delivered on this object's thread, and dropped when the object is gone first.
        QMetaObject::invokeMethod(
            this,
            [this, job, pCancel, result] {
                if (pCancel->load())
                    return;
                m_job.reset();
                emit Ready(job, result);
            },
            Qt::QueuedConnection);
    });
}
