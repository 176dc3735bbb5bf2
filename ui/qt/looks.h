// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "colours.h"
#include "windowlayout.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

namespace zorbelkin {

QFont qtFont(const Face& face);

inline Rgb rgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}
inline QColor qtColour(Rgb c)
{
    return {c.red, c.green, c.blue};
}

constexpr QRect qtRect(PixelRect r)
{
    return {r.left, r.top, r.width, r.height};
}

// The main window's colours, by the board's colour rule: Qt has no role for the text of an active
// title bar, so highlighted text stands for it, the same light colour on the same strong ground.
// A disabled text box keeps its muted text, made readable on its ground.
QPalette boardPalette(QPalette desktop);

} // namespace zorbelkin
