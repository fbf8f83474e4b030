#include "ui/TitledDlg.h"

#include "ui/FittedFont.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <cmath>

namespace {

// 9 points at the screen's vertical resolution: 12 pixels at 96 dpi.
int TitlePixelHeight(const QWidget& widget)
{
    const double dpi = widget.logicalDpiY();
    return static_cast<int>(std::floor(dpi * 0.125 + 0.5));
}

} // namespace

CTitledDlg::CTitledDlg(const QString& strTitle, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::FramelessWindowHint)
{
    // Over the owner's board, in its window: a window of its own could not be
    // placed there where the display server places windows itself.
    if (pParent) {
        setWindowFlags(Qt::Widget);
        hide();
    }
    setWindowTitle(strTitle);
    setFixedSize(kPageWidth, kPageHeight);
    setAutoFillBackground(true);

    m_fontTitle = QFont(QStringLiteral("Tahoma"));
    m_fontTitle.setStyleHint(QFont::SansSerif);
    m_fontTitle.setPixelSize(TitlePixelHeight(*this));
    m_fontTitle.setBold(true);

    m_btnCancel = new QPushButton(tr("Cancel"), this);
    m_btnCancel->setGeometry(187, 3, 48, 20);
    m_btnCancel->setAutoDefault(false);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_btnOk = new QPushButton(tr("OK"), this);
    m_btnOk->setGeometry(135, 3, 48, 20);
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &CTitledDlg::accept);
}

CTitledDlg::~CTitledDlg() = default;

int CTitledDlg::DoModal()
{
    OnInitDialog();
    QWidget* pOwner = parentWidget();
    if (!pOwner)
        return exec();
    QList<QPointer<QWidget>> waiting;
    for (QWidget* pChild : pOwner->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (pChild != this && !pChild->isWindow() && pChild->isEnabled()) {
            pChild->setEnabled(false);
            waiting << pChild;
        }
    }
    pOwner->installEventFilter(this);
    PlaceOverOwner();
    raise();
    const int nResult = exec();
    pOwner->removeEventFilter(this);
    for (const QPointer<QWidget>& pChild : waiting) {
        if (pChild)
            pChild->setEnabled(true);
    }
    return nResult;
}

CTitledDlg* CTitledDlg::RunningPage(const QWidget& window)
{
    CTitledDlg* pRunning = nullptr;
    for (CTitledDlg* pPage : window.findChildren<CTitledDlg*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!pPage->isHidden() && !pPage->isWindow())
            pRunning = pPage;
    }
    return pRunning;
}

void CTitledDlg::PlaceOverOwner()
{
    const QWidget* pOwner = parentWidget();
    QRect area = pOwner->rect();
    if (const auto* pBar = pOwner->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        area.setBottom(pBar->geometry().top() - 1);
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

bool CTitledDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == parentWidget() && pEvent->type() == QEvent::Resize)
        PlaceOverOwner();
    return QDialog::eventFilter(pWatched, pEvent);
}

// A click on the page stays there; the board under it never sees it.
void CTitledDlg::mousePressEvent(QMouseEvent* pEvent)
{
    pEvent->accept();
}

void CTitledDlg::OnInitDialog()
{
    UpdateData(false);
    PlaceButtonsLast();
}

// OK and Cancel are made before the derived dialog's controls; the page's own
// controls come first in the tab order, and the first of them takes the focus.
void CTitledDlg::PlaceButtonsLast()
{
    QWidget* pPrevious = nullptr;
    QWidget* pFirst = nullptr;
    for (QWidget* pChild : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (pChild == m_btnOk || pChild == m_btnCancel || !(pChild->focusPolicy() & Qt::TabFocus))
            continue;
        if (pPrevious)
            setTabOrder(pPrevious, pChild);
        else
            pFirst = pChild;
        pPrevious = pChild;
    }
    if (pPrevious)
        setTabOrder(pPrevious, m_btnOk);
    setTabOrder(m_btnOk, m_btnCancel);
    if (pFirst)
        pFirst->setFocus();
}

void CTitledDlg::DoDataExchange(bool)
{
}

void CTitledDlg::UpdateData(bool bSaveAndValidate)
{
    DoDataExchange(bSaveAndValidate);
    if (!bSaveAndValidate)
        FittedFont::Fit(FittedFont::TextWidgets(*this));
}

void CTitledDlg::accept()
{
    UpdateData(true);
    QDialog::accept();
}

void CTitledDlg::DrawTitle(QPainter& painter)
{
    const QRect client = rect();
    painter.fillRect(QRect(client.left(), kTitleBand, client.width(), 1), Qt::black);

    painter.setFont(m_fontTitle);
    painter.setPen(QColor(0, 0, 255));
    const QRect textRect(client.left() + 5, client.top(), client.width() - 5, kTitleBand);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, windowTitle());
}

void CTitledDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawTitle(painter);
}

void CTitledDlg::showEvent(QShowEvent* pEvent)
{
    FittedFont::Fit(FittedFont::TextWidgets(*this));
    if (parentWidget())
        PlaceOverOwner();
    QDialog::showEvent(pEvent);
}
