// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

// The Windows headers, lean, without the min and max macros, and Unicode throughout.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <string>
#include <string_view>

namespace zorbelkin {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

} // namespace zorbelkin
