// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QImage>

#include <array>
#include <vector>

namespace zorbelkin::artwork {

enum class Letter { X, O };

// The sizes of the application icon, the X mark, in pixels.
inline constexpr std::array iconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The picture of a mark, 64 x 64 logical pixels: a grey lace tile on white with a teal panel that
// carries a white serif letter. The result is opaque and pixels square (16 or more), with the
// device pixel ratio that makes it 64 logical pixels wide.
QImage drawMark(Letter letter, int pixels);

// A Windows icon file holding the given PNG files as they are, one picture each; every picture
// is square, 256 pixels or fewer.
QByteArray iconFile(const std::vector<QByteArray>& pngFiles);

} // namespace zorbelkin::artwork
