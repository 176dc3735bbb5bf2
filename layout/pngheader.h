// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

namespace zorbelkin {

struct PixelSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The size of a PNG picture from the first 24 bytes of its file, without decoding it. Throws
// std::runtime_error, naming what, when they are not the start of a PNG file of a sensible size.
PixelSize pngPixelSize(std::string_view start, std::string_view what);

// A mark picture comes with a rendition four times its size for dense screens. Throws
// std::runtime_error, naming both, when large is not four times small.
void checkFourTimes(PixelSize small, std::string_view smallName, PixelSize large,
                    std::string_view largeName);

} // namespace zorbelkin
