// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

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
    const int high =
        c.red > c.green ? (c.red > c.blue ? c.red : c.blue) : (c.green > c.blue ? c.green : c.blue);
    const int low =
        c.red < c.green ? (c.red < c.blue ? c.red : c.blue) : (c.green < c.blue ? c.green : c.blue);
    return (high + low) / 2;
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

} // namespace zorbelkin
