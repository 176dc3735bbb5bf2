// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "markpicture.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zorbelkin {
namespace {

std::uint32_t bigEndian(std::string_view bytes)
{
    std::uint32_t value = 0;
    for (const char byte : bytes)
        value = value << 8 | static_cast<unsigned char>(byte);
    return value;
}

PixelSize pngPixelSize(std::string_view start, std::string_view what)
{
    // The signature, then the length and type of the header chunk that must come first.
    static constexpr std::string_view signature("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    constexpr std::uint32_t largest = 4096;
    const std::uint32_t width = start.size() >= 24 ? bigEndian(start.substr(16, 4)) : 0;
    const std::uint32_t height = start.size() >= 24 ? bigEndian(start.substr(20, 4)) : 0;
    if (!start.starts_with(signature) || width == 0 || height == 0 || width > largest ||
        height > largest)
        throw std::runtime_error("cannot read picture " + std::string(what) +
                                 ": not a PNG file of a sensible size");
    return {static_cast<int>(width), static_cast<int>(height)};
}

} // namespace

MarkPicture readMarkPicture(std::string_view smallStart, std::string_view smallName,
                            std::string_view largeStart, std::string_view largeName)
{
    static PictureHandle lastHandle = 0;
    const PixelSize small = pngPixelSize(smallStart, smallName);
    if (pngPixelSize(largeStart, largeName) != PixelSize{small.width * 4, small.height * 4})
        throw std::runtime_error(std::string(largeName) + " is not four times " +
                                 std::string(smallName));
    return {++lastHandle, small};
}

} // namespace zorbelkin
