// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "spoken.h"
#include "windowlayout.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zorbelkin {

// What the shared table says a screen reader is told of each control of the main window on a
// fresh board, back to front, one control a line of four fields apart by tabs: the role ("push
// button", "static text" or "text"), the name, the states ("enabled" or "unavailable", then
// " focusable" for a control in the tab order) and the actions ("Press" or nothing). The clients
// of both programs hold what they read from outside against it.
inline std::vector<std::string> toldOnFreshBoard()
{
    const WindowDescription& window = mainWindowDescription();
    const std::vector<MemberRef> focus = focusOrder(window);
    std::vector<std::string> lines;
    for (std::size_t r = 0; r < window.controls.size(); ++r) {
        const ControlRow& row = window.controls[r];
        for (int member = 0; member < (row.cellArray ? cellCount : 1); ++member) {
            if (isDecoration(row.kind))
                continue;
            const bool enabled = !(row.looks & Disabled);
            const Spoken told = spokenControl(row, member, enabled, Mark::Blank);
            const bool focusable = std::any_of(focus.begin(), focus.end(), [&](MemberRef f) {
                return f.row == r && f.member == member;
            });
            const char* role = told.role == SpokenRole::PushButton ? "push button"
                               : told.role == SpokenRole::Text     ? "text"
                                                                   : "static text";
            lines.push_back(std::string(role) + '\t' + told.name + '\t' +
                            (enabled ? "enabled" : "unavailable") +
                            (focusable ? " focusable" : "") + '\t' +
                            (told.pressable ? pressActionName : ""));
        }
    }
    return lines;
}

} // namespace zorbelkin
