// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <exception>
#include <functional>
#include <stdexcept>

namespace zorbelkin {

// Runs one event handler of the game, which catches nothing itself: an exception that escapes
// the handler goes to reportFatal, for the front end to tell the player and end the program.
inline void runGuarded(const std::function<void()>& handler,
                       const std::function<void(const std::exception&)>& reportFatal)
{
    try {
        handler();
    } catch (const std::exception& error) {
        reportFatal(error);
    } catch (...) {
        reportFatal(std::runtime_error("an unknown exception"));
    }
}

} // namespace zorbelkin
