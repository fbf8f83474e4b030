#pragma once

#include <QAccessible>

class QWidget;

// What a screen reader finds of the program's own widgets: a role for a
// widget, and its children top to bottom in reading order, less those whose
// text another child already reads (a caption read with its value, a row read
// as one line).
namespace ScreenReader {

void SetRole(QWidget& widget, QAccessible::Role role);
// Leaves the widget out of its parent's children; the parent must have a role set here.
void Skip(QWidget& widget);

} // namespace ScreenReader
