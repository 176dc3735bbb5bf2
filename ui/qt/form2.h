// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "buildwindow.h"
#include "picture.h"

#include <QWidget>

#include <memory>

namespace zorbelkin {

// The hidden window that owns the three mark pictures: imgna's is blank (no picture, handle 0),
// thex's is X and theo's is O. It is never shown, and its pictures never change.
class Form2 : public QWidget {
    Q_OBJECT
public:
    // A window of owner's, destroyed with it. Throws std::runtime_error if a picture is missing.
    explicit Form2(QWidget* owner);

    // The picture object itself, shared with whoever shows it; null for Mark::Blank.
    const std::shared_ptr<const Picture>& picture(Mark mark) const;

private:
    BuiltControls controls_;
};

} // namespace zorbelkin
