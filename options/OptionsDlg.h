#pragma once

#include "ui/TitledDlg.h"

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLineEdit;

// The Options page: grid size, animation, the player's picture. Every change
// is stored at once; the window learns only whether anything changed.
class COptionsDlg : public CTitledDlg
{
    Q_OBJECT
public:
    explicit COptionsDlg(QWidget* pParent = nullptr);
    ~COptionsDlg() override;

    bool m_bChanged = false;

    QComboBox* GridSizeBox() const { return m_pGridSize; }
    QCheckBox* AnimationBox() const { return m_pAnimation; }
    QCheckBox* UsePictureBox() const { return m_pUsePicture; }
    QCheckBox* FitPictureBox() const { return m_pFitPicture; }
    QLineEdit* PathBox() const { return m_pPath; }

    void OnSelChangeGridSize();
    void OnBrowse();
    void OnPictureChosen(const QString& strFile);
    void OnAnimation();
    void OnUsePicture();
    void OnFitPicture();

    // The picture chooser: every format the board shows first and selected,
    // in the current picture's folder, else the desktop's Pictures folder;
    // the desktop's own chooser where the platform has one.
    static void SetUpChooser(QFileDialog& dialog, const QString& strCurrent);

protected:
    void OnInitDialog() override;

private:
    // Opens the file chooser over the page; its choice reaches OnPictureChosen.
    void ChoosePictureFile();
    // Says why the chosen picture cannot be shown.
    void Warn(const QString& strText);

    QComboBox* m_pGridSize = nullptr;
    QCheckBox* m_pAnimation = nullptr;
    QLineEdit* m_pPath = nullptr;
    QCheckBox* m_pUsePicture = nullptr;
    QCheckBox* m_pFitPicture = nullptr;
};
