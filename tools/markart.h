#pragma once

#include <QImage>

namespace zorbelkin::artwork {

enum class Letter { X, O };

// The picture of a mark, 64 x 64 logical pixels: a grey lace tile on white with a teal panel that
// carries a white serif letter. scale is the number of image pixels per logical pixel, 1 or more;
// the result is opaque, scale * 64 pixels square, with a device pixel ratio of scale.
QImage drawMark(Letter letter, int scale);

} // namespace zorbelkin::artwork
