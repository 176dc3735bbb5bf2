// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "colours.h"
#include "controltable.h"

#include <string>

// The page as text, made from the main window's table and written into the site's page as the
// site is built, so that the first paint shows the whole board without script.
namespace zorbelkin::web {

// "12.5px"
std::string cssPixels(double pixels);

// "rgb(12, 34, 56)", as CSS writes a colour and reads it back.
std::string cssColour(Rgb colour);

// The id of member (0 for a row of one control, the cell for a cell array) of row: its name,
// "Txt1" or "lbl1(4)".
std::string controlId(const ControlRow& row, int member);

// The page's body: the board, id "ZORBELKIN", with every control of the table back to front,
// each element's id its control's; a status region, id "spoken", that tells a screen reader of
// each new mark; and the message box, the dialog "box" with the text "box-text" and the button
// "OK". Cells carry data-cell, the text boxes data-box, their TextBox. A disabled text box takes
// its colours from the board's --muted and --field; lines from --ink.
std::string pageMarkup();

// The style rules that give the board its size, face and a light page's colours, and each
// control its place and look, in CSS pixels at 96 dots per inch; the board is centred on whole
// pixels and scaled down as one piece where the page is smaller.
std::string boardStyle();

// page, the site's page, with the board's markup in place of its "<!-- board -->" and the
// window's title in place of its "<!-- title -->". Throws std::invalid_argument for a page
// without them.
std::string withBoard(std::string page);

} // namespace zorbelkin::web
