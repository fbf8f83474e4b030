#include "options/Settings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("Brevik"));
        QCoreApplication::setApplicationName(QStringLiteral("Slydra"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings().clear();
    }

    void Store(const char* name, const QVariant& value)
    {
        QSettings().setValue(QLatin1String("Settings/") + name, value);
    }
    QVariant Stored(const char* name) { return QSettings().value(QLatin1String("Settings/") + name); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SettingsTest, DefaultsWhenNothingIsStored)
{
    EXPECT_EQ(CSettings::GetDims(), 4);
    EXPECT_EQ(CSettings::GetLocation(), QString());
    EXPECT_TRUE(CSettings::GetUsePic());
    EXPECT_TRUE(CSettings::GetUseAnim());
}

TEST_F(SettingsTest, WritesAreSeenByTheNextReadUnderTheStoredNames)
{
    CSettings::PutDims(5);
    EXPECT_EQ(CSettings::GetDims(), 5);
    EXPECT_EQ(Stored("Dims").toInt(), 5);

    CSettings::PutLocation(QStringLiteral("/home/me/p\u00e9t.jpg"));
    EXPECT_EQ(CSettings::GetLocation(), QStringLiteral("/home/me/p\u00e9t.jpg"));

    CSettings::PutUsePic(false);
    CSettings::PutUseAnim(false);
    EXPECT_FALSE(CSettings::GetUsePic());
    EXPECT_FALSE(CSettings::GetUseAnim());
    EXPECT_EQ(Stored("UsePic").toInt(), 0);
    EXPECT_EQ(Stored("UseAnim").toInt(), 0);
}

TEST_F(SettingsTest, AnyNonZeroSwitchReadsAsOnAndIsWrittenBackAsOne)
{
    Store("UsePic", 2);
    Store("UseAnim", -7);
    EXPECT_TRUE(CSettings::GetUsePic());
    EXPECT_TRUE(CSettings::GetUseAnim());
    CSettings::PutUsePic(CSettings::GetUsePic());
    EXPECT_EQ(Stored("UsePic").toInt(), 1);
}

TEST_F(SettingsTest, GarbageReadsAsTheDefault)
{
    Store("Dims", QStringLiteral("five"));
    Store("UseAnim", QStringLiteral("yes please"));
    EXPECT_EQ(CSettings::GetDims(), 4);
    EXPECT_TRUE(CSettings::GetUseAnim());

    Store("Dims", -3);
    EXPECT_EQ(CSettings::GetDims(), -3) << "the range is the board's business";
}
