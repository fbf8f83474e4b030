#include "options/OptionsDlg.h"

#include "options/PictureNotice.h"
#include "options/Settings.h"
#include "render/BoardPainter.h"
#include "render/PictureDecode.h"
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
#include <QStandardPaths>

namespace {

// Formats the player may choose: every one this system reads and the board shows.
QString PictureFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        if (!PictureDecode::IsShown(format))
            continue;
        // Desktop choosers may match names case by case; cameras name their files in capitals.
        const QString strSuffix = QString::fromLatin1(format);
        patterns << QStringLiteral("*.") + strSuffix << QStringLiteral("*.") + strSuffix.toUpper();
    }
    return COptionsDlg::tr("Picture Files (%1)").arg(patterns.join(QLatin1Char(' ')));
}

} // namespace

COptionsDlg::COptionsDlg(QWidget* pParent)
    : CTitledDlg(tr("Options"), pParent)
{
    AddControl(new QGroupBox(tr("Picture"), this), 7, 52, 126, 57);
    auto* pSizeLabel = AddControl(new QLabel(tr("Grid Size: "), this), 6, 23, 37, 10);
    m_pGridSize = AddControl(new QComboBox(this), 43, 21, 35, 14);
    // The check boxes reach across their empty rows, for languages whose word is longer.
    m_pAnimation = AddControl(new QCheckBox(tr("Animation"), this), 7, 40, 126, 10);
    m_pPath = AddControl(new QLineEdit(this), 13, 89, 95, 14);
    //: Use the picture file below for the tiles, instead of the letters.
    m_pUsePicture = AddControl(new QCheckBox(tr("Use"), this), 13, 63, 113, 10);
    m_pFitPicture = AddControl(new QCheckBox(tr("Fit to board"), this), 13, 76, 113, 10);
    auto* pBrowse = AddControl(new QPushButton(QStringLiteral("..."), this), 112, 89, 14, 14);

    pSizeLabel->setBuddy(m_pGridSize);
    m_pPath->setAccessibleName(tr("Picture file"));
    // Only the chooser sets the path: what is typed would never be read.
    m_pPath->setReadOnly(true);
    pBrowse->setAutoDefault(false);
    pBrowse->setAccessibleName(tr("Choose the picture file"));

    connect(m_pGridSize, &QComboBox::activated, this, &COptionsDlg::OnSelChangeGridSize);
    connect(pBrowse, &QPushButton::clicked, this, &COptionsDlg::OnBrowse);
    connect(m_pAnimation, &QCheckBox::clicked, this, &COptionsDlg::OnAnimation);
    connect(m_pUsePicture, &QCheckBox::clicked, this, &COptionsDlg::OnUsePicture);
    connect(m_pFitPicture, &QCheckBox::clicked, this, &COptionsDlg::OnFitPicture);
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
    m_pFitPicture->setChecked(CSettings::GetFitPic());
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

void COptionsDlg::OnFitPicture()
{
    CSettings::PutFitPic(m_pFitPicture->isChecked());
    m_bChanged = true;
}

void COptionsDlg::OnBrowse()
{
    ChoosePictureFile();
}

void COptionsDlg::ChoosePictureFile()
{
    auto* pDialog = new QFileDialog(this);
    SetUpChooser(*pDialog, CSettings::GetLocation());
    pDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(pDialog, &QFileDialog::fileSelected, this, &COptionsDlg::OnPictureChosen);
    pDialog->open();
}

void COptionsDlg::OnPictureChosen(const QString& strFile)
{
    const QString strPath = QFileInfo(strFile).absoluteFilePath();
    m_pPath->setText(strPath);
    CSettings::PutLocation(strPath);
    m_bChanged = true;
    // Prepared as a 4x4 board at the first size shows it (a fitted picture
    // is read from the same part of its file at every size), which also
    // spares that board the work when the page closes.
    const QColor crFace = SBoardColours::FromPalette(palette()).face;
    const SPictureTarget target{QSize(kPictureCanvasSide, kPictureCanvasSide), CSettings::GetFitPic()};
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const EPictureFault eFault = PreparePicture(strPath, target, crFace).eFault;
    QGuiApplication::restoreOverrideCursor();
    if (eFault == EPictureFault::None)
        return;
    // Told here, so not again at the next start.
    CSettings::PutToldPicture(strPath);
    Warn(CPictureNotice::Text(eFault));
}

void COptionsDlg::Warn(const QString& strText)
{
    auto* pBox = new QMessageBox(QMessageBox::Warning, tr("Slydra"), strText, QMessageBox::Ok, this);
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    pBox->open();
}

void COptionsDlg::SetUpChooser(QFileDialog& dialog, const QString& strCurrent)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    // The first filter is the one selected.
    dialog.setNameFilters({PictureFilter(), tr("Bitmap Files (*.bmp)"), tr("Jpeg Files (*.jpg)"),
                           tr("Gif Files (*.gif)"), tr("All Files (*.*)")});
    const QFileInfo current(strCurrent);
    const QString strPictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!strCurrent.isEmpty() && current.absoluteDir().exists())
        dialog.setDirectory(current.absolutePath());
    else
        dialog.setDirectory(QDir(strPictures).exists() ? strPictures : QDir::homePath());
}
