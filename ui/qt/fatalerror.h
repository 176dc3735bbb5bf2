// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <exception>
#include <functional>

class QWidget;

namespace zorbelkin {

// Tells the player, in a modal message box over parent (which may be null), that the program met
// an error it cannot go on from; the same text goes to standard error, for a terminal or a log.
void reportFatalError(QWidget* parent, const std::exception& error);

// Runs one event handler of the game. The game catches nothing itself: an exception that escapes
// the handler is reported, and the application then leaves its event loop with EXIT_FAILURE.
void runHandler(QWidget* window, const std::function<void()>& handler);

} // namespace zorbelkin
