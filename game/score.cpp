// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "score.h"

#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>
#include <string>

namespace zorbelkin {
namespace {

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::size_t digitsAt(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    return end - at;
}

// A sign, digits with at most one decimal point among or around them, and an exponent: "-2.5e3",
// "+.5", "7.". Anything else, "inf" and "0x10" among them, is not a score.
bool isDecimalNumber(std::string_view text)
{
    std::size_t at = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    std::size_t digits = digitsAt(text, at);
    at += digits;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = digitsAt(text, at + 1);
        at += 1 + fraction;
        digits += fraction;
    }
    if (digits == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        at += at + 1 < text.size() && (text[at + 1] == '+' || text[at + 1] == '-') ? 2 : 1;
        const std::size_t exponent = digitsAt(text, at);
        if (exponent == 0)
            return false;
        at += exponent;
    }
    return at == text.size();
}

// As "%.*g" writes it with precision significant digits, with a decimal point whatever locale the
// program runs in.
std::string inClassicLocale(double value, int precision)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream.precision(precision);
    stream << value;
    return stream.str();
}

} // namespace

double scoreFromText(std::string_view text)
{
    const std::string_view number = trimmed(text);
    if (!isDecimalNumber(number))
        return 0.0;
    std::istringstream stream{std::string(number)};
    stream.imbue(std::locale::classic());
    double value = 0.0;
    stream >> value;
    return stream && std::isfinite(value) ? value : 0.0;
}

std::string scoreToText(double score)
{
    if (std::abs(score) < 1e15 && score == std::trunc(score))
        return std::to_string(static_cast<std::int64_t>(score));
    // 17 significant digits read back as the same double, always; fewer often do.
    std::string text;
    for (int precision = 1; precision <= 17; ++precision) {
        text = inClassicLocale(score, precision);
        if (scoreFromText(text) == score)
            break;
    }
    return text;
}

} // namespace zorbelkin
