// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "winapi.h"

#include <exception>
#include <functional>

namespace zorbelkin {

// Shows what went wrong in a modal error box over window (which may be null), and writes the same
// text to standard error, for a terminal or a log.
void reportFatalError(HWND window, const std::exception& error);

// Runs an event handler. An exception that escapes it is reported, and the program is asked to
// end with a failure status.
void runHandler(HWND window, const std::function<void()>& handler);

} // namespace zorbelkin
