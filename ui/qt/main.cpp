// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "fatalerror.h"
#include "zorbelkinwindow.h"

#include <QApplication>

#include <cstdlib>
#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    try {
        zorbelkin::setUpApplication();
        zorbelkin::ZorbelkinWindow window;
        window.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        zorbelkin::reportFatalError(nullptr, error);
        return EXIT_FAILURE;
    }
}
