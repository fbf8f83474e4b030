#pragma once

#include "ui/DialogUnits.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QWidget>

class QPainter;
class QPushButton;

// Base of the pages that open over the main window's board: the title in bold
// blue letters (a lighter blue where the page is dark), a black line under it,
// and "OK" and "Cancel" at the top right. Its controls stand at rectangles of
// the 240 x 268 client and grow with the page, title and fonts alike; right to
// left the page mirrors whole. It opens with open() and reports finished():
// OK copies the controls into the fields first, Cancel does not. Meanwhile
// the rest of its owner's window waits. A page with no owner is a window of
// its own.
class CTitledDlg : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kTitleBand = 26;
    static constexpr int kPageWidth = 240;
    static constexpr int kPageHeight = 268;
    enum EResult { Rejected, Accepted };

    CTitledDlg(const QString& strTitle, QWidget* pParent);
    ~CTitledDlg() override;

    // Fills the controls from the fields and shows the page with its first
    // control in the focus; finished() follows when it closes.
    void open();
    void accept();
    void reject();
    void done(int nResult);

    // Copies fields into controls (false) or controls into fields (true).
    void UpdateData(bool bSaveAndValidate);

    QPushButton* OkButton() const { return m_btnOk; }
    QPushButton* CancelButton() const { return m_btnCancel; }

signals:
    void finished(int nResult);

protected:
    // Places the control at its rectangle in dialog units; the tab order runs
    // through the controls top to bottom, left to right.
    template <class TControl>
    TControl* AddControl(TControl* pControl, int x, int y, int nWidth, int nHeight)
    {
        Place(pControl, DialogUnits::ToPixels(x, y, nWidth, nHeight));
        return pControl;
    }
    virtual void OnInitDialog();
    virtual void DoDataExchange(bool bSaveAndValidate);
    // Sizes the controls, the title and the fonts for the page's size.
    virtual void LayOut();
    void DrawTitle(QPainter& painter);

    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    struct SControl
    {
        QWidget* pWidget;
        QRect rect;  // in pixels of the 240 x 268 client, left to right
    };

    void Place(QWidget* pControl, const QRect& rect);
    double Scale() const;
    // A rectangle of the 240 x 268 client as it stands on the page.
    QRect Scaled(const QRect& rect) const;
    void OrderTabs();
    void HoldOwner(bool bHold);

    QList<SControl> m_controls;
    QList<QPointer<QWidget>> m_held;
    QFont m_fontTitle;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    // Where OK begins: the title's room ends there.
    int m_nTitleEnd = 0;
};
