// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// The floor for a Windows program: a window with the game's client area and one static text,
// linked as the game is and with its manifest, shown until it is closed. With the argument
// "boxes", the floor for the game's own child windows instead of the static text: its text boxes
// and its button, at their places, and nothing else of the game.
#include "windowlayout.h"

#include <windows.h>

#include <cwchar>

namespace {

constexpr const wchar_t* windowClassName = L"BareWindow";

void addTheGamesBoxes(HWND window, HINSTANCE instance)
{
    using zorbelkin::ControlKind;
    for (const zorbelkin::ControlRow& row : zorbelkin::mainWindowDescription().controls) {
        if (row.kind != ControlKind::TextBox && row.kind != ControlKind::Button)
            continue;
        const bool box = row.kind == ControlKind::TextBox;
        for (const zorbelkin::Member& member : zorbelkin::membersOf(row))
            CreateWindowExA(box ? WS_EX_CLIENTEDGE : 0, box ? "EDIT" : "BUTTON", row.text,
                            WS_CHILD | WS_VISIBLE, member.rect.left, member.rect.top,
                            member.rect.width, member.rect.height, window, nullptr, instance,
                            nullptr);
    }
}

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = windowClassName;
    RegisterClassExW(&windowClass);
    RECT frame{0, 0, 470, 459};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"bare", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (std::wcscmp(commandLine, L"boxes") == 0)
        addTheGamesBoxes(window, instance);
    else
        CreateWindowExW(0, L"STATIC", L"ZOR", WS_CHILD | WS_VISIBLE, 48, 0, 81, 17, window, nullptr,
                        instance, nullptr);
    ShowWindow(window, showCommand);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
