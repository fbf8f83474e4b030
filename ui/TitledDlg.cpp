#include "ui/TitledDlg.h"

#include "ui/FittedFont.h"
#include "ui/ScreenReader.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// How bright a colour looks, 0 for black to 1 for white (relative luminance of sRGB).
double Luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double l1 = Luminance(first);
    const double l2 = Luminance(second);
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

// Pure blue where it reads as small text should (4.5:1); else the blue the
// least lightened, or darkened, that does. White or black always does.
QColor TitleColour(const QColor& background)
{
    const QColor blue(0, 0, 255);
    for (const QColor& towards : {QColor(Qt::white), QColor(Qt::black)}) {
        for (int nStep = 0; nStep <= 16; ++nStep) {
            const auto mix = [nStep](int from, int to) { return from + (to - from) * nStep / 16; };
            const QColor colour(mix(0, towards.red()), mix(0, towards.green()), mix(255, towards.blue()));
            if (ContrastRatio(colour, background) >= 4.5)
                return colour;
        }
    }
    return blue;
}

// The width a button of the first size needs to show its text at the
// application's font inside its frame, two pixels clear on either side, and
// never less than nWidth.
int WidthFor(const QPushButton& button, int nWidth)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = QRect(0, 0, nWidth, 20);
    const QRect room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return std::max(nWidth, button.fontMetrics().horizontalAdvance(button.text()) + nWidth - room.width() + 4);
}

// 9 points at the screen's vertical resolution: 12 pixels at 96 dpi.
int TitlePixelHeight(const QWidget& widget)
{
    const double dpi = widget.logicalDpiY();
    return static_cast<int>(std::floor(dpi * 0.125 + 0.5));
}

} // namespace

CTitledDlg::CTitledDlg(const QString& strTitle, QWidget* pParent)
    : QWidget(pParent)
{
    setWindowTitle(strTitle);
    setAccessibleName(strTitle);
    ScreenReader::SetRole(*this, QAccessible::Dialog);
    resize(kPageWidth, kPageHeight);
    setAutoFillBackground(true);
    if (pParent)
        hide();

    m_fontTitle = QFont(QStringLiteral("Tahoma"));
    m_fontTitle.setStyleHint(QFont::SansSerif);
    m_fontTitle.setBold(true);
    m_fontTitle.setPixelSize(TitlePixelHeight(*this));

    // A word longer than "Cancel" or "OK" widens its button towards the title.
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    const int nCancel = WidthFor(*m_btnCancel, 48);
    Place(m_btnCancel, QRect(kPageWidth - 5 - nCancel, 3, nCancel, 20));
    // Return on a focused Cancel cancels; elsewhere on the page it is OK.
    m_btnCancel->setAutoDefault(true);
    connect(m_btnCancel, &QPushButton::clicked, this, &CTitledDlg::reject);

    m_btnOk = new QPushButton(tr("OK"), this);
    const int nOk = WidthFor(*m_btnOk, 48);
    m_nTitleEnd = kPageWidth - 5 - nCancel - 4 - nOk;
    Place(m_btnOk, QRect(m_nTitleEnd, 3, nOk, 20));
    m_btnOk->setDefault(true);
    connect(m_btnOk, &QPushButton::clicked, this, &CTitledDlg::accept);
}

CTitledDlg::~CTitledDlg() = default;

void CTitledDlg::open()
{
    LayOut();
    HoldOwner(true);
    OnInitDialog();
    show();
    raise();
}

void CTitledDlg::OnInitDialog()
{
    UpdateData(false);
    OrderTabs();
}

void CTitledDlg::accept()
{
    UpdateData(true);
    done(Accepted);
}

void CTitledDlg::reject()
{
    done(Rejected);
}

void CTitledDlg::done(int nResult)
{
    hide();
    HoldOwner(false);
    emit finished(nResult);
}

