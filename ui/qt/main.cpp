// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "fatalerror.h"
#include "zorbelkinwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    try {
        zorbelkin::setUpApplication();
        zorbelkin::ZorbelkinWindow window;
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
