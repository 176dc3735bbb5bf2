// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "colours.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zorbelkin {
namespace {

double luminance(Rgb c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

// step of 255 parts of the way from a to b.
Rgb mix(Rgb a, Rgb b, int step)
{
    const auto channel = [step](int from, int to) {
        return from + static_cast<int>(std::lround((to - from) * step / 255.0));
    };
    return {channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

constexpr std::uint32_t opaque(Rgb c)
{
    return 0xff000000U | std::uint32_t(c.red) << 16 | std::uint32_t(c.green) << 8 |
           std::uint32_t(c.blue);
}

} // namespace

BoardColours boardColours(Rgb titleBarText, Rgb windowText)
{
    constexpr int enoughContrast = 128;
    const Rgb ground = lightness(titleBarText) >= enoughContrast ? titleBarText : white;
    const bool readable = std::abs(lightness(windowText) - lightness(ground)) >= enoughContrast;
    return {ground, readable ? windowText : black};
}

double contrast(Rgb a, Rgb b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Rgb readableInk(Rgb ink, Rgb ground)
{
    const Rgb extreme = contrast(black, ground) >= contrast(white, ground) ? black : white;
    for (int step = 0; step < 255; ++step) {
        const Rgb candidate = mix(ink, extreme, step);
        if (contrast(candidate, ground) >= readableContrast)
            return candidate;
    }
    // A mid grey ground sets off neither black nor white that well; the extreme is the best there
    // is, and at least 4.58 : 1, the square root of 21.
    return extreme;
}

void layOnGround(std::span<std::uint32_t> pixels, int width, int height, Rgb ground)
{
    constexpr std::uint32_t paper = opaque(white);
    const std::uint32_t fill = opaque(ground);
    if (fill == paper)
        return;
    std::vector<std::size_t> pending;
    const auto reach = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        const std::size_t at = std::size_t(y) * width + x;
        if (pixels[at] == paper) {
            pixels[at] = fill;
            pending.push_back(at);
        }
    };
    for (int x = 0; x < width; ++x) {
        reach(x, 0);
        reach(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        reach(0, y);
        reach(width - 1, y);
    }
    while (!pending.empty()) {
        const std::size_t at = pending.back();
        pending.pop_back();
        const int x = int(at % width);
        const int y = int(at / width);
        reach(x - 1, y);
        reach(x + 1, y);
        reach(x, y - 1);
        reach(x, y + 1);
    }
}

std::vector<std::uint32_t> areaScaled(std::span<const std::uint32_t> pixels, int width, int height,
                                      int toWidth, int toHeight)
{
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(toWidth) * toHeight);
    const double stepX = double(width) / toWidth;
    const double stepY = double(height) / toHeight;
    for (int y = 0; y < toHeight; ++y) {
        const double top = y * stepY;
        const double bottom = top + stepY;
        for (int x = 0; x < toWidth; ++x) {
            const double left = x * stepX;
            const double right = left + stepX;
            double sums[4]{};
            double total = 0;
            for (int sy = int(top); sy < std::min(height, int(bottom + 0.999999)); ++sy) {
                const double coverY = std::min(bottom, sy + 1.0) - std::max(top, double(sy));
                for (int sx = int(left); sx < std::min(width, int(right + 0.999999)); ++sx) {
                    const double cover =
                        coverY * (std::min(right, sx + 1.0) - std::max(left, double(sx)));
                    const std::uint32_t pixel = pixels[std::size_t(sy) * width + sx];
                    for (int channel = 0; channel < 4; ++channel)
                        sums[channel] += cover * ((pixel >> (8 * channel)) & 0xff);
                    total += cover;
                }
            }
            std::uint32_t mean = 0;
            for (int channel = 0; channel < 4; ++channel)
                mean |= std::uint32_t(sums[channel] / total + 0.5) << (8 * channel);
            scaled[std::size_t(y) * toWidth + x] = mean;
        }
    }
    return scaled;
}

} // namespace zorbelkin
