// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "colours.h"

#include <cstdlib>

namespace zorbelkin {

BoardColours boardColours(Rgb titleBarText, Rgb windowText)
{
    constexpr int enoughContrast = 128;
    const Rgb ground = lightness(titleBarText) >= enoughContrast ? titleBarText : white;
    const bool readable = std::abs(lightness(windowText) - lightness(ground)) >= enoughContrast;
    return {ground, readable ? windowText : black};
}

} // namespace zorbelkin
