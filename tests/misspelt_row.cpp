// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Must not compile: the test that builds it expects the compiler to name the fault.
#include "windowlayout.h"

using namespace zorbelkin;

#ifdef ZORBELKIN_WRONG_KIND
constexpr auto chosen = rowNamed<ControlKind::Label>(mainWindowRows, "Txt1");
#else
constexpr auto chosen = rowNamed<ControlKind::TextBox>(mainWindowRows, "Txtl");
#endif

int main()
{
    return static_cast<int>(chosen.index);
}
