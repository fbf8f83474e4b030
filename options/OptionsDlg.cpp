#include "options/OptionsDlg.h"

#include "options/Settings.h"
#include "render/BoardPainter.h"
#include "render/PicturePrepare.h"
#include "scores/ScoreTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString FaultText(EPictureFault eFault)
{
    switch (eFault) {
    case EPictureFault::None:
        break;
    case EPictureFault::Missing:
        return COptionsDlg::tr("the file is not there, or it may not be read.");
    case EPictureFault::NotAPicture:
        return COptionsDlg::tr("the file is not a picture, or it is damaged.");
    case EPictureFault::TooLarge:
        return COptionsDlg::tr("it is too large. A smaller copy of it will do.");
    case EPictureFault::UnreadableFormat:
        return COptionsDlg::tr("it is in a format this system cannot read. A copy saved as JPEG or PNG will do.");
    }
    return QString();
}

} // namespace

COptionsDlg::COptionsDlg(QWidget* pParent)
    : CTitledDlg(tr("Options"), pParent)
{
    AddControl(new QGroupBox(tr("Picture"), this), 7, 52, 126, 44);
    auto* pSizeLabel = AddControl(new QLabel(tr("Grid Size: "), this), 6, 23, 37, 10);
    m_pGridSize = AddControl(new QComboBox(this), 43, 21, 35, 14);
    // The check boxes reach across their empty rows, for languages whose word is longer.
    m_pAnimation = AddControl(new QCheckBox(tr("Animation"), this), 7, 40, 126, 10);
    m_pPath = AddControl(new QLineEdit(this), 13, 76, 95, 14);
    //: Use the picture file below for the tiles, instead of the letters.
    m_pUsePicture = AddControl(new QCheckBox(tr("Use"), this), 13, 63, 113, 10);
    auto* pBrowse = AddControl(new QPushButton(QStringLiteral("..."), this), 112, 76, 14, 14);

    pSizeLabel->setBuddy(m_pGridSize);
    m_pPath->setAccessibleName(tr("Picture file"));
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
    for (int level = 0; level < CScoreTable::kLevels; ++level)
        m_pGridSize->addItem(CScoreTable::LevelName(level));
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
    ChoosePictureFile();
}

void COptionsDlg::ChoosePictureFile()
{
    QFileDialog& dialog = *new QFileDialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList readable;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        readable << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString strJpeg = tr("Jpeg Files (*.jpg)");
    dialog.setNameFilters({tr("Picture Files (%1)").arg(readable.join(QLatin1Char(' '))), tr("Bitmap Files (*.bmp)"),
                           strJpeg, tr("Gif Files (*.gif)"), tr("All Files (*.*)")});
    dialog.selectNameFilter(strJpeg);
    dialog.setAttribute(Qt::WA_DeleteOnClose);
    connect(&dialog, &QFileDialog::fileSelected, this, &COptionsDlg::OnPictureChosen);
    dialog.open();
}

void COptionsDlg::OnPictureChosen(const QString& strFile)
{
    const QString strPath = QFileInfo(strFile).absoluteFilePath();
    m_pPath->setText(strPath);
    CSettings::PutLocation(strPath);
    m_bChanged = true;
    // Preparing it now also spares the board the work when the page closes.
    const QColor crFace = SBoardColours::FromPalette(palette()).face;
    const QSize canvas(kPictureCanvasSide, kPictureCanvasSide);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const EPictureFault eFault = PreparePicture(strPath, canvas, crFace).eFault;
    QGuiApplication::restoreOverrideCursor();
    if (eFault != EPictureFault::None)
        Warn(tr("This picture cannot be shown: %1\nThe tiles show letters instead.").arg(FaultText(eFault)));
}

void COptionsDlg::Warn(const QString& strText)
{
    auto* pBox = new QMessageBox(QMessageBox::Warning, tr("Slydra"), strText, QMessageBox::Ok, this);
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    pBox->open();
}
