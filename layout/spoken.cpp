// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "spoken.h"

#include <array>

namespace zorbelkin {

std::string cellSpokenName(CellIndex cell, Mark mark)
{
    static constexpr std::array<const char*, cellCount> places{
        "top left", "top",         "top right", "left",        "centre",
        "right",    "bottom left", "bottom",    "bottom right"};
    const char* shown = mark == Mark::X ? "X" : mark == Mark::O ? "O" : "empty";
    return std::string(places.at(cell)) + ", " + shown;
}

} // namespace zorbelkin
