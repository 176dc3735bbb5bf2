// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "score.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

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

} // namespace

double scoreFromText(std::string_view text)
{
    std::string_view number = trimmed(text);
    // from_chars takes no plus sign; a number may still carry one.
    if (number.size() > 1 && number.front() == '+' && number[1] != '-' && number[1] != '+')
        number.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    const bool whole = error == std::errc() && end == number.data() + number.size();
    return whole && !number.empty() && std::isfinite(value) ? value : 0.0;
}

std::string scoreToText(double score)
{
    // Room for the longest shortest form of a double, "-1.2345678901234567e-308".
    std::array<char, 32> buffer{};
    const bool integral = std::abs(score) < 1e15 && score == std::trunc(score);
    const auto result = integral ? std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                 static_cast<std::int64_t>(score))
                                 : std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                 score, std::chars_format::general);
    return {buffer.data(), result.ptr};
}

} // namespace zorbelkin
