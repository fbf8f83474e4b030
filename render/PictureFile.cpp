#include "render/PictureFile.h"

CPictureFile::CPictureFile(const QString& strPath, const std::atomic_bool* pCancel)
    : m_file(strPath)
    , m_pCancel(pCancel)
{
}

CPictureFile::~CPictureFile() = default;

bool CPictureFile::Open()
{
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    // Unbuffered, so that every read the decoder makes reaches readData as asked.
    return open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void CPictureFile::ClearWatch()
{
    m_bHitEnd = false;
    m_bShort = false;
}

qint64 CPictureFile::readData(char* data, qint64 nMax)
{
    if (m_pCancel && m_pCancel->load())
        return -1;
    if (m_file.pos() != pos() && !m_file.seek(pos()))
        return -1;
    const qint64 nRead = m_file.read(data, nMax);
    if (nRead < 0)
        return -1;
    if (nMax > 0 && nRead == 0)
        m_bHitEnd = true;
    else if (nRead < nMax)
        m_bShort = true;
    return nRead;
}

qint64 CPictureFile::writeData(const char*, qint64)
{
    return -1;
}
