// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controltable.h"
#include "gameview.h"

#include <array>
#include <string>

namespace zorbelkin {

// The caption of the game's message boxes.
inline constexpr const char* applicationTitle = "ZORBELKIN";

// The rectangle of cell i (0 to 8) on the board, shared by lbl1(i) and Img1(i).
TwipRect cellRect(CellIndex i);

// What a message box says when an error ends the program; what is the error's own text.
std::string fatalErrorMessage(const std::string& what);

// A font face by the families to try in turn, its size and its weight.
struct Face {
    std::array<const char*, 2> families;
    double points;
    bool bold;
};

// Arial, or first its metric-compatible family: where Arial itself is missing, as on most Linux
// systems, asking for it first costs a failed lookup and a fallback search at every start.
inline constexpr std::array<const char*, 2> arialFamilies{"Liberation Sans", "Arial"};
// The face of every control but the titles. The layout is fixed in twips, so its face is fixed
// too: the compact face the labels and the button were sized for, whatever the desktop's font.
inline constexpr Face controlFace{arialFamilies, 8, false};
// The face of the three title words.
inline constexpr Face titleFace{arialFamilies, 14.25, true};

// The main window, "ZORBELKIN", and the hidden holder of the mark pictures, "form2".
const WindowDescription& mainWindowDescription();
const WindowDescription& form2Description();

} // namespace zorbelkin
