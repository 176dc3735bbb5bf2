// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "spoken.h"

#include <array>
#include <stdexcept>

namespace zorbelkin {

std::string cellSpokenName(CellIndex cell, Mark mark)
{
    static constexpr std::array<const char*, cellCount> places{
        "top left", "top",         "top right", "left",        "centre",
        "right",    "bottom left", "bottom",    "bottom right"};
    const char* shown = mark == Mark::X ? "X" : mark == Mark::O ? "O" : "empty";
    return std::string(places.at(cell)) + ", " + shown;
}

Spoken spokenControl(const ControlRow& row, int member, bool enabled, Mark mark)
{
    switch (row.kind) {
    case ControlKind::TextBox:
        return Spoken{SpokenRole::Text, row.accessibleName ? row.accessibleName : row.text, false};
    case ControlKind::Button:
        return Spoken{SpokenRole::PushButton, row.text, enabled};
    case ControlKind::Label:
        if (row.cellArray)
            return Spoken{SpokenRole::PushButton, cellSpokenName(member, mark), enabled};
        return Spoken{SpokenRole::StaticText, row.text, false};
    case ControlKind::Image:
    case ControlKind::Line:
        break;
    }
    throw std::logic_error(std::string("decoration is not told of: ") + row.name);
}

} // namespace zorbelkin
