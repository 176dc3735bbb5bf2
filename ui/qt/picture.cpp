// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "picture.h"

#include "looks.h"
#include "markpicture.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QtDebug>

#include <algorithm>

namespace zorbelkin {
namespace {

QString fourTimesPath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@4x") + path.mid(dot);
}

QByteArray fileStart(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(24) : QByteArray();
}

class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(std::shared_ptr<const Picture> picture)
        : picture_(std::move(picture))
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(
            rect, picture_->renditionFor(rect.size() * painter->device()->devicePixelRatio()));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return picture_->renditionFor(size).scaled(size, Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {picture_->size()}; }

    QIconEngine* clone() const override { return new PictureIconEngine(picture_); }

private:
    std::shared_ptr<const Picture> picture_;
};

QImage decode(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    // The header was sound when the picture was loaded; a body that is not leaves the cell empty.
    if (image.isNull())
        qCritical("cannot decode picture %s: %s", qPrintable(path),
                  qPrintable(reader.errorString()));
    // QImageReader takes the device pixel ratio from an "@4x" name; the conversion keeps it.
    return image.convertToFormat(QImage::Format_RGB32);
}

QPixmap onGround(QImage image, QColor ground)
{
    if (!image.isNull()) {
        // 32-bit rows need no padding: the pixels run on from row to row.
        const std::span pixels(reinterpret_cast<std::uint32_t*>(image.bits()),
                               static_cast<std::size_t>(image.width()) * image.height());
        layOnGround(pixels, image.width(), image.height(), rgb(ground));
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace

std::shared_ptr<const Picture> Picture::load(const QString& path)
{
    const QString large = fourTimesPath(path);
    const QByteArray smallStart = fileStart(path);
    const QByteArray largeStart = fileStart(large);
    const MarkPicture read = readMarkPicture(
        std::string_view(smallStart.constData(), smallStart.size()), path.toStdString(),
        std::string_view(largeStart.constData(), largeStart.size()), large.toStdString());
    const QSize size(read.size.width, read.size.height);
    std::vector<Rendition> renditions{{path, size, {}, {}, {}}, {large, size * 4, {}, {}, {}}};
    return std::shared_ptr<const Picture>(new Picture(read.handle, size, std::move(renditions)));
}

Picture::Picture(PictureHandle handle, QSize size, std::vector<Rendition> renditions)
    : handle_(handle), size_(size), renditions_(std::move(renditions))
{}

QIcon iconOf(std::shared_ptr<const Picture> picture)
{
    // The icon owns its engine.
    return QIcon(new PictureIconEngine(std::move(picture)));
}

const QPixmap& Picture::renditionFor(QSize devicePixels, QColor ground) const
{
    auto chosen = std::ranges::find_if(renditions_, [devicePixels](const Rendition& rendition) {
        return rendition.pixels.width() >= devicePixels.width() &&
               rendition.pixels.height() >= devicePixels.height();
    });
    if (chosen == renditions_.end())
        --chosen;
    if (chosen->image.isNull())
        chosen->image = decode(chosen->path);
    if (chosen->pixmap.isNull() || chosen->pixmapGround != ground) {
        chosen->pixmap = onGround(chosen->image, ground);
        chosen->pixmapGround = ground;
    }
    return chosen->pixmap;
}

} // namespace zorbelkin
