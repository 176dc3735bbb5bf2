// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Plays the running game as a Windows screen reader would, through Active Accessibility from
// another process: holds every child's role, name, states and default action against the shared
// table's, hit-tests every cell, plays a top row through the cells' default actions, hearing each
// cell's new name announced, and reads the score after "You Win!!". Prints what it finds; exits
// with 0 when all is as it should be.

#include "spokentable.h"

#include <windows.h>

#include <oleacc.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using Microsoft::WRL::ComPtr;
using zorbelkin::cellSpokenName;
using zorbelkin::Mark;

namespace {

int failures = 0;

void check(bool ok, const std::string& what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
    if (!ok)
        ++failures;
}

std::string narrow(const wchar_t* text)
{
    std::string out;
    for (; text && *text; ++text)
        out += *text < 128 ? static_cast<char>(*text) : '?';
    return out;
}

VARIANT child(long id)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string text(IAccessible* object, long id,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*))
{
    BSTR value = nullptr;
    if ((object->*get)(child(id), &value) != S_OK)
        return "<none>";
    std::string out = narrow(value);
    SysFreeString(value);
    return out;
}

std::string name(IAccessible* object, long id)
{
    return text(object, id, &IAccessible::get_accName);
}

long numberOf(IAccessible* object, long id,
              HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*))
{
    VARIANT value;
    VariantInit(&value);
    if ((object->*get)(child(id), &value) != S_OK || value.vt != VT_I4)
        return -1;
    return value.lVal;
}

// The names that the game announced through EVENT_OBJECT_NAMECHANGE, in order.
std::vector<std::string> announced;

void CALLBACK heardNameChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG id, DWORD, DWORD)
{
    ComPtr<IAccessible> source;
    VARIANT child;
    VariantInit(&child);
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object),
                                            static_cast<DWORD>(id), source.GetAddressOf(),
                                            &child)) &&
        child.vt == VT_I4)
        announced.push_back(name(source.Get(), child.lVal));
}

// Polls until done() holds, for up to ten seconds, delivering the events heard meanwhile.
bool waitFor(const std::function<bool()>& done)
{
    for (int tries = 0; tries < 200; ++tries) {
        if (done())
            return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return done();
}

const char* roleName(long role)
{
    return role == ROLE_SYSTEM_PUSHBUTTON   ? "push button"
           : role == ROLE_SYSTEM_TEXT       ? "text"
           : role == ROLE_SYSTEM_STATICTEXT ? "static text"
                                            : "other";
}

// What a screen reader hears of child id, in the table's words.
std::string told(IAccessible* board, long id)
{
    const long state = numberOf(board, id, &IAccessible::get_accState);
    const std::string action = text(board, id, &IAccessible::get_accDefaultAction);
    return std::string(roleName(numberOf(board, id, &IAccessible::get_accRole))) + '\t' +
           name(board, id) + '\t' + (state & STATE_SYSTEM_UNAVAILABLE ? "unavailable" : "enabled") +
           (state & STATE_SYSTEM_FOCUSABLE ? " focusable" : "") + '\t' +
           (action == "<none>" ? "" : action);
}

} // namespace

