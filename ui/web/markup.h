// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controltable.h"

#include <string>

// The page as text, made from the main window's table and put into the page in one piece each:
// far quicker than an element at a time, and the whole board is there for the first frame.
namespace zorbelkin::web {

// "12.5px"
std::string cssPixels(double pixels);

// The id of member (0 for a row of one control, the cell for a cell array) of row: its name,
// "Txt1" or "lbl1(4)".
std::string controlId(const ControlRow& row, int member);

// The page's body: the board, id "ZORBELKIN", with every control of the table back to front,
// each element's id its control's; a status region, id "spoken", that tells a screen reader of
// each new mark; and the message box, the dialog "box" with the text "box-text" and the button
// "OK". Cells carry data-cell, the text boxes data-box, their TextBox. A disabled text box takes
// its colours from the board's --muted and --field; lines from --ink.
std::string pageMarkup();

// The style rules that give the board its size and face, and each control its place and look,
// in CSS pixels at 96 dots per inch.
std::string boardStyle();

} // namespace zorbelkin::web
