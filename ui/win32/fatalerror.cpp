// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "fatalerror.h"

#include "handlers.h"
#include "windowlayout.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace zorbelkin {

void reportFatalError(HWND window, const std::exception& error)
{
    const std::string message = fatalErrorMessage(error.what());
    std::fprintf(stderr, "%s\n", message.c_str());
    MessageBoxW(window, wide(message).c_str(), wide(applicationTitle).c_str(),
                MB_OK | MB_ICONERROR);
}

void runHandler(HWND window, const std::function<void()>& handler)
{
    runGuarded(handler, [window](const std::exception& error) {
        reportFatalError(window, error);
        PostQuitMessage(EXIT_FAILURE);
    });
}

} // namespace zorbelkin
