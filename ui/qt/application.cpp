// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "application.h"

#include "accessibility.h"
#include "looks.h"
#include "picture.h"

#include <QApplication>
#include <QIcon>

namespace zorbelkin {

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("zorbelkin"));
    QApplication::setApplicationVersion(QStringLiteral(ZORBELKIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBELKIN_APP_ID));
    QApplication::setWindowIcon(iconOf(Picture::load(QStringLiteral(":/marks/x.png"))));
    installAccessibleInterfaces();
    // The game's own face by default, so that a text box is not first laid out in a face it never
    // shows; message boxes and menus keep the desktop's.
    const QFont desktop = QApplication::font();
    QApplication::setFont(qtFont(controlFace));
    QApplication::setFont(desktop, "QMessageBox");
    QApplication::setFont(desktop, "QMenu");
}

} // namespace zorbelkin
