#include "ui/TitledDlg.h"

#include "ui/FittedFont.h"
#include "ui/InWindowModal.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

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

// Pure blue on a light page; on a dark one, where it would hardly show, a
// blue half way to white.
QColor TitleColour(const QColor& background)
{
    const QColor blue(0, 0, 255);
    return ContrastRatio(blue, background) >= 3.0 ? blue : QColor(0x80, 0x80, 0xff);
}

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
    if (pParent)
        CInWindowModal::Embed(*this);
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
    return parentWidget() ? CInWindowModal::Exec(*this) : exec();
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
    painter.setPen(TitleColour(palette().color(backgroundRole())));
    // Left of OK and Cancel whichever way the texts run: right to left, a
    // right-aligned title would run under the buttons.
    const int nRight = std::min(m_btnOk->x(), m_btnCancel->x());
    const QRect textRect(client.left() + 5, client.top(), nRight - client.left() - 5, kTitleBand);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop, windowTitle());
}

void CTitledDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawTitle(painter);
}

void CTitledDlg::showEvent(QShowEvent* pEvent)
{
    FittedFont::Fit(FittedFont::TextWidgets(*this));
    QDialog::showEvent(pEvent);
}
