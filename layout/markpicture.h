// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"

#include <memory>
#include <string_view>

namespace zorbelkin {

struct PixelSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// A mark picture as every program knows it before they decode a pixel of it.
struct MarkPicture {
    PictureHandle handle; // non-zero, and no other picture's
    PixelSize size;       // at 96 dots per inch
};

// Reads a mark picture from the first 24 bytes of each of its renditions' PNG files: the picture
// and the rendition four times its size for dense screens. Throws std::runtime_error, naming the
// file, when a rendition is not a PNG file of a sensible size or the large one is not four times
// the small one.
MarkPicture readMarkPicture(std::string_view smallStart, std::string_view smallName,
                            std::string_view largeStart, std::string_view largeName);

// The handle of the picture an image control holds; no picture is the blank one, handle 0.
template<typename Picture> PictureHandle handleOf(const std::shared_ptr<const Picture>& picture)
{
    return picture ? picture->handle() : 0;
}

} // namespace zorbelkin
