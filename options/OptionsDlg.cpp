#include "options/OptionsDlg.h"

#include "options/Settings.h"
#include "ui/DialogUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

COptionsDlg::COptionsDlg(QWidget* pParent)
    : CTitledDlg(QStringLiteral("Options"), pParent)
{
    using DialogUnits::ToPixels;

    auto* pGroup = new QGroupBox(QStringLiteral("Picture"), this);
    pGroup->setGeometry(ToPixels(7, 52, 126, 44));

    auto* pSizeLabel = new QLabel(QStringLiteral("Grid Size: "), this);
    pSizeLabel->setGeometry(ToPixels(6, 23, 37, 10));

    m_pGridSize = new QComboBox(this);
    m_pGridSize->setGeometry(ToPixels(43, 21, 35, 14));
    pSizeLabel->setBuddy(m_pGridSize);

    m_pAnimation = new QCheckBox(QStringLiteral("Animation"), this);
    m_pAnimation->setGeometry(ToPixels(7, 40, 47, 10));

    m_pPath = new QLineEdit(this);
    m_pPath->setGeometry(ToPixels(13, 76, 95, 14));
    m_pPath->setAccessibleName(tr("Picture file"));

    m_pUsePicture = new QCheckBox(QStringLiteral("Use"), this);
    m_pUsePicture->setGeometry(ToPixels(13, 63, 28, 10));

    auto* pBrowse = new QPushButton(QStringLiteral("..."), this);
    pBrowse->setGeometry(ToPixels(112, 76, 14, 14));
    pBrowse->setAutoDefault(false);
    pBrowse->setAccessibleName(tr("Choose the picture file"));

    connect(m_pGridSize, &QComboBox::activated, this, &COptionsDlg::OnSelChangeGridSize);
    connect(pBrowse, &QPushButton::clicked, this, &COptionsDlg::OnBrowse);
    connect(m_pAnimation, &QCheckBox::clicked, this, &COptionsDlg::OnAnimation);
    connect(m_pUsePicture, &QCheckBox::clicked, this, &COptionsDlg::OnUsePicture);
}

COptionsDlg::~COptionsDlg() = default;

void COptionsDlg::OnInitDialog()
{
    CTitledDlg::OnInitDialog();
    m_pGridSize->addItems({QStringLiteral("3x3"), QStringLiteral("4x4"), QStringLiteral("5x5")});
    // A stored size outside 3..5 leaves the list without a selection.
    m_pGridSize->setCurrentIndex(-1);
    // Compared before subtracting: a stored INT_MIN would overflow.
    const int nDims = CSettings::GetDims();
    if (nDims >= 3 && nDims < 3 + m_pGridSize->count())
        m_pGridSize->setCurrentIndex(nDims - 3);
    m_pAnimation->setChecked(CSettings::GetUseAnim());
    m_pUsePicture->setChecked(CSettings::GetUsePic());
    m_pPath->setText(CSettings::GetLocation());
}

void COptionsDlg::OnSelChangeGridSize()
{
    const int nPosition = m_pGridSize->currentIndex();
    if (nPosition < 0)
        return;
    CSettings::PutDims(nPosition + 3);
    m_bChanged = true;
}

void COptionsDlg::OnAnimation()
{
    CSettings::PutUseAnim(m_pAnimation->isChecked());
    m_bChanged = true;
}

void COptionsDlg::OnUsePicture()
{
    CSettings::PutUsePic(m_pUsePicture->isChecked());
    m_bChanged = true;
}

void COptionsDlg::OnBrowse()
{
    const QString strPath = ChoosePictureFile();
    if (strPath.isEmpty())
        return;
    m_pPath->setText(strPath);
    CSettings::PutLocation(strPath);
    m_bChanged = true;
}

QString COptionsDlg::ChoosePictureFile()
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({QStringLiteral("Bitmap Files (*.bmp)"), QStringLiteral("Jpeg Files (*.jpg)"),
                           QStringLiteral("Gif Files (*.gif)"), QStringLiteral("All Files (*.*)")});
    dialog.selectNameFilter(QStringLiteral("Jpeg Files (*.jpg)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}
