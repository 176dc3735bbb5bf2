// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "fatalerror.h"
#include "mainwindow.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <span>
#include <string_view>

namespace {

// Qt, finding no display for a platform that needs one, aborts with advice to reinstall it. A
// player who starts the game over ssh learns what is missing instead. A platform asked for on
// the command line is left to Qt.
bool displayMissing(const std::span<char*> arguments)
{
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string_view(value != nullptr ? value : "");
    };
    const std::string_view platform = variable("QT_QPA_PLATFORM");
    const bool needsDisplay =
        platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    const bool platformArgument =
        std::ranges::any_of(arguments, [](const std::string_view argument) {
            return argument == "-platform" || argument == "--platform";
        });
    return needsDisplay && !platformArgument && variable("DISPLAY").empty() &&
           variable("WAYLAND_DISPLAY").empty();
}

} // namespace

int main(int argc, char* argv[])
{
    if (displayMissing({argv, static_cast<std::size_t>(argc)})) {
        std::fputs("zorbelkin: no display to show the window on: neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    try {
        zorbelkin::setUpApplication();
        zorbelkin::MainWindow window;
        window.show();
        const int status = QApplication::exec();
        // Qt's Wayland plugin can hang for good while it closes the display connection (its
        // event thread waits on a read that the main thread prepared and never made). Once the
        // window has closed nothing is left to save, so the game ends here without that.
        if (QGuiApplication::platformName() == QLatin1String("wayland")) {
            std::fflush(nullptr);
            std::_Exit(status);
        }
        return status;
    } catch (const std::exception& error) {
        zorbelkin::reportFatalError(nullptr, error);
        return EXIT_FAILURE;
    }
}
