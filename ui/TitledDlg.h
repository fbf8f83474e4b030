#pragma once

#include <QDialog>
#include <QFont>

class QPainter;
class QPushButton;

// Base of the secondary dialogs: a page over the main window's board with the
// title in bold blue letters (a lighter blue on a dark page), a black line under
// it, and "OK" and "Cancel" at the top right. Cancel ends the dialog without
// reading its controls; OK copies the controls into the fields first. A page
// with an owner runs inside the owner's window (CInWindowModal); one without
// is a window of its own.
class CTitledDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kTitleBand = 26;
    static constexpr int kPageWidth = 240;
    static constexpr int kPageHeight = 268;

    CTitledDlg(const QString& strTitle, QWidget* pParent);
    ~CTitledDlg() override;

    // Initialises the dialog, then runs it modally; returns Accepted or Rejected.
    int DoModal();

    // Copies fields into controls (false) or controls into fields (true).
    void UpdateData(bool bSaveAndValidate);

    QPushButton* OkButton() const { return m_btnOk; }
    QPushButton* CancelButton() const { return m_btnCancel; }

    void accept() override;

protected:
    virtual void OnInitDialog();
    virtual void DoDataExchange(bool bSaveAndValidate);
    void DrawTitle(QPainter& painter);
    void PlaceButtonsLast();

    void paintEvent(QPaintEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;


    QFont m_fontTitle;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
};
