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
    // Only text boxes and buttons have one: the window draws its labels, images and lines itself
    // and takes the clicks on its labels.
    HWND hwnd = nullptr;
    PixelRect place;                        // in the window's client area
    std::shared_ptr<const Picture> picture; // what an image shows; none is the blank picture
    bool enabled = true;                    // a label's; a control with a window asks the window
};

// Sent by a text box to its window when a screen reader asks it for its object, before the
// system answers: the window then gives the box its name, if it has not yet.
inline constexpr UINT textBoxAskedMessage = WM_APP + 3;

// Whether a control of the window's own has a window of the system's: a text box or a button.
bool hasWindow(ControlKind kind);
bool isEnabled(const Control& control);

// Creates the window of a text box or button control as a child of parent with the given
// command id, at its place and in font, behind the controls made before it.
void createControl(HWND parent, Control& control, int id, HFONT font);

// Draws an image or a line in its place on dc: a line in ink, an image's picture on ground.
void drawDecoration(HDC dc, const Control& control, UINT dpi, Rgb ground, Rgb ink);
// Draws a label in its place on dc as the system draws a static text: on ground, unless it is
// transparent, its text in font and ink, wrapped at words.
void drawLabel(HDC dc, const Control& control, HFONT font, HBRUSH ground, Rgb ink);

} // namespace zorbelkin
