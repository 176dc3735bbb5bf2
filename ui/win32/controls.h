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
    HWND hwnd = nullptr;
    std::shared_ptr<const Picture> picture; // what an image shows; none is the blank picture
    bool pressed = false;                   // a cell label between its button down and up
};

// Sent by an image, a line or a cell label to its window when a screen reader asks it for its
// object (WM_GETOBJECT with OBJID_CLIENT), with that message's wParam and the control's window in
// lParam. The window answers as to WM_GETOBJECT: LresultFromObject's result, or 0 for the
// system's default object.
inline constexpr UINT controlObjectMessage = WM_APP + 2;
// Sent by a text box to its window when a screen reader asks it for its object, before the
// system answers: the window then gives the box its name, if it has not yet.
inline constexpr UINT textBoxAskedMessage = WM_APP + 3;

// Registers the window classes of the game's own controls: images, lines and cell labels.
// Call once before creating controls.
void registerControlClasses(HINSTANCE instance);

// Creates control as a child of parent with the given command id, at place and in font, behind
// the controls made before it. Images and lines are decoration: clicks pass through them. A cell
// label is transparent, lies over its image and reports a left click with WM_COMMAND and
// BN_CLICKED, while it is enabled.
void createControl(HWND parent, Control& control, int id, const PixelRect& place, HFONT font);

} // namespace zorbelkin
