// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controltable.h"
#include "picture.h"
#include "winapi.h"

#include <memory>
#include <string>

namespace zorbelkin {

// One control of a built window, with the row of the description it came from.
struct Control {
    const ControlRow* row = nullptr;
    int member = 0; // 0 for a row of one control, the cell for a cell array
    // Only text boxes and buttons have one: the window draws its labels, images and lines itself
    // and takes the clicks on its labels.
    HWND hwnd = nullptr;
    PixelRect place;                        // in the window's client area
    std::shared_ptr<const Picture> picture; // what an image shows; none is the blank picture
    bool enabled = true;                    // a control's window is made in this state
};

// The program's own messages to its main window, numbered here alone so that no two meet.
enum : UINT {
    // Posted by a screen reader's press, with the child id of the control to press in wParam.
    pressMessage = WM_APP + 1,
    // Sent by a text box to its window when a screen reader asks it for its object, before the
    // system answers: the window then gives the box its name, if it has not yet.
    textBoxAskedMessage,
};

// Whether a control of kind is one of the system's own, with a window: a text box or a button.
bool hasWindow(ControlKind kind);

// Creates the window of a text box or button control as a child of parent with the given
// command id, at its place and in font, beneath the controls made before it.
void createControl(HWND parent, Control& control, int id, HFONT font);

// The board's looks at one density, which the window draws its own controls in.
struct BoardLooks {
    UINT dpi = standardDotsPerInch;
    Rgb ground;
    Rgb ink;
    HBRUSH groundBrush = nullptr;
    HFONT controlFont = nullptr;
    HFONT titleFont = nullptr;

    // The face of row's controls: the titles' or every other control's.
    HFONT fontOf(const ControlRow& row) const
    {
        return (row.looks & TitleFont) ? titleFont : controlFont;
    }
};

// Draws a control that has no window in its place on dc: a line in ink, an image's picture on
// ground, a label as the system draws a static text: on ground, unless it is transparent, its
// text in its face and ink, wrapped at words.
void drawControl(HDC dc, const Control& control, const BoardLooks& looks);

} // namespace zorbelkin
