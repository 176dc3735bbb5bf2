// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

namespace zorbelkin {

// Makes the game's windows read as a screen reader expects, by the board's table of what is told:
// the main window is a frame whose pictures and grid lines are decoration, left out of the tree,
// so that what lies under a point of a cell is the cell itself; its labels take their roles,
// names and press action from the table. Safe to call more than once.
void installAccessibleInterfaces();

} // namespace zorbelkin
