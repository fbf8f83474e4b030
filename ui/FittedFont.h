#pragma once

#include <QList>

class QWidget;

// The pages have a fixed layout, so their font is sized for it: the
// application's font, made smaller in half-point steps until every text
// shows whole in its widget's rectangle.
namespace FittedFont {

// Whether the text of a label, button, check box, group box or combo box
// fits its rectangle at the widget's font; other widgets always do.
bool ShowsWhole(const QWidget& widget);

// Gives the widgets the largest font, up to the application's enlarged by
// dScale, at which all of them show their texts whole.
void Fit(const QList<QWidget*>& widgets, double dScale = 1.0);

// The widgets on the page that show a text of their own.
QList<QWidget*> TextWidgets(const QWidget& page);

} // namespace FittedFont
