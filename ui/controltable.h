#pragma once

#include "twips.h"

#include <span>

class QWidget;

namespace zorbelkin {

enum class ControlKind { Label, TextBox, Button, Image, Line };

// What sets a control apart from its kind's defaults.
enum Look : unsigned {
    Plain = 0,
    TitleFont = 1U << 0,
    TitleColour = 1U << 1,
    Centred = 1U << 2,
    Transparent = 1U << 3,
    Disabled = 1U << 4,
    Stretch = 1U << 5,
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
    // An image's picture, as a resource path; nullptr for none.
    const char* picture = nullptr;
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

// Gives window its name, title and client size and creates its controls, named after their rows
// ("Txt1", or "lbl1(4)" for a member of an array), with the tab order of their tab positions and
// the focus on the first control that can take it. Throws std::runtime_error if a picture is
// missing.
void buildWindow(QWidget& window, const WindowDescription& description);

} // namespace zorbelkin
