#include "ui/vb.h"

#include <array>
#include <cmath>

namespace vb {

int toPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

double toTwips(int pixels) { return static_cast<double>(pixels) * TwipsPerPixel; }

QRect toPixels(int left, int top, int width, int height)
{
    // Round the edges, not the sizes, so controls that touch in twips touch in pixels.
    const int l = toPixels(left), t = toPixels(top);
    return QRect(l, t, toPixels(left + width) - l, toPixels(top + height) - t);
}

QColor toQColor(Colour bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

Colour paletteColour(int entry)
{
    static constexpr std::array<Colour, 16> palette = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return palette.at(static_cast<std::size_t>(entry & 15));
}

} // namespace vb
