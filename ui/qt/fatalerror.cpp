// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "fatalerror.h"

#include "handlers.h"
#include "windowlayout.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace zorbelkin {

void reportFatalError(QWidget* parent, const std::exception& error)
{
    const std::string message = fatalErrorMessage(error.what());
    std::fprintf(stderr, "%s\n", message.c_str());
    QMessageBox::critical(parent, QString::fromLatin1(applicationTitle),
                          QString::fromStdString(message));
}

void runHandler(QWidget* window, const std::function<void()>& handler)
{
    runGuarded(handler, [window](const std::exception& error) {
        reportFatalError(window, error);
        QCoreApplication::exit(EXIT_FAILURE);
    });
}

} // namespace zorbelkin
