// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// The floor for a Qt Widgets program: a window of the game's size with one label, closed as soon
// as its first frame has been painted.
#include "firstframe.h"

#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(470, 459);
    QLabel label(QStringLiteral("ZOR"), &window);
    label.setGeometry(48, 0, 81, 17);
    return showUntilFirstFrame(window);
}
