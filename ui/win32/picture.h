// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "markpicture.h"
#include "winapi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zorbelkin {

// A mark picture, loaded from the program's resources, with its handle. Pictures are shared,
// never copied: an image control that shows a picture holds the very object.
class Picture {
public:
    // The picture named name ("x" for the resources MARK_X and MARK_X_4X, its four-times
    // rendition). Each call yields a new picture with a fresh non-zero handle. Only the PNG
    // headers are read here; pixels are decoded the first time the picture is drawn. Throws
    // std::runtime_error when a rendition is missing or not a PNG file.
    static std::shared_ptr<const Picture> load(const std::string& name);

    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    PictureHandle handle() const { return handle_; }
    // Draws the picture stretched over target, smoothly scaled from the four-times rendition,
    // with its white margin in the colour ground.
    void draw(HDC dc, const RECT& target, Rgb ground) const;

private:
    Picture(MarkPicture read, std::string largeResource);
    void scaleTo(int width, int height, Rgb ground) const;

    PictureHandle handle_;
    PixelSize size_; // at 96 dots per inch
    std::string largeResource_;
    mutable std::vector<std::uint32_t> large_; // BGRA, decoded on first use
    mutable HBITMAP scaled_ = nullptr;         // the last size and ground drawn
    mutable PixelSize scaledSize_;
    mutable COLORREF scaledGround_ = 0;
};

} // namespace zorbelkin
