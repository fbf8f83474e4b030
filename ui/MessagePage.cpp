#include "ui/MessagePage.h"

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
