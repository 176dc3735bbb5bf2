// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"
#include "twips.h"

#include <span>
#include <string>
#include <vector>

namespace zorbelkin {

enum class ControlKind { Label, TextBox, Button, Image, Line };

// What sets a control apart from its kind's defaults. The titles' ground, the colour of title bar
// text, is the whole board's (see boardColours), so it needs no look of its own.
enum Look : unsigned {
    Plain = 0,
    TitleFont = 1U << 0,
    Centred = 1U << 1,
    Transparent = 1U << 2,
    Disabled = 1U << 3,
    Stretch = 1U << 4,
};

inline constexpr int noTab = -1;

// One control of a window, or one array of nine controls that sit on the nine cells of the board.
struct ControlRow {
    const char* name;
    ControlKind kind;
    // A line runs from the rectangle's top left (left, top) to (left + width, top + height) and
    // must be straight across or straight down. Cell arrays ignore it: member i takes cell i.
    TwipRect twips{};
    const char* text = "";
    // For a cell array, member i has tabPosition + i.
    int tabPosition = noTab;
    unsigned looks = Plain;
    bool cellArray = false;
    // An image's picture, as the name of a mark picture ("x", "o"); nullptr for none.
    const char* picture = nullptr;
    // At 96 dots per inch; it scales with the density like everything else.
    int lineWidthPixels = 0;
    // What a screen reader calls the control, where its text alone would not say.
    const char* accessibleName = nullptr;
};

struct WindowDescription {
    const char* name;
    const char* title;
    int clientWidthTwips;
    int clientHeightTwips;
    // From the back to the front: a control lies above every row before its own.
    std::span<const ControlRow> controls;
};

// One control that a row stands for.
struct Member {
    std::string name; // "Txt1", or "lbl1(4)" for member 4 of an array
    PixelRect rect;
    int tabPosition;
};

// The one control of a row, or the nine of a cell array, at dotsPerInch. A line's rectangle is
// centred on its path. Throws std::logic_error for a line that is neither across nor down.
std::vector<Member> membersOf(const ControlRow& row, int dotsPerInch = standardDotsPerInch);

// "lbl1(4)": the name of member i of a control array.
std::string arrayMemberName(const std::string& arrayName, CellIndex i);

} // namespace zorbelkin
