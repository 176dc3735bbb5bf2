// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "com.h"
#include "fatalerror.h"
#include "mainwindow.h"

#include <cstdlib>
#include <exception>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    const zorbelkin::ComOnDemand com;
    int status = EXIT_FAILURE;
    try {
        zorbelkin::BuiltWindow::registerClass(instance);
        zorbelkin::MainWindow window;
        window.show(showCommand);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (!IsDialogMessageW(window.hwnd(), &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        status = static_cast<int>(msg.wParam);
    } catch (const std::exception& error) {
        zorbelkin::reportFatalError(nullptr, error);
    }
    return status;
}
