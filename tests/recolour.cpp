// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Loaded into the running game by system_events, sets the system colours from inside its process:
// pale yellow title bar text and navy window text. Windows then tells every window of the change
// (WM_SYSCOLORCHANGE). Wine keeps each process's own copy of the system colours, which a change
// made in another process leaves as it was, so under Wine the change must be made in the game's.
#include <windows.h>

namespace {

DWORD WINAPI recolour(void*)
{
    const INT elements[] = {COLOR_CAPTIONTEXT, COLOR_WINDOWTEXT};
    const COLORREF colours[] = {RGB(255, 232, 144), RGB(0, 0, 128)};
    SetSysColors(2, elements, colours);
    return 0;
}

} // namespace

// Not in DllMain itself: the loader's lock is held there, and the change sends messages.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH)
        if (const HANDLE thread = CreateThread(nullptr, 0, recolour, nullptr, 0, nullptr))
            CloseHandle(thread);
    return TRUE;
}
