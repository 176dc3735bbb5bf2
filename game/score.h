#pragma once

#include <QString>

namespace zorbelkin {

// The one pair of conversions for the scores, independent of the locale.

// The number a score box holds. Blanks around it are allowed; a text that is not a finite number
// (empty, letters, "1,5", "inf", "nan", out of range) counts as 0.
double scoreFromText(const QString& text);

// Whole numbers below 10^15 in plain digits, with a minus sign only when negative; any other
// value in the shortest text that reads back as the same number.
QString scoreToText(double score);

} // namespace zorbelkin
