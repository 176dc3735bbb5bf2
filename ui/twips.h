#pragma once

#include <QPoint>
#include <QRect>

namespace zorbelkin {

// Window geometry is kept in twips. At 15 twips a pixel a layout drawn for 96 dots per inch maps
// onto Qt's logical pixels, and Qt's own scaling keeps it crisp on denser screens.
inline constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr QRect toPixels(TwipRect r)
{
    return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}

} // namespace zorbelkin
