// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "builtwindow.h"

namespace zorbelkin {

// The hidden window that owns the three mark pictures: imgna's is blank (no picture, handle 0),
// thex's is X and theo's is O. It is never shown, and its pictures never change.
class Form2 : public BuiltWindow {
public:
    // A window of owner's, destroyed with it. Throws std::runtime_error if a picture is missing.
    explicit Form2(HWND owner) : BuiltWindow(form2Description(), owner) {}

    // The picture object itself, shared with whoever shows it; null for Mark::Blank.
    const std::shared_ptr<const Picture>& picture(Mark mark) const
    {
        return control(holderOf(mark)).picture;
    }
};

} // namespace zorbelkin
