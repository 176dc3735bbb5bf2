// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

namespace zorbelkin::testing {

// A score box's text before a point is added, and after.
struct ScoreCase {
    std::string before;
    std::string after;
};

// Plain standard C++, so that the Windows build runs the same table.
inline std::vector<ScoreCase> scoreCases()
{
    return {{"0", "1"},
            {"2.5", "3.5"},
            {"0.1", "1.1"},
            {"-1", "0"},
            {"  4 ", "5"},
            {"2e3", "2001"},
            {"999999", "1000000"},
            {"99999999999998", "99999999999999"},
            {"999999999999999", "1e+15"},
            // Not a finite number: counts as 0.
            {"", "1"},
            {"   ", "1"},
            {"abc", "1"},
            {"1,5", "1"},
            {"inf", "1"},
            {"nan", "1"},
            {"1e400", "1"},
            {std::string(30000, '9'), "1"}};
}

} // namespace zorbelkin::testing
