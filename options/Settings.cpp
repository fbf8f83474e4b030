#include "options/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariantMap>

namespace {

const char* const kSection = "Settings";
// The window's size lives apart from the options, and so does what the player was told.
const char* const kWindowSection = "Window";
const char* const kNoticesSection = "Notices";

// QSettings reads the program's file and the maker's file as soon as it is
// made; a FIFO or a device there would block the start or never end. Such a
// store is neither read nor written, and the options live in memory instead.
bool FileStoreUsable()
{
    const QString strFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString strMaker = strFolder + QLatin1Char('/') + QCoreApplication::organizationName();
    for (const QString& strFile : {strMaker + QLatin1Char('/') + QCoreApplication::applicationName(), strMaker}) {
        const QFileInfo info(strFile + QStringLiteral(".conf"));
        if (info.exists() && !info.isFile())
            return false;
    }
    return true;
}

QVariantMap& MemoryStore()
{
    static QVariantMap values;
    return values;
}

QVariant ReadProfile(const char* name, const QVariant& fallback, const char* section = kSection)
{
    if (!FileStoreUsable())
        return MemoryStore().value(QLatin1String(section) + QLatin1Char('/') + QLatin1String(name), fallback);
    QSettings settings;
    settings.beginGroup(section);
    return settings.value(name, fallback);
}

int GetProfileInt(const char* name, int nDefault)
{
    bool ok{};
    const int value = ReadProfile(name, nDefault).toInt(&ok);
    return ok ? value : nDefault;
}

// Stored as 1 or 0; any other number reads as true.
bool GetProfileBool(const char* name, bool bDefault)
{
    return GetProfileInt(name, static_cast<int>(bDefault)) != 0;
}

QString GetProfileString(const char* name, const QString& strDefault)
{
    return ReadProfile(name, strDefault).toString();
}

template <typename T>
void WriteProfile(const char* name, const T& value, const char* section = kSection)
{
    if (!FileStoreUsable()) {
        MemoryStore().insert(QLatin1String(section) + QLatin1Char('/') + QLatin1String(name), value);
        return;
    }
    QSettings settings;
    settings.beginGroup(section);
    settings.setValue(name, value);
    settings.sync();
}

} // namespace

int CSettings::GetDims()
{
    return GetProfileInt("Dims", 4);
}

void CSettings::PutDims(int nDims)
{
    WriteProfile("Dims", nDims);
}

QString CSettings::GetLocation()
{
    return GetProfileString("Location", QString());
}

void CSettings::PutLocation(const QString& strLocation)
{
    WriteProfile("Location", strLocation);
}

bool CSettings::GetUsePic()
{
    return GetProfileBool("UsePic", true);
}

void CSettings::PutUsePic(bool bUse)
{
    WriteProfile("UsePic", static_cast<int>(bUse));
}

bool CSettings::GetUseAnim()
{
    return GetProfileBool("UseAnim", true);
}

void CSettings::PutUseAnim(bool bUse)
{
    WriteProfile("UseAnim", static_cast<int>(bUse));
}

bool CSettings::GetFitPic()
{
    return GetProfileBool("FitPic", true);
}

void CSettings::PutFitPic(bool bFit)
{
    WriteProfile("FitPic", static_cast<int>(bFit));
}

QString CSettings::GetToldPicture()
{
    return ReadProfile("Picture", QString(), kNoticesSection).toString();
}

void CSettings::PutToldPicture(const QString& strPath)
{
    WriteProfile("Picture", strPath, kNoticesSection);
}

QSize CSettings::GetWindowSize(const QSize& defaultSize)
{
    bool okWidth{};
    bool okHeight{};
    const int nWidth = ReadProfile("Width", defaultSize.width(), kWindowSection).toInt(&okWidth);
    const int nHeight = ReadProfile("Height", defaultSize.height(), kWindowSection).toInt(&okHeight);
    return okWidth && okHeight ? QSize(nWidth, nHeight) : defaultSize;
}

bool CSettings::GetWindowMaximized()
{
    return ReadProfile("Maximized", 0, kWindowSection).toInt() != 0;
}

void CSettings::PutWindow(const QSize& size, bool bMaximized)
{
    WriteProfile("Width", size.width(), kWindowSection);
    WriteProfile("Height", size.height(), kWindowSection);
    WriteProfile("Maximized", bMaximized ? 1 : 0, kWindowSection);
}
