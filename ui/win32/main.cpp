// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "fatalerror.h"
#include "mainwindow.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <exception>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // The visual styles of common controls 6, which the manifest asks for.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The mark pictures are decoded by the imaging component, a COM server.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return EXIT_FAILURE;
    int status = EXIT_FAILURE;
    try {
        zorbelkin::registerControlClasses(instance);
        zorbelkin::BuiltWindow::registerClass(instance);
        zorbelkin::MainWindow window;
        window.show(showCommand);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (!window.handleKey(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        status = static_cast<int>(msg.wParam);
    } catch (const std::exception& error) {
        zorbelkin::reportFatalError(nullptr, error);
    }
    CoUninitialize();
    return status;
}
