// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "picture.h"

#include "com.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace zorbelkin {
namespace {

using Microsoft::WRL::ComPtr;

// The bytes of an RCDATA resource of this program, which live as long as it runs.
std::string_view resourceBytes(const std::string& name)
{
    HRSRC found = FindResourceW(nullptr, wide(name).c_str(), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        throw std::runtime_error("the program has no picture " + name);
    return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

void check(HRESULT result, const char* step)
{
    if (FAILED(result))
        throw std::runtime_error(std::string("cannot decode a mark picture: ") + step);
}

std::vector<std::uint32_t> decode(std::string_view png, PixelSize size)
{
    if (!startCom())
        throw std::runtime_error("cannot decode a mark picture: COM does not start");
    ComPtr<IWICImagingFactory> factory;
    check(createComObject(CLSID_WICImagingFactory, IID_PPV_ARGS(&factory)), "no imaging component");
    ComPtr<IWICStream> stream;
    check(factory->CreateStream(&stream), "stream");
    check(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(png.data())),
                                       static_cast<DWORD>(png.size())),
          "stream");
    ComPtr<IWICBitmapDecoder> decoder;
    check(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                           &decoder),
          "decoder");
    ComPtr<IWICBitmapFrameDecode> frame;
    check(decoder->GetFrame(0, &frame), "frame");
    ComPtr<IWICFormatConverter> converter;
    check(factory->CreateFormatConverter(&converter), "converter");
    check(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                nullptr, 0.0, WICBitmapPaletteTypeCustom),
          "conversion");
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.width) * size.height);
    check(converter->CopyPixels(nullptr, size.width * 4, static_cast<UINT>(pixels.size() * 4),
                                reinterpret_cast<BYTE*>(pixels.data())),
          "pixels");
    return pixels;
}

std::string resourceName(const std::string& name, const char* suffix)
{
    std::string upper = "MARK_" + name + suffix;
    std::ranges::transform(upper, upper.begin(), [](unsigned char c) { return std::toupper(c); });
    return upper;
}

} // namespace

std::shared_ptr<const Picture> Picture::load(const std::string& name)
{
    const std::string small = resourceName(name, "");
    const std::string large = resourceName(name, "_4X");
    const MarkPicture read = readMarkPicture(resourceBytes(small).substr(0, 24), small,
                                             resourceBytes(large).substr(0, 24), large);
    return std::shared_ptr<const Picture>(new Picture(read, large));
}

Picture::Picture(MarkPicture read, std::string largeResource)
    : handle_(read.handle), size_(read.size), largeResource_(std::move(largeResource))
{}

Picture::~Picture()
{
    if (scaled_)
        DeleteObject(scaled_);
}

void Picture::scaleTo(int width, int height, Rgb ground) const
{
    const PixelSize largeSize{size_.width * 4, size_.height * 4};
    if (large_.empty())
        large_ = decode(resourceBytes(largeResource_), largeSize);
    // Laid onto the ground before scaling, so that the tile's edge blends into the ground.
    std::vector<std::uint32_t> onGround = large_;
    layOnGround(onGround, largeSize.width, largeSize.height, ground);
    const std::vector<std::uint32_t> pixels =
        areaScaled(onGround, largeSize.width, largeSize.height, width, height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        throw std::runtime_error("cannot make a bitmap for a mark picture");
    std::ranges::copy(pixels, static_cast<std::uint32_t*>(bits));
    if (scaled_)
        DeleteObject(scaled_);
    scaled_ = bitmap;
    scaledSize_ = {width, height};
    scaledGround_ = colorRef(ground);
}

void Picture::draw(HDC dc, const RECT& target, Rgb ground) const
{
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    if (width <= 0 || height <= 0)
        return;
    if (!scaled_ || scaledSize_ != PixelSize{width, height} || scaledGround_ != colorRef(ground))
        scaleTo(width, height, ground);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, scaled_);
    BitBlt(dc, target.left, target.top, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace zorbelkin
