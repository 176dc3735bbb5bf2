// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

namespace zorbelkin {

// Window geometry is kept in twips, 1/1440 inch: 15 twips make a pixel at 96 dots per inch, the
// density the layout was drawn for, and a denser screen scales the whole layout alike.
inline constexpr int twipsPerInch = 1440;
inline constexpr int standardDotsPerInch = 96;

// The nearest whole pixel; twips is not negative.
constexpr int pixels(int twips, int dotsPerInch = standardDotsPerInch)
{
    return (twips * dotsPerInch + twipsPerInch / 2) / twipsPerInch;
}

// A length given in pixels at 96 dots per inch, such as a line's width, at dotsPerInch.
constexpr int scaledPixels(int standardPixels, int dotsPerInch)
{
    return (standardPixels * dotsPerInch + standardDotsPerInch / 2) / standardDotsPerInch;
}

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr PixelRect toPixels(TwipRect r, int dotsPerInch = standardDotsPerInch)
{
    return {pixels(r.left, dotsPerInch), pixels(r.top, dotsPerInch), pixels(r.width, dotsPerInch),
            pixels(r.height, dotsPerInch)};
}

} // namespace zorbelkin