int main()
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND window = nullptr;
    waitFor([&] { return (window = FindWindowW(nullptr, L"ZOR BEL KIN")) != nullptr; });
    if (!window) {
        std::printf("FAIL: no window titled \"ZOR BEL KIN\"\n");
        return 1;
    }
    ComPtr<IAccessible> board;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(board.GetAddressOf())))) {
        std::printf("FAIL: the window has no accessible object\n");
        return 1;
    }
    check(name(board.Get(), CHILDID_SELF) == "ZOR BEL KIN", "the window is named \"ZOR BEL KIN\"");

    long count = 0;
    board->get_accChildCount(&count);
    std::vector<std::string> names(static_cast<std::size_t>(count) + 1);
    std::vector<std::string> heard;
    for (long id = 1; id <= count; ++id) {
        names[static_cast<std::size_t>(id)] = name(board.Get(), id);
        heard.push_back(told(board.Get(), id));
    }
    const std::vector<std::string> table = zorbelkin::toldOnFreshBoard();
    for (std::size_t i = 0; i < std::max(heard.size(), table.size()); ++i) {
        const std::string got = i < heard.size() ? heard[i] : "nothing";
        const std::string wanted = i < table.size() ? table[i] : "nothing";
        if (got != wanted)
            check(false, "child " + std::to_string(i + 1) + " is told as \"" + got +
                             "\", not as \"" + wanted + '"');
    }
    check(heard == table, "the " + std::to_string(count) +
                              " children have the table's roles, names, states and actions");
    const auto idOf = [&](const std::string& wanted) {
        for (long id = 1; id <= count; ++id)
            if (names[static_cast<std::size_t>(id)] == wanted)
                return id;
        return 0L;
    };

    std::vector<long> cells;
    for (zorbelkin::CellIndex i = 0; i < zorbelkin::cellCount; ++i)
        cells.push_back(idOf(cellSpokenName(i, Mark::Blank)));
    if (failures)
        return 1;

    // The centre and two corners of every cell hit that cell, by the window's own hit test and
    // by the system's, which starts from the window under the point.
    int hits = 0;
    for (zorbelkin::CellIndex i = 0; i < zorbelkin::cellCount; ++i) {
        long left = 0, top = 0, width = 0, height = 0;
        board->accLocation(&left, &top, &width, &height, child(cells[i]));
        for (const POINT p : {POINT{left + width / 2, top + height / 2}, POINT{left + 1, top + 1},
                              POINT{left + width - 2, top + height - 2}}) {
            VARIANT hit;
            VariantInit(&hit);
            board->accHitTest(p.x, p.y, &hit);
            ComPtr<IAccessible> found;
            VARIANT foundChild;
            VariantInit(&foundChild);
            AccessibleObjectFromPoint(p, found.GetAddressOf(), &foundChild);
            const bool ok = hit.vt == VT_I4 && hit.lVal == cells[i] && found &&
                            foundChild.vt == VT_I4 &&
                            name(found.Get(), foundChild.lVal) == cellSpokenName(i, Mark::Blank);
            hits += ok;
            if (!ok)
                check(false, "the point (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                                 ") finds " +
                                 (found ? name(found.Get(), foundChild.lVal) : "nothing") +
                                 ", not " + cellSpokenName(i, Mark::Blank));
        }
    }
    check(hits == 27, std::to_string(hits) + " of 27 points hit their cell");

    DWORD game = 0;
    GetWindowThreadProcessId(window, &game);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, heardNameChange,
                        game, 0, WINEVENT_OUTOFCONTEXT);
    check(hook != nullptr, "a hook listens for announced names");

    // X completes the top row: 0, 3, 1, 4, 2.
    const std::pair<zorbelkin::CellIndex, Mark> moves[] = {
        {0, Mark::X}, {3, Mark::O}, {1, Mark::X}, {4, Mark::O}, {2, Mark::X}};
    for (const auto& [cell, mark] : moves) {
        board->accDoDefaultAction(child(cells[cell]));
        const std::string after = cellSpokenName(cell, mark);
        check(waitFor([&] { return std::ranges::count(announced, after) == 1; }) &&
                  name(board.Get(), cells[cell]) == after,
              "pressing " + cellSpokenName(cell, Mark::Blank) + " makes it \"" + after +
                  "\", announced once");
        check(text(board.Get(), cells[cell], &IAccessible::get_accDefaultAction) == "<none>" &&
                  (numberOf(board.Get(), cells[cell], &IAccessible::get_accState) &
                   STATE_SYSTEM_UNAVAILABLE),
              "the used cell is unavailable and offers no action");
    }
    HWND box = nullptr;
    check(waitFor([&] { return (box = FindWindowW(nullptr, L"ZORBELKIN")) != nullptr; }),
          "a \"ZORBELKIN\" box comes");
    if (!box)
        return 1;
    wchar_t said[64]{};
    GetDlgItemTextW(box, 0xFFFF, said, 64);
    check(narrow(said) == "You Win!!", "the box says \"" + narrow(said) + '"');

    // A press while the box is open does nothing.
    board->accDoDefaultAction(child(cells[5]));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    check(waitFor([&] { return !IsWindow(box); }), "OK dismisses the box");
    const long score = idOf("Player 1 score");
    check(waitFor([&] { return text(board.Get(), score, &IAccessible::get_accValue) == "1"; }),
          "player 1's score reads " + text(board.Get(), score, &IAccessible::get_accValue));
    check(name(board.Get(), cells[5]) == cellSpokenName(5, Mark::Blank),
          "the press made while the box was open did nothing");
    std::printf(failures ? "FAIL: %d checks failed\n"
                         : "PASS: played through Active Accessibility\n",
                failures);
    UnhookWinEvent(hook);
    CoUninitialize();
    return failures ? 1 : 0;
}
