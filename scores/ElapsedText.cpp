#include "scores/ElapsedText.h"

#include <cstdio>

std::string FormatElapsed(int nSeconds)
{
    const int m = nSeconds / 60;
    const int s = nSeconds % 60;
    const int h = m / 60;
    char text[48];
    if (h >= 1)
        std::snprintf(text, sizeof text, "%.2dh%.2dm%.2ds", h, m % 60, s);
    else
        std::snprintf(text, sizeof text, "%.2dm%.2ds", m, s);
    return text;
}
