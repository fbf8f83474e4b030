#include "scores/ElapsedText.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// At least two digits, zero-filled, and more when the number needs them.
QString TwoDigits(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.2d", n);
    return QString::fromLatin1(text);
}

} // namespace

QString FormatElapsed(int nSeconds)
{
    const int m = nSeconds / 60;
    const int s = nSeconds % 60;
    const int h = m / 60;
    if (h >= 1)
        //: Hours, minutes and seconds, each of at least two digits: 01h02m05s.
        return QCoreApplication::translate("FormatElapsed", "%1h%2m%3s").arg(TwoDigits(h), TwoDigits(m % 60),
                                                                               TwoDigits(s));
    //: Minutes and seconds, each of at least two digits: 02m05s.
    return QCoreApplication::translate("FormatElapsed", "%1m%2s").arg(TwoDigits(m), TwoDigits(s));
}
