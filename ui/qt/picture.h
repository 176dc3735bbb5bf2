// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "markpicture.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <memory>
#include <vector>

namespace zorbelkin {

// A loaded picture with its handle. Pictures are shared, never copied: an image control that
// shows a picture holds the very object, so its handle tells which picture it is.
class Picture {
public:
    // Loads the PNG picture at path together with its four-times rendition ("x.png" and
    // "x@4x.png"). Each call yields a new picture with a fresh non-zero handle. Throws
    // std::runtime_error when a rendition is not a PNG file. Only the headers are read here; a
    // rendition's pixels are decoded the first time it is drawn, so a window that shows no mark
    // yet decodes nothing.
    static std::shared_ptr<const Picture> load(const QString& path);

    PictureHandle handle() const { return handle_; }
    // In logical pixels, the same for every rendition.
    QSize size() const { return size_; }
    // The smallest rendition that covers devicePixels, or the largest there is, laid onto ground:
    // its white margin takes that colour. The last ground asked for is kept ready.
    const QPixmap& renditionFor(QSize devicePixels, QColor ground = Qt::white) const;

private:
    struct Rendition {
        QString path;
        QSize pixels;
        mutable QImage image; // as drawn, decoded on first use
        mutable QPixmap pixmap;
        mutable QColor pixmapGround;
    };

    Picture(PictureHandle handle, QSize size, std::vector<Rendition> renditions);

    PictureHandle handle_;
    QSize size_;
    std::vector<Rendition> renditions_; // coarsest first
};

// An icon of the picture at its own size. Nothing is decoded until a size is asked for, which the
// window system may never do.
QIcon iconOf(std::shared_ptr<const Picture> picture);

} // namespace zorbelkin
