// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Tells the running game of a change to the desktop, as Windows would while it runs:
//   system_events colours RECOLOUR.dll  loads the DLL into the game, which sets the system colours
//                                       there (see recolour.cpp);
//   system_events dpi N                 sends the game's window WM_DPICHANGED for N dots per inch,
//                                       with the suggested frame in the game's own memory, where
//                                       Windows would have put it: the frame of the same client
//                                       area at that scale, at the same place; then gives the
//                                       frame that Wine draws that client area.
// Exits with 0 once the game has had the message.
#include "windowlayout.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: system_events colours RECOLOUR.dll | dpi N\n");
    return 2;
}

HWND gameWindow()
{
    return FindWindowW(nullptr, L"ZOR BEL KIN");
}

HANDLE openGame(HWND window, DWORD access)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return OpenProcess(access, FALSE, process);
}

// Copies size bytes of data into a new block of the game's memory; null if it cannot.
void* copyInto(HANDLE game, const void* data, std::size_t size)
{
    void* there = VirtualAllocEx(game, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (there && !WriteProcessMemory(game, there, data, size, nullptr)) {
        VirtualFreeEx(game, there, 0, MEM_RELEASE);
        return nullptr;
    }
    return there;
}

int loadIntoGame(const wchar_t* dll)
{
    const HWND window = gameWindow();
    const HANDLE game = window ? openGame(window, PROCESS_ALL_ACCESS) : nullptr;
    if (!game)
        return 1;
    wchar_t path[MAX_PATH];
    GetFullPathNameW(dll, MAX_PATH, path, nullptr);
    void* there = copyInto(game, path, (std::wcslen(path) + 1) * sizeof(wchar_t));
    // kernel32 lies at the same address in every process.
    const auto load = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    const HANDLE thread =
        there ? CreateRemoteThread(game, nullptr, 0, load, there, 0, nullptr) : nullptr;
    DWORD loaded = 0;
    if (thread) {
        WaitForSingleObject(thread, 10000);
        GetExitCodeThread(thread, &loaded);
        CloseHandle(thread);
    }
    if (there)
        VirtualFreeEx(game, there, 0, MEM_RELEASE);
    CloseHandle(game);
    return loaded ? 0 : 1;
}

int changeDpi(UINT dpi)
{
    const HWND window = gameWindow();
    if (!window)
        return 1;
    RECT frame;
    GetWindowRect(window, &frame);
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const auto extended = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    // The frame of the board's client area at the new scale, with the frame drawn at dpi.
    const auto frameAt = [&](UINT frameDpi) {
        const zorbelkin::WindowDescription& board = zorbelkin::mainWindowDescription();
        RECT r{0, 0, zorbelkin::pixels(board.clientWidthTwips, static_cast<int>(dpi)),
               zorbelkin::pixels(board.clientHeightTwips, static_cast<int>(dpi))};
        AdjustWindowRectExForDpi(&r, style, FALSE, extended, frameDpi);
        OffsetRect(&r, frame.left - r.left, frame.top - r.top);
        return r;
    };
    const RECT suggested = frameAt(dpi);

    const HANDLE game = openGame(window, PROCESS_VM_OPERATION | PROCESS_VM_WRITE);
    if (!game)
        return 1;
    void* there = copyInto(game, &suggested, sizeof suggested);
    const bool sent =
        there && SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                                     reinterpret_cast<LPARAM>(there), SMTO_NORMAL, 10000, nullptr);
    if (there)
        VirtualFreeEx(game, there, 0, MEM_RELEASE);
    CloseHandle(game);
    // The game sizes its frame as Windows draws it at the new density; Wine still draws it at the
    // old one, so the client area comes out a little off. The frame that Wine draws is given the
    // board's client area at the new scale, as Windows would have.
    const RECT exact = frameAt(GetDpiForWindow(window));
    SetWindowPos(window, nullptr, 0, 0, exact.right - exact.left, exact.bottom - exact.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return sent ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    // Frames and client areas in the screen's own pixels, as the game sees them.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (argc == 3 && std::wcscmp(argv[1], L"colours") == 0)
        return loadIntoGame(argv[2]);
    if (argc == 3 && std::wcscmp(argv[1], L"dpi") == 0)
        return changeDpi(static_cast<UINT>(std::wcstoul(argv[2], nullptr, 10)));
    return usage();
}
