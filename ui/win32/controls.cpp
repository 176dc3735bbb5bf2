// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "controls.h"

#include <stdexcept>

namespace zorbelkin {
namespace {

// The colours the parent gives a read-only or disabled text box: the system's own, as the default
// answer to WM_CTLCOLORSTATIC sets them, so that the box keeps the system's look.
HBRUSH askColours(HWND hwnd, HDC dc)
{
    return reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd), WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(hwnd)));
}

// The system's own text box procedure, to which ours passes what it leaves alone.
WNDPROC systemTextBoxProcedure = nullptr;

// A text box is the system's own, answered by the system when a screen reader asks, but its
// window names it first. Disabled, it is painted as the system paints one, on the ground its
// parent gives it, but with its muted text made readable there: the system writes it in the grey
// text colour on whatever ground, and lets no one choose another.
LRESULT CALLBACK textBoxProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT)
        SendMessageW(GetParent(hwnd), textBoxAskedMessage, 0, 0);
    if (message != WM_PAINT || IsWindowEnabled(hwnd))
        return CallWindowProcW(systemTextBoxProcedure, hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT area;
    GetClientRect(hwnd, &area);
    FillRect(dc, &area, askColours(hwnd, dc));
    SetTextColor(dc,
                 colorRef(readableInk(rgbOf(GetSysColor(COLOR_GRAYTEXT)), rgbOf(GetBkColor(dc)))));
    RECT format{};
    SendMessageW(hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const HGDIOBJ previousFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const std::wstring text = windowText(hwnd);
    ExtTextOutW(dc, format.left, format.top, ETO_CLIPPED, &format, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SelectObject(dc, previousFont);
    EndPaint(hwnd, &paint);
    return 0;
}

struct Kind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extendedStyle;
};

Kind kindOf(const ControlRow& row)
{
    if (row.kind == ControlKind::TextBox)
        return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    if (row.kind == ControlKind::Button)
        return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
    throw std::logic_error("labels, images and lines have no window");
}

void drawLine(HDC dc, const Control& control, Rgb ink)
{
    const RECT area = rectOf(control.place);
    HBRUSH brush = CreateSolidBrush(colorRef(ink));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void drawImage(HDC dc, const Control& control, const BoardLooks& looks)
{
    if (!control.picture)
        return;
    // Only the board's cells are ever drawn, stretched over their place; the holder stays hidden.
    control.picture->draw(dc, rectOf(control.place), looks.ground);
}

void drawLabel(HDC dc, const Control& control, const BoardLooks& looks)
{
    RECT area = rectOf(control.place);
    if (!(control.row->looks & Transparent))
        FillRect(dc, &area, looks.groundBrush);
    if (!*control.row->text)
        return;
    const HGDIOBJ previousFont = SelectObject(dc, looks.fontOf(*control.row));
    SetTextColor(dc, colorRef(looks.ink));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = wide(control.row->text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              ((control.row->looks & Centred) ? DT_CENTER : DT_LEFT) | DT_WORDBREAK |
                  DT_EXPANDTABS);
    SelectObject(dc, previousFont);
}

} // namespace

bool hasWindow(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::Button;
}

void createControl(HWND parent, Control& control, int id, HFONT font)
{
    const PixelRect& place = control.place;
    const Kind kind = kindOf(*control.row);
    control.hwnd = CreateWindowExW(
        kind.extendedStyle, kind.windowClass, wide(control.row->text).c_str(),
        WS_CHILD | WS_VISIBLE |
            // A control that never takes the focus is no tab stop.
            (control.enabled ? kind.style : (kind.style & ~DWORD(WS_TABSTOP)) | WS_DISABLED),
        place.left, place.top, place.width, place.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    if (!control.hwnd)
        throw std::runtime_error(std::string("cannot create the control ") + control.row->name);
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Subclassed through user32 alone: the common controls' own helper would load their DLL at
    // start.
    if (control.row->kind == ControlKind::TextBox)
        systemTextBoxProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            control.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(textBoxProcedure)));
}

void drawControl(HDC dc, const Control& control, const BoardLooks& looks)
{
    if (control.row->kind == ControlKind::Line)
        drawLine(dc, control, looks.ink);
    else if (control.row->kind == ControlKind::Image)
        drawImage(dc, control, looks);
    else
        drawLabel(dc, control, looks);
}

} // namespace zorbelkin
