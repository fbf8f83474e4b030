#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop, so a
// logout or a kill ends the program in order instead of dropping its records.
// On systems other than Unix it forwards nothing.
class CTerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit CTerminationSignals(QObject* pParent = nullptr);
    ~CTerminationSignals() override;

signals:
    void Received(int nSignal);

private:
    void OnReadable();

    QSocketNotifier* m_pNotifier = nullptr;
};
