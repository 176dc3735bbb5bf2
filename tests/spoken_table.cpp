// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Prints toldOnFreshBoard(), a line each, for the AT-SPI client to hold the Qt program against.
#include "spokentable.h"

#include <cstdio>

int main()
{
    for (const std::string& line : zorbelkin::toldOnFreshBoard())
        std::printf("%s\n", line.c_str());
}
