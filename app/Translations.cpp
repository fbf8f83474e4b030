#include "app/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>

#include <utility>

namespace {

const char* const kLayoutDirection =
    //: "RTL" in a language written right to left, "LTR" in any other: the whole window follows it.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// The buttons of Qt's own that the questions and About show. Qt's catalogs
// have them, but not every language's: Debian has Swedish only in Qt's older
// catalog, whose buttons Qt 6 no longer reads; and the catalogs are only a
// recommended package.
[[maybe_unused]] const char* const kQtButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
};

} // namespace

CTranslations::~CTranslations()
{
    Unload();
}

QString CTranslations::Load(const QLocale& locale)
{
    Unload();
    // The first language on the desktop's list that has a catalog wins. English
    // has one too (its plural forms), so a desktop that prefers English and
    // lists German after it stays English.
    if (!m_game.load(locale, QStringLiteral("slydra"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return QString();
    const QString strLanguage = m_game.language();
    // Qt's catalog of that very language, not of the next one on the list that
    // Qt happens to have; a few languages still come in the older whole "qt" catalog.
    const QLocale language(strLanguage);
    const QString strQtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (m_qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"), strQtFolder)
        || m_qt.load(language, QStringLiteral("qt"), QStringLiteral("_"), strQtFolder))
        QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_game);
    m_bTurnedRightToLeft = QCoreApplication::translate("QGuiApplication", kLayoutDirection) == QLatin1String("RTL")
                           && !QGuiApplication::isRightToLeft();
    if (m_bTurnedRightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return strLanguage;
}

void CTranslations::Unload()
{
    QCoreApplication::removeTranslator(&m_game);
    QCoreApplication::removeTranslator(&m_qt);
    if (std::exchange(m_bTurnedRightToLeft, false))
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}
