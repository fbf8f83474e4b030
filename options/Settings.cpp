#include "options/Settings.h"

#include <QSettings>

namespace {

const char* const kSection = "Settings";

int GetProfileInt(const char* name, int nDefault)
{
    QSettings settings;
    settings.beginGroup(kSection);
    bool ok = false;
    const int value = settings.value(name, nDefault).toInt(&ok);
    return ok ? value : nDefault;
}

QString GetProfileString(const char* name, const QString& strDefault)
{
    QSettings settings;
    settings.beginGroup(kSection);
    return settings.value(name, strDefault).toString();
}

template <typename T>
void WriteProfile(const char* name, const T& value)
{
    QSettings settings;
    settings.beginGroup(kSection);
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
    return GetProfileInt("UsePic", 1) != 0;
}

void CSettings::PutUsePic(bool bUse)
{
    WriteProfile("UsePic", bUse ? 1 : 0);
}

bool CSettings::GetUseAnim()
{
    return GetProfileInt("UseAnim", 1) != 0;
}

void CSettings::PutUseAnim(bool bUse)
{
    WriteProfile("UseAnim", bUse ? 1 : 0);
}
