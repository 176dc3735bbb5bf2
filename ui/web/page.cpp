// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "page.h"

#include <cstdio>

namespace zorbelkin::web {

void setStyle(val element, const std::string& property, const std::string& value)
{
    element["style"].call<void>("setProperty", property, value);
}

void listen(val target, const std::string& type)
{
    target.call<void>("addEventListener", type, val::module_property("handleEvent"));
}

val colourProbe(val parent, const std::string& colour)
{
    val probe = val::global("document").call<val>("createElement", std::string("span"));
    parent.call<void>("append", probe);
    probe.set("hidden", true);
    setStyle(probe, "color", colour);
    return probe;
}

Rgb colourOf(const val& probe)
{
    const std::string computed = val::global("getComputedStyle")(probe)["color"].as<std::string>();
    const std::size_t open = computed.find('(');
    Rgb colour;
    if (open == std::string::npos || std::sscanf(computed.c_str() + open, "(%d, %d, %d",
                                                 &colour.red, &colour.green, &colour.blue) != 3)
        return black;
    return colour;
}

} // namespace zorbelkin::web
