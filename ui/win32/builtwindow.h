// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "colours.h"
#include "controls.h"
#include "winapi.h"
#include "windowlayout.h"

#include <memory>
#include <string>
#include <vector>

namespace zorbelkin {

// A top-level window built from a window description: its controls, named after their rows, in
// the description's front-to-back order, with the board's fonts and colours, and laid out in
// twips at the window's own dots per inch, again whenever that changes. Created hidden.
// Its controls that take the focus are the system's, stacked in tab order, so the system's dialog
// navigation (IsDialogMessage) tabs through them.
class BuiltWindow {
public:
    // Registers the window class once; call before the first window.
    static void registerClass(HINSTANCE instance);

    // owner, if any, owns the window: it goes when the owner does. Throws std::runtime_error if
    // a picture is missing.
    BuiltWindow(const WindowDescription& description, HWND owner);
    BuiltWindow(const BuiltWindow&) = delete;
    BuiltWindow& operator=(const BuiltWindow&) = delete;
    virtual ~BuiltWindow();

    HWND hwnd() const { return hwnd_; }
    // member is 0 for a row of one control, the cell for a cell array.
    template<ControlKind K> Control& control(Row<K> row, int member = 0) const
    {
        return *rows_.at(row.index).at(member);
    }
    // Whether control is one of row's.
    template<ControlKind K> bool isOf(const Control& control, Row<K> row) const
    {
        return control.row == &description_.controls[row.index];
    }
    // Every control, back to front.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // The front-most control at a point of the client area, as a click finds it; null where a
    // picture, a line or nothing lies on top.
    const Control* controlAt(POINT client) const;

protected:
    // Every message of the window. A window that handles messages of its own passes the others
    // on to this, which draws the window and keeps its looks, and leaves the rest to
    // DefWindowProc.
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void makeFonts(UINT dpi);
    // The size of a frame whose client area is the description's at dpi.
    SIZE frameSize(UINT dpi) const;
    void fitFrame(UINT dpi);
    // Places the controls and sets their fonts again, at a new dpi.
    void layOut(UINT dpi);
    void takeColours();

    const WindowDescription& description_;
    HWND hwnd_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_; // back to front
    std::vector<std::vector<Control*>> rows_;        // by row and member
    // At the density that the controls are laid out and drawn for.
    BoardLooks looks_;
};

} // namespace zorbelkin
