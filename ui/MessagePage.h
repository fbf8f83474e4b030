#pragma once

#include "ui/TitledDlg.h"

#include <QMessageBox>

// A message or a yes-or-no question as a titled page: the caption as its
// title, the text wrapped under the line, "Yes" and "No" in the places of OK
// and Cancel for a question, OK alone for a message. It stands in for a
// message box where a box could not be placed over the window.
class CMessagePage : public CTitledDlg
{
    Q_OBJECT
public:
    CMessagePage(const QString& strCaption, const QString& strText, bool bQuestion, QWidget* pParent);

    // Asks as a message box would: Yes or No when buttons hold No, else Ok.
    static QMessageBox::StandardButton Ask(const QString& strCaption, const QString& strText,
                                           QMessageBox::StandardButtons buttons, QWidget* pParent);
    // A message box over pParent, or such a page where a box cannot be placed.
    static QMessageBox::StandardButton Show(const QString& strCaption, const QString& strText,
                                            QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                            QWidget* pParent);
};
