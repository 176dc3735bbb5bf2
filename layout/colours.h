// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace zorbelkin {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};

// 0 to 255: the mean of the strongest and the weakest channel.
constexpr int lightness(Rgb c)
{
    return (std::max({c.red, c.green, c.blue}) + std::min({c.red, c.green, c.blue})) / 2;
}

struct BoardColours {
    Rgb ground; // behind the whole board, the three titles included
    Rgb ink;    // every text and line on it
};

// The board's colours, from the desktop's colour of text on an active title bar and its window
// text colour. The board is meant light, with the title words blending into it and the marks'
// white ground matching it: the title bar text colour is its ground while that is light, as in
// the classic scheme the layout was drawn for; where it is dark, as on current Windows, the
// ground is white. The window text colour is kept unless it would vanish into the ground, as a
// dark theme's light text would; then the ink is black.
BoardColours boardColours(Rgb titleBarText, Rgb windowText);

// The contrast of two colours by WCAG 2.1, from 1 for the same luminance to 21 for black and
// white, the same either way round.
double contrast(Rgb a, Rgb b);

// The contrast that readableInk gives: WCAG 2.1's enhanced level for text (success criterion
// 1.4.6). Its minimum, 4.5 (1.4.3), would hold for the colour but not for the strokes of small
// anti-aliased text, whose darkest pixels come out a little lighter.
inline constexpr double readableContrast = 7.0;

// The colour to write text of colour ink in on ground. That is ink itself where it reaches
// readableContrast; else ink taken towards black or white, whichever ground sets off better, just
// far enough to reach it, so that a muted ink, such as a disabled control's, stays muted. Where
// neither black nor white reaches it, the better of the two.
Rgb readableInk(Rgb ink, Rgb ground);

// Lays a picture drawn on white onto ground: the white pixels that white joins to the picture's
// edge, side by side rather than corner to corner, take ground's colour; the white the picture
// encloses stays. pixels holds width x height opaque pixels, row after row, each as 0xAARRGGBB.
void layOnGround(std::span<std::uint32_t> pixels, int width, int height, Rgb ground);

// pixels, width x height of them as layOnGround takes them, scaled down to toWidth x toHeight:
// each pixel of the result is the mean of the area it covers, each pixel there weighted by how
// much of it falls inside, so that thin strokes grey rather than vanish. Under Wine 8 the imaging
// component's Fant scaler, which does this on Windows, takes the nearest pixel.
std::vector<std::uint32_t> areaScaled(std::span<const std::uint32_t> pixels, int width, int height,
                                      int toWidth, int toHeight);

} // namespace zorbelkin
