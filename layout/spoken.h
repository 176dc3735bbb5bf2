// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controltable.h"
#include "gameview.h"

#include <string>

namespace zorbelkin {

// What a screen reader says of cell (0 to 8) while it shows mark: where it is and what it shows,
// "top left, empty" or "centre, X".
std::string cellSpokenName(CellIndex cell, Mark mark);

// The name of the one action a free cell offers a screen reader; it does what a left click does.
// A used cell offers none.
inline constexpr const char* pressActionName = "Press";

enum class SpokenRole { StaticText, PushButton, Text };

// What a screen reader is told of one control of a window.
struct Spoken {
    SpokenRole role;
    std::string name;
    bool pressable; // offers the press action
};

// What a screen reader is told of member (0 for a row of one control, the cell for a cell array)
// of row, which is no decoration, while the control is enabled or not; mark is what a cell shows.
// Cells are push buttons named by place and mark, pressable while free; text boxes carry their
// row's spoken name; the button and the labels their text. A disabled control is told of as
// unavailable, and only controls in the tab order as focusable. Throws std::logic_error for
// decoration.
// What each reader adds: on Linux the text boxes and the button keep Qt's own objects, which
// answer with these roles and names but add Qt's "SetFocus" action to each control that takes the
// focus; Active Accessibility has one default action per object; a page's engine names the press
// itself, and lets a reader's own navigation focus a cell outside the tab order.
Spoken spokenControl(const ControlRow& row, int member, bool enabled, Mark mark);

} // namespace zorbelkin
