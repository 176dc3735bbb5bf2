// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

namespace zorbelkin {

// Gives the running application its name, its version ("1.00", from the build's project
// version), its desktop entry's name, so Wayland shows the right icon, its window icon, the
// reading of its windows by a screen reader and its fonts. Call it once, after the QApplication
// exists and before any widget.
void setUpApplication();

} // namespace zorbelkin
