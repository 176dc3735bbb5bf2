// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"

#include <string>

namespace zorbelkin {

// What a screen reader says of cell (0 to 8) while it shows mark: where it is and what it shows,
// "top left, empty" or "centre, X".
std::string cellSpokenName(CellIndex cell, Mark mark);

// The name of the one action a free cell offers a screen reader; it does what a left click does.
// A used cell offers none.
inline constexpr const char* pressActionName = "Press";

} // namespace zorbelkin
