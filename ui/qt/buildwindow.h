// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controltable.h"

class QWidget;

namespace zorbelkin {

// Gives window its name, title and client size and creates its controls, named after their rows
// ("Txt1", or "lbl1(4)" for a member of an array), with the tab order of their tab positions and
// the focus on the first control that can take it. Throws std::runtime_error if a picture is
// missing.
void buildWindow(QWidget& window, const WindowDescription& description);

} // namespace zorbelkin
