// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

// The Windows headers, lean and without the min and max macros. The build defines UNICODE.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "colours.h"
#include "twips.h"

#include <string>
#include <string_view>

namespace zorbelkin {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);
// The text of a window or control.
std::wstring windowText(HWND hwnd);

inline RECT rectOf(const PixelRect& r)
{
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}
inline COLORREF colorRef(Rgb c)
{
    return RGB(c.red, c.green, c.blue);
}
inline Rgb rgbOf(COLORREF c)
{
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

} // namespace zorbelkin
