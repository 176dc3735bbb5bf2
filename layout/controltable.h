// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"
#include "twips.h"

#include <array>
#include <cstddef>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorbelkin {

enum class ControlKind { Label, TextBox, Button, Image, Line };

// Pictures and grid lines: drawn beneath the rest, passed by a click, and not told of to a screen
// reader.
constexpr bool isDecoration(ControlKind kind)
{
    return kind == ControlKind::Image || kind == ControlKind::Line;
}

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

// Ways to write a row of a table.
namespace row {

constexpr ControlRow line(const char* name, TwipRect ends, int widthPixels)
{
    return {.name = name, .kind = ControlKind::Line, .twips = ends, .lineWidthPixels = widthPixels};
}

constexpr ControlRow label(const char* name, TwipRect twips, const char* text, int tab,
                           unsigned looks = Plain)
{
    return {.name = name,
            .kind = ControlKind::Label,
            .twips = twips,
            .text = text,
            .tabPosition = tab,
            .looks = looks};
}

constexpr ControlRow textBox(const char* name, TwipRect twips, const char* text, int tab,
                             const char* spokenName, unsigned looks = Plain)
{
    return {.name = name,
            .kind = ControlKind::TextBox,
            .twips = twips,
            .text = text,
            .tabPosition = tab,
            .looks = looks,
            .accessibleName = spokenName};
}

constexpr ControlRow button(const char* name, TwipRect twips, const char* text, int tab)
{
    return {.name = name,
            .kind = ControlKind::Button,
            .twips = twips,
            .text = text,
            .tabPosition = tab};
}

// Nine controls of one kind, member i on cell i.
constexpr ControlRow cells(const char* name, ControlKind kind, int firstTab, unsigned looks)
{
    return {.name = name, .kind = kind, .tabPosition = firstTab, .looks = looks, .cellArray = true};
}

constexpr ControlRow image(const char* name, TwipRect twips, const char* picture)
{
    return {.name = name, .kind = ControlKind::Image, .twips = twips, .picture = picture};
}

} // namespace row

// A row of kind K, by its place in its window's table.
template<ControlKind K> struct Row {
    std::size_t index;
};

// The row of kind K named name in rows. Evaluated as the program is compiled, so that a name
// that is not in the table, or a row of another kind, does not compile.
template<ControlKind K, std::size_t N>
consteval Row<K> rowNamed(const std::array<ControlRow, N>& rows, std::string_view name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name == rows[i].name) {
            if (rows[i].kind != K)
                throw "the row is of another kind";
            return {i};
        }
    }
    throw "the table has no row of that name";
}

// One control of a window: the place of its row in the table, and its number among the row's
// members (0 for a row of one control, the cell for a cell array).
struct MemberRef {
    std::size_t row;
    int member;
};

// The controls that can hold the keyboard focus, in tab order: the enabled text boxes and
// buttons. Labels, images and lines never take the focus.
std::vector<MemberRef> focusOrder(const WindowDescription& description);

// One control that a row stands for.
struct Member {
    std::string name; // "Txt1", or "lbl1(4)" for member 4 of an array
    PixelRect rect;
};

// The one control of a row, or the nine of a cell array, at dotsPerInch. A line's rectangle is
// centred on its path. Throws std::logic_error for a line that is neither across nor down.
std::vector<Member> membersOf(const ControlRow& row, int dotsPerInch = standardDotsPerInch);

// "lbl1(4)": the name of member i of a control array.
std::string arrayMemberName(const std::string& arrayName, CellIndex i);

} // namespace zorbelkin
