// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "score.h"

#include <array>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// The C library reads and writes numbers with the decimal point of the program's locale, which a
// desktop program takes from its user's; a score's is always '.'.
std::string_view localDecimalPoint()
{
    return std::localeconv()->decimal_point;
}

std::string withDecimalPoint(std::string_view number, std::string_view from, std::string_view to)
{
    std::string text(number);
    if (const std::size_t at = text.find(from); at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

double scoreFromText(std::string_view text)
{
    const std::string_view number = trimmed(text);
    if (!isDecimalNumber(number))
        return 0.0;
    const std::string local = withDecimalPoint(number, ".", localDecimalPoint());
    char* end = nullptr;
    const double value = std::strtod(local.c_str(), &end);
    return end == local.c_str() + local.size() && std::isfinite(value) ? value : 0.0;
}

std::string scoreToText(double score)
{
    if (std::abs(score) < 1e15 && score == std::trunc(score))
        return std::to_string(static_cast<std::int64_t>(score));
    // 17 significant digits read back as the same double, always; fewer often do.
    std::string text;
    for (int precision = 1; precision <= 17; ++precision) {
        std::array<char, 32> written{};
        std::snprintf(written.data(), written.size(), "%.*g", precision, score);
        text = withDecimalPoint(written.data(), localDecimalPoint(), ".");
        if (scoreFromText(text) == score)
            break;
    }
    return text;
}

} // namespace zorbelkin
