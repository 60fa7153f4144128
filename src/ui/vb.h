// The window vocabulary: twips, 0xBBGGRR colours and the colours the windows name.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <cstdint>

namespace vb {

// 1440 twips to the inch, 96 pixels to the inch: 15 twips a pixel.
constexpr int TwipsPerPixel = 15;

int toPixels(double twips);
double toTwips(int pixels);
QRect toPixels(int left, int top, int width, int height);

// Colours are kept as 24-bit values with red in the low byte.
using Colour = std::uint32_t;
QColor toQColor(Colour bgr);

constexpr Colour Green = 0x00FF00;
constexpr Colour Blue = 0xFF0000;
constexpr Colour Red = 0x0000FF;
constexpr Colour White = 0xFFFFFF;
constexpr Colour ButtonFace = 0xF0F0F0;
constexpr Colour WindowFace = 0xF0F0F0;

// The 16 colours of the classic 16-colour palette, entries 0..15.
Colour paletteColour(int entry);

} // namespace vb
