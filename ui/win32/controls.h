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
    std::string name;
    HWND hwnd = nullptr;                    // none for an image or a line, which its window draws
    PixelRect place;                        // in the window's client area
    std::shared_ptr<const Picture> picture; // what an image shows; none is the blank picture
    bool pressed = false;                   // a cell label between its button down and up
};

// Sent by a cell label to its window when a screen reader asks it for its object (WM_GETOBJECT with
// OBJID_CLIENT), with that message's wParam and the control's window in lParam. The window answers
// as to WM_GETOBJECT: LresultFromObject's result, or 0 for the system's default object.
inline constexpr UINT controlObjectMessage = WM_APP + 2;
// Sent by a text box to its window when a screen reader asks it for its object, before the
// system answers: the window then gives the box its name, if it has not yet.
inline constexpr UINT textBoxAskedMessage = WM_APP + 3;

// Registers the window class of the game's own control, the cell label. Call once before
// creating controls.
void registerControlClasses(HINSTANCE instance);

// Creates the window of control, which is not an image or a line, as a child of parent with the
// given command id, at its place and in font, behind the controls made before it. A cell label
// is transparent, lies over its image and reports a left click with WM_COMMAND and BN_CLICKED,
// while it is enabled.
void createControl(HWND parent, Control& control, int id, HFONT font);

// Draws an image or a line in its place on dc: a line in ink, an image's picture on ground.
void drawDecoration(HDC dc, const Control& control, UINT dpi, Rgb ground, Rgb ink);

} // namespace zorbelkin
