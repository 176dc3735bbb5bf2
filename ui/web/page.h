// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "colours.h"

#include <emscripten/val.h>

#include <string>

// The few things the browser program asks of the page, over embind.
namespace zorbelkin::web {

using emscripten::val;

void setStyle(val element, const std::string& property, const std::string& value);

// Every event of type at target goes to the program's one event handler, handleEvent.
void listen(val target, const std::string& type);

// A hidden element, the last child of parent, whose colour is the CSS colour value colour (a
// system colour such as "CanvasText"), as it comes out at that place in the page at any time.
val colourProbe(val parent, const std::string& colour);

// probe's colour now; black for a colour the page cannot give as rgb() or rgba().
Rgb colourOf(const val& probe);

} // namespace zorbelkin::web
