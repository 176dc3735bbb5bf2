// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "windowlayout.h"

#include <array>

namespace zorbelkin {

std::string fatalErrorMessage(const std::string& what)
{
    return std::string(applicationTitle) +
           " has met an error it cannot recover from and will close.\n\n" + what;
}

TwipRect cellRect(CellIndex i)
{
    static constexpr std::array columnLefts{480, 2640, 4800};
    static constexpr std::array rowTops{360, 2400, 4440};
    return {columnLefts.at(i % 3), rowTops.at(i / 3), 1695, 1575};
}

const WindowDescription& mainWindowDescription()
{
    static constexpr WindowDescription main{"ZORBELKIN", "ZOR BEL KIN", 7050, 6885, mainWindowRows};
    return main;
}

const WindowDescription& form2Description()
{
    static constexpr WindowDescription form2{"form2", "Form2", 5355, 4635, form2Rows};
    return form2;
}

} // namespace zorbelkin
