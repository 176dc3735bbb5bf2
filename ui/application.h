#pragma once

namespace zorbelkin {

// Gives the running application its name, its version ("1.00", from the build's project
// version), its desktop entry's name, so Wayland shows the right icon, and its window icon.
// Call it once, after the QApplication exists.
void setUpApplication();

} // namespace zorbelkin
