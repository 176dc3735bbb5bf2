// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// The real game window, built from the same libraries as the game, pictures and all, closed as
// soon as its first frame has been painted.
#include "application.h"
#include "firstframe.h"
#include "mainwindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    zorbelkin::setUpApplication();
    zorbelkin::MainWindow window;
    return showUntilFirstFrame(window);
}
