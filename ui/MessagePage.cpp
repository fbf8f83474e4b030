#include "ui/MessagePage.h"

#include "ui/InWindowModal.h"

#include <QLabel>
#include <QPushButton>

CMessagePage::CMessagePage(const QString& strCaption, const QString& strText, bool bQuestion, QWidget* pParent)
    : CTitledDlg(strCaption, pParent)
{
    auto* pText = new QLabel(strText, this);
    pText->setWordWrap(true);
    pText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pText->setGeometry(10, kTitleBand + 10, kPageWidth - 20, kPageHeight - kTitleBand - 20);
    if (bQuestion) {
        OkButton()->setText(tr("Yes"));
        CancelButton()->setText(tr("No"));
    } else {
        CancelButton()->hide();
    }
}

QMessageBox::StandardButton CMessagePage::Ask(const QString& strCaption, const QString& strText,
                                              QMessageBox::StandardButtons buttons, QWidget* pParent)
{
    const bool bQuestion = buttons.testFlag(QMessageBox::No);
    CMessagePage page(strCaption, strText, bQuestion, pParent);
    const bool bAccepted = page.DoModal() == QDialog::Accepted;
    if (!bQuestion)
        return QMessageBox::Ok;
    return bAccepted ? QMessageBox::Yes : QMessageBox::No;
}

QMessageBox::StandardButton CMessagePage::Show(const QString& strCaption, const QString& strText,
                                               QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                               QWidget* pParent)
{
    if (CInWindowModal::ForAllDialogs())
        return Ask(strCaption, strText, buttons, pParent);
    QMessageBox box(icon, strCaption, strText, buttons, pParent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
