#pragma once

#include <QFile>
#include <QIODevice>

#include <atomic>

// A picture file as the decoder reads it: reads go straight to the file, and
// the device notes when a read came back short, so that a decoder which
// quietly pads a file that ends early can be caught. Once the cancel flag is
// set every read fails, which ends any decoder's work soon.
class CPictureFile : public QIODevice
{
public:
    explicit CPictureFile(const QString& strPath, const std::atomic_bool* pCancel = nullptr);
    ~CPictureFile() override;

    bool Open();
    // Forgets the reads so far (format detection reads ahead of the decode).
    void ClearWatch();
    // A read found no byte left at all.
    bool HitEnd() const { return m_bHitEnd; }
    // A read got fewer bytes than it asked for, none included.
    bool ReadShort() const { return m_bShort; }

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_file.size(); }

protected:
    qint64 readData(char* data, qint64 nMax) override;
    qint64 writeData(const char* data, qint64 nLength) override;

private:
    QFile m_file;
    const std::atomic_bool* m_pCancel = nullptr;
    bool m_bHitEnd = false;
    bool m_bShort = false;
};
