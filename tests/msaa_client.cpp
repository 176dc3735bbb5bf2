// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Reads the running game's window as a Windows screen reader would, through Active Accessibility
// from another process, for the story's Wine driver: one command a line on standard input, each
// answer ended by a line ".".
//   children each child, a line each: its id, role, state, name, default action and value, and
//            its place on the screen (left, top, width, height), apart by tabs
//   at X Y   the name of what lies at that point of the screen, as the system finds it from the
//            window under the point
//   press ID the child's default action
//   heard    the names announced since the last time asked, a line each
//   box      the caption of the game's message box, if one is open, and the texts of its
//            controls, apart by tabs

#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using Microsoft::WRL::ComPtr;

namespace {

std::string narrow(const wchar_t* text)
{
    std::string out;
    for (; text && *text; ++text)
        out += *text < 128 ? static_cast<char>(*text) : '?';
    return out;
}

VARIANT child(long id)
{
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string text(IAccessible* object, long id,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*))
{
    BSTR value = nullptr;
    if ((object->*get)(child(id), &value) != S_OK)
        return {};
    std::string out = narrow(value);
    SysFreeString(value);
    return out;
}

long number(IAccessible* object, long id,
            HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*))
{
    VARIANT value{};
    if ((object->*get)(child(id), &value) != S_OK || value.vt != VT_I4)
        return -1;
    return value.lVal;
}

std::vector<std::string> heard;

void CALLBACK hearNameChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG id, DWORD, DWORD)
{
    ComPtr<IAccessible> source;
    VARIANT which{};
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object),
                                            static_cast<DWORD>(id), source.GetAddressOf(),
                                            &which)) &&
        which.vt == VT_I4)
        heard.push_back(text(source.Get(), which.lVal, &IAccessible::get_accName));
}

// Delivers the events that came meanwhile to the hook.
void deliverEvents()
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

std::string at(POINT p)
{
    ComPtr<IAccessible> found;
    VARIANT foundChild{};
    AccessibleObjectFromPoint(p, found.GetAddressOf(), &foundChild);
    return found && foundChild.vt == VT_I4
               ? text(found.Get(), foundChild.lVal, &IAccessible::get_accName)
               : "nothing";
}

std::string windowText(HWND window)
{
    wchar_t said[64]{};
    GetWindowTextW(window, said, 64);
    return narrow(said);
}

void answer(IAccessible* board, const std::string& command, long argument, long second)
{
    if (command == "children") {
        long count = 0;
        board->get_accChildCount(&count);
        for (long id = 1; id <= count; ++id) {
            long left = 0, top = 0, width = 0, height = 0;
            board->accLocation(&left, &top, &width, &height, child(id));
            std::cout << id << '\t' << number(board, id, &IAccessible::get_accRole) << '\t'
                      << number(board, id, &IAccessible::get_accState) << '\t'
                      << text(board, id, &IAccessible::get_accName) << '\t'
                      << text(board, id, &IAccessible::get_accDefaultAction) << '\t'
                      << text(board, id, &IAccessible::get_accValue) << '\t' << left << ' ' << top
                      << ' ' << width << ' ' << height << '\n';
        }
    } else if (command == "at") {
        std::cout << at(POINT{argument, second}) << '\n';
    } else if (command == "press") {
        board->accDoDefaultAction(child(argument));
    } else if (command == "heard") {
        deliverEvents();
        for (const std::string& name : std::exchange(heard, {}))
            std::cout << name << '\n';
    } else if (const HWND box = FindWindowW(L"#32770", L"ZORBELKIN");
               box && IsWindowVisible(box) && command == "box") {
        std::cout << windowText(box);
        EnumChildWindows(
            box,
            [](HWND control, LPARAM) {
                std::cout << '\t' << windowText(control);
                return TRUE;
            },
            0);
        std::cout << '\n';
    }
    std::cout << ".\n" << std::flush;
}

} // namespace

int main()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWND window = FindWindowW(nullptr, L"ZOR BEL KIN");
    ComPtr<IAccessible> board;
    if (!window ||
        FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(board.GetAddressOf())))) {
        std::cout << "no window titled \"ZOR BEL KIN\" with an accessible object\n" << std::flush;
        return 1;
    }
    std::cout << text(board.Get(), CHILDID_SELF, &IAccessible::get_accName) << "\n.\n"
              << std::flush;
    DWORD game = 0;
    GetWindowThreadProcessId(window, &game);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, hearNameChange,
                        game, 0, WINEVENT_OUTOFCONTEXT);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        long argument = 0, second = 0;
        words >> command >> argument >> second;
        answer(board.Get(), command, argument, second);
    }
    UnhookWinEvent(hook);
    CoUninitialize();
}
