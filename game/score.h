// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace zorbelkin {

// The one pair of conversions for the scores, independent of the locale. They use the C library's
// conversions and its locale, so call them from one thread at a time.

// The number a score box holds. Blanks around it are allowed; a text that is not a finite number
// (empty, letters, "1,5", "inf", "nan", out of range) counts as 0.
double scoreFromText(std::string_view text);

// Whole numbers below 10^15 in plain digits, with a minus sign only when negative; any other
// value in the shortest text that reads back as the same number, as "%g" would write it.
std::string scoreToText(double score);

} // namespace zorbelkin
