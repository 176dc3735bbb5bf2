// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "colours.h"
#include "twips.h"

#include <emscripten/val.h>

#include <string>

// The few things the browser program asks of the page, over embind.
namespace zorbelkin::web {

using emscripten::val;

// A new element of tag, the last child of parent.
val appendElement(val parent, const std::string& tag);

// Places element at rect, in CSS pixels of the unscaled board, in place of any style it had.
void place(val element, PixelRect rect);

void setStyle(val element, const std::string& property, const std::string& value);

// Every event of type at target goes to the program's one event handler, handleEvent.
void listen(val target, const std::string& type);

// "12.5px"
std::string cssPixels(double pixels);

// "rgb(12, 34, 56)", as CSS writes a colour and reads it back.
std::string cssColour(Rgb colour);

// The colour that the CSS colour value (a name such as "CanvasText", or any other) comes to at
// probe's place in the page. A colour the page cannot read as rgb() or rgba() is black.
Rgb resolvedColour(val probe, const std::string& value);

} // namespace zorbelkin::web
