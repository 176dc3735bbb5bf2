// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "winapi.h"

#include <oleacc.h>

#include <string_view>

namespace zorbelkin {

// COM, automation and accessibility on the program's one thread. Only the pictures' decoder and
// screen readers need them, so their DLLs load from the system folder, and COM starts, the first
// time startCom() is called; it is true once both happened. The one ComOnDemand that main holds
// ends COM, if it started, once the windows are gone.
bool startCom();
struct ComOnDemand {
    ComOnDemand() = default;
    ComOnDemand(const ComOnDemand&) = delete;
    ComOnDemand& operator=(const ComOnDemand&) = delete;
    ~ComOnDemand();
};

// The system's calls of the same names, for a program that has called startCom() and got true.
// Before that they fail as the system reports a missing service: E_FAIL, 0 or nullptr.
HRESULT createComObject(REFCLSID type, REFIID iid, void** object);
LRESULT lresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object);
HRESULT createStdAccessibleObject(HWND hwnd, LONG id, REFIID iid, void** object);
// A string that the client frees with SysFreeString.
BSTR allocBstr(std::wstring_view text);
// Empty, as the system's VariantInit makes it, which needs no DLL.
inline VARIANT emptyVariant()
{
    VARIANT v{};
    v.vt = VT_EMPTY;
    return v;
}

} // namespace zorbelkin
