// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// The score table of the rules' tests, on the standard library alone, so that it runs in the
// Windows build too (under Wine, in the Windows program's test). Exit status 1 on a mismatch.
#include "score.h"
#include "scorecases.h"

#include <cstdio>
#include <cstdlib>

int main()
{
    int wrong = 0;
    const auto cases = zorbelkin::testing::scoreCases();
    for (const auto& [before, after] : cases) {
        const std::string got = zorbelkin::scoreToText(zorbelkin::scoreFromText(before) + 1.0);
        if (got != after) {
            std::printf("\"%.16s\" + 1 gave \"%s\", not \"%s\"\n", before.c_str(), got.c_str(),
                        after.c_str());
            ++wrong;
        }
    }
    std::printf("%zu score cases, %d wrong\n", cases.size(), wrong);
    return wrong == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
