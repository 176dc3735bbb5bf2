#pragma once

#include "controltable.h"
#include "gameview.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

namespace zorbelkin {

// The caption of the game's message boxes.
inline constexpr const char* applicationTitle = "ZORBELKIN";

// The rectangle of cell i (0 to 8) on the board, shared by lbl1(i) and Img1(i).
TwipRect cellRect(CellIndex i);

// "lbl1(4)": the object name of member i of a control array.
QString arrayMemberName(const QString& arrayName, CellIndex i);

// The face of every control but the titles. The layout is fixed in pixels, so its face is fixed
// too: a compact sans face the labels and the button were sized for, whatever the desktop's font.
QFont controlFont();
// The face of the three title words.
QFont titleFont();
// The background of the three title words: the colour of text on an active title bar.
QColor titleColour();
// The main window's colours: the title colour as the ground, with the desktop's text and line
// colour kept unless it would vanish into that ground, as a dark theme's light text would.
QPalette boardPalette(QPalette desktop);

// The main window, "ZORBELKIN", and the hidden holder of the mark pictures, "form2".
const WindowDescription& mainWindowDescription();
const WindowDescription& form2Description();

} // namespace zorbelkin
