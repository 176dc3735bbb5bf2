// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "looks.h"

#include <QStringList>

namespace zorbelkin {

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
    desktop.setColor(QPalette::Disabled, QPalette::Text,
                     qtColour(readableInk(rgb(desktop.color(QPalette::Disabled, QPalette::Text)),
                                          rgb(desktop.color(QPalette::Disabled, QPalette::Base)))));
    return desktop;
}

} // namespace zorbelkin