// The rest of the owner's window waits for the page: its other controls, and
// with them the keys they hold.
void CTitledDlg::HoldOwner(bool bHold)
{
    for (const QPointer<QWidget>& pHeld : std::exchange(m_held, {})) {
        if (pHeld)
            pHeld->setEnabled(true);
    }
    if (!bHold || !parentWidget())
        return;
    for (QWidget* pSibling : parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (pSibling != this && !pSibling->isWindow() && pSibling->isEnabled()) {
            pSibling->setEnabled(false);
            m_held << pSibling;
        }
    }
}

void CTitledDlg::DoDataExchange(bool)
{
}

void CTitledDlg::UpdateData(bool bSaveAndValidate)
{
    DoDataExchange(bSaveAndValidate);
    if (!bSaveAndValidate)
        FittedFont::Fit(FittedFont::TextWidgets(*this), Scale());
}

void CTitledDlg::Place(QWidget* pControl, const QRect& rect)
{
    m_controls.append({pControl, rect});
    pControl->setGeometry(Scaled(rect));
}

double CTitledDlg::Scale() const
{
    return width() / static_cast<double>(kPageWidth);
}

QRect CTitledDlg::Scaled(const QRect& rect) const
{
    const double scale = Scale();
    const int nLeft = qRound(rect.left() * scale);
    const int nRight = qRound((rect.right() + 1) * scale);
    const int nTop = qRound(rect.top() * scale);
    const int nBottom = qRound((rect.bottom() + 1) * scale);
    const int x = isRightToLeft() ? width() - nRight : nLeft;
    return QRect(x, nTop, nRight - nLeft, nBottom - nTop);
}

void CTitledDlg::LayOut()
{
    m_fontTitle.setPixelSize(qRound(TitlePixelHeight(*this) * Scale()));
    for (const SControl& control : m_controls) {
        control.pWidget->setGeometry(Scaled(control.rect));
        // A label's text keeps to its side of the page, whichever way the text itself runs.
        if (auto* pLabel = qobject_cast<QLabel*>(control.pWidget))
            pLabel->setAlignment(QStyle::visualAlignment(layoutDirection(), pLabel->alignment()) | Qt::AlignAbsolute);
    }
    FittedFont::Fit(FittedFont::TextWidgets(*this), Scale());
    update();
}

// Top to bottom, then along the row: OK and Cancel first, as they stand at the
// top. The first control below them takes the focus.
void CTitledDlg::OrderTabs()
{
    QList<SControl> order = m_controls;
    std::stable_sort(order.begin(), order.end(), [](const SControl& a, const SControl& b) {
        return std::pair(a.rect.top(), a.rect.left()) < std::pair(b.rect.top(), b.rect.left());
    });
    QWidget* pPrevious = nullptr;
    QWidget* pFirst = nullptr;
    for (const SControl& control : order) {
        if (!(control.pWidget->focusPolicy() & Qt::TabFocus))
            continue;
        if (pPrevious)
            setTabOrder(pPrevious, control.pWidget);
        if (!pFirst && control.pWidget != m_btnOk && control.pWidget != m_btnCancel)
            pFirst = control.pWidget;
        pPrevious = control.pWidget;
    }
    (pFirst ? pFirst : m_btnOk)->setFocus();
}

void CTitledDlg::DrawTitle(QPainter& painter)
{
    painter.fillRect(Scaled(QRect(0, kTitleBand, kPageWidth, 1)), Qt::black);
    painter.setFont(m_fontTitle);
    painter.setPen(TitleColour(palette().color(backgroundRole())));
    // From the page's leading edge to OK and Cancel.
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft) | Qt::AlignTop;
    painter.drawText(Scaled(QRect(5, 0, m_nTitleEnd - 5, kTitleBand)), static_cast<int>(align), windowTitle());
}

void CTitledDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawTitle(painter);
}

void CTitledDlg::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    LayOut();
}

// Escape is Cancel and Return is OK, as in any dialog; no other key goes past
// the page to the window, where an arrow would slide a tile under it.
void CTitledDlg::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape)
        reject();
    else if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter)
        accept();
    pEvent->accept();
}
