#pragma once

#include <QRgb>

#include <array>
#include <cstdint>
#include <vector>

// A picture in the 16 colours of the letter sheets and the icon: a palette
// index a pixel.

enum EColour : std::uint8_t {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White
};

constexpr std::array<QRgb, 16> kPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

struct SCanvas {
    int nWidth;
    int nHeight;
    std::vector<std::uint8_t> pixels; // palette indices, row-major from the top

    SCanvas(int nW, int nH, EColour fill)
        : nWidth(nW), nHeight(nH), pixels(static_cast<std::size_t>(nW * nH), fill) {}

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * nWidth + x)]; }
    void Set(int x, int y, EColour colour)
    {
        if (x >= 0 && y >= 0 && x < nWidth && y < nHeight)
            pixels[static_cast<std::size_t>(y * nWidth + x)] = colour;
    }
    void Fill(int x, int y, int w, int h, EColour colour)
    {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                Set(i, j, colour);
    }
    // An outline nLine pixels wide along the inside of the four edges of the
    // w x h rectangle at (x, y).
    void Outline(int x, int y, int w, int h, EColour colour, int nLine = 1)
    {
        Fill(x, y, w, nLine, colour);
        Fill(x, y + h - nLine, w, nLine, colour);
        Fill(x, y, nLine, h, colour);
        Fill(x + w - nLine, y, nLine, h, colour);
    }
};
