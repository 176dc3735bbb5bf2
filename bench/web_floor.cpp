// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// The floor of any page of ours that a wasm program builds: linked as the game is, it only puts
// one word on the page (bench/web_first_board.py times it).

#include <emscripten/val.h>

#include <string>

int main()
{
    emscripten::val::global("document")["body"].call<void>("append", std::string("ZORBELKIN"));
}
