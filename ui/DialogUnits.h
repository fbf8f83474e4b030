#pragma once

#include <QRect>

// Dialog layouts are given in dialog units of the 8-point system font; on the
// 240-pixel-wide frame a horizontal unit is 12/7 pixel and a vertical one 13/8.
namespace DialogUnits {

inline int X(int nUnits) { return (nUnits * 12 + 3) / 7; }
inline int Y(int nUnits) { return (nUnits * 13 + 4) / 8; }

inline QRect ToPixels(int x, int y, int width, int height)
{
    return QRect(X(x), Y(y), X(x + width) - X(x), Y(y + height) - Y(y));
}

} // namespace DialogUnits
