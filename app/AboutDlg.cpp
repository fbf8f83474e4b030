#include "app/AboutDlg.h"

#include "app/Version.h"
#include "ui/DialogUnits.h"
#include "ui/FittedFont.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QStyle>

CAboutDlg::CAboutDlg(QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(tr("About"));

    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(QIcon(QStringLiteral(":/icons/slydra-32.png")).pixmap(32, 32));
    pIcon->setGeometry(DialogUnits::ToPixels(7, 7, 20, 20));

    auto* pProduct = new QLabel(QStringLiteral("Slydra ") + QLatin1String(kSlydraVersion), this);
    pProduct->setGeometry(DialogUnits::ToPixels(38, 11, 92, 10));

    auto* pHint =
        new QLabel(tr("Picture Hint:\r\nFor best results, Crop and resize your pictures for 232x232 pixels"), this);
    pHint->setWordWrap(true);
    pHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pHint->setGeometry(DialogUnits::ToPixels(7, 34, 126, 40));

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    pButtons->setGeometry(DialogUnits::ToPixels(7, 78, 126, 14));
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    setFixedSize(DialogUnits::X(140), DialogUnits::Y(96));
    // Right to left the box mirrors whole, as the pages do.
    for (QWidget* pChild : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        pChild->setGeometry(QStyle::visualRect(layoutDirection(), rect(), pChild->geometry()));
    FittedFont::Fit(FittedFont::TextWidgets(*this));
}
