#include "ui/FittedFont.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace FittedFont {

namespace {

constexpr double kSmallestPoints = 5.0;

// Spaces at the end of a text count only where they push its letters away from
// the edge it is aligned to: the right.
bool Fits(const QWidget& widget, const QString& strText, const QRect& room, bool bTrailingSpaces = false)
{
    if (strText.trimmed().isEmpty())
        return true;
    const QFontMetrics metrics = widget.fontMetrics();
    const QString strShown = bTrailingSpaces ? strText : strText.trimmed();
    return metrics.horizontalAdvance(strShown) <= room.width() && metrics.height() <= room.height();
}

QRect ButtonRoom(const QAbstractButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const bool bCheck = qobject_cast<const QCheckBox*>(&button) != nullptr;
    return button.style()->subElementRect(bCheck ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                          &option, &button);
}

} // namespace

bool ShowsWhole(const QWidget& widget)
{
    if (const auto* pLabel = qobject_cast<const QLabel*>(&widget)) {
        const QRect room = pLabel->contentsRect();
        if (pLabel->wordWrap())
            return pLabel->heightForWidth(room.width()) <= room.height();
        return Fits(widget, pLabel->text(), room, pLabel->alignment() & Qt::AlignRight);
    }
    if (const auto* pButton = qobject_cast<const QAbstractButton*>(&widget))
        return Fits(widget, pButton->text(), ButtonRoom(*pButton));
    if (const auto* pGroup = qobject_cast<const QGroupBox*>(&widget)) {
        // The title sits inside the frame, a few pixels from either end.
        const int nInset = pGroup->fontMetrics().horizontalAdvance(QLatin1Char('x'));
        return Fits(widget, pGroup->title(), pGroup->rect().adjusted(nInset, 0, -nInset, 0));
    }
    if (const auto* pCombo = qobject_cast<const QComboBox*>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(pCombo);
        const QRect room =
            pCombo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, pCombo);
        for (int i = 0; i < pCombo->count(); ++i) {
            if (!Fits(widget, pCombo->itemText(i), room))
                return false;
        }
    }
    return true;
}

void Fit(const QList<QWidget*>& widgets, double dScale)
{
    if (widgets.isEmpty())
        return;
    QFont font = QApplication::font(widgets.constFirst());
    const bool bPoints = font.pointSizeF() > 0;
    for (double size = (bPoints ? font.pointSizeF() : font.pixelSize()) * dScale;; size -= bPoints ? 0.5 : 1.0) {
        if (bPoints)
            font.setPointSizeF(std::max(size, kSmallestPoints));
        else
            font.setPixelSize(static_cast<int>(size));
        for (QWidget* pWidget : widgets)
            pWidget->setFont(font);
        const bool bAllWhole =
            std::all_of(widgets.cbegin(), widgets.cend(), [](const QWidget* p) { return ShowsWhole(*p); });
        if (bAllWhole || size <= (bPoints ? kSmallestPoints : 7.0))
            return;
    }
}

QList<QWidget*> TextWidgets(const QWidget& page)
{
    QList<QWidget*> widgets;
    for (QWidget* pChild : page.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(pChild) || qobject_cast<QAbstractButton*>(pChild)
            || qobject_cast<QGroupBox*>(pChild) || qobject_cast<QComboBox*>(pChild))
            widgets.append(pChild);
    }
    return widgets;
}

} // namespace FittedFont
