#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The game's texts and Qt's own (the buttons of questions, the file chooser) in
// the first of the desktop's languages that the game speaks; English, the
// language of the texts themselves, where it speaks none. Installed while the
// object lives.
class CTranslations
{
public:
    CTranslations() = default;
    ~CTranslations();
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

    // Installs the catalogs for locale's languages in their order of preference
    // (LANGUAGE, LC_ALL, LC_MESSAGES, LANG for the system's) and lays the
    // application out right to left for a right-to-left language. Returns the
    // language chosen ("de", "pt_BR", "en"), empty when none is spoken.
    QString Load(const QLocale& locale = QLocale::system());
    void Unload();

private:
    QTranslator m_game;
    QTranslator m_qt;
    bool m_bTurnedRightToLeft = false;
};
