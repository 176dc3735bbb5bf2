// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "looks.h"

#include "colours.h"

#include <QStringList>

namespace zorbelkin {
namespace {

Rgb rgb(const QColor& c)
{
    return {c.red(), c.green(), c.blue()};
}

QColor qtColour(Rgb c)
{
    return {c.red, c.green, c.blue};
}

} // namespace

QFont qtFont(const Face& face)
{
    QFont font;
    QStringList families;
    for (const char* family : face.families)
        families << QString::fromLatin1(family);
    font.setFamilies(families);
    font.setPointSizeF(face.points);
    if (face.bold)
        font.setWeight(QFont::Bold);
    return font;
}

QPalette boardPalette(QPalette desktop)
{
    const BoardColours board =
        boardColours(rgb(desktop.color(QPalette::Active, QPalette::HighlightedText)),
                     rgb(desktop.color(QPalette::Active, QPalette::WindowText)));
    desktop.setColor(QPalette::Window, qtColour(board.ground));
    desktop.setColor(QPalette::WindowText, qtColour(board.ink));
    return desktop;
}

} // namespace zorbelkin
