#include "picture.h"

#include <QImageReader>

#include <stdexcept>

namespace zorbelkin {
namespace {

PictureHandle nextHandle()
{
    static PictureHandle last = 0;
    return ++last;
}

QPixmap readRendition(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error(QStringLiteral("cannot read picture %1: %2")
                                     .arg(path, reader.errorString())
                                     .toStdString());
    // QImageReader takes the device pixel ratio from an "@4x" name.
    return QPixmap::fromImage(image);
}

QString fourTimesPath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@4x") + path.mid(dot);
}

} // namespace

std::shared_ptr<const Picture> Picture::load(const QString& path)
{
    std::vector<QPixmap> renditions{readRendition(path), readRendition(fourTimesPath(path))};
    if (renditions[0].deviceIndependentSize() != renditions[1].deviceIndependentSize())
        throw std::runtime_error(
            QStringLiteral("the renditions of %1 differ in size").arg(path).toStdString());
    return std::shared_ptr<const Picture>(new Picture(nextHandle(), std::move(renditions)));
}

Picture::Picture(PictureHandle handle, std::vector<QPixmap> renditions)
    : handle_(handle), renditions_(std::move(renditions))
{}

QSize Picture::size() const
{
    return renditions_.front().deviceIndependentSize().toSize();
}

const QPixmap& Picture::renditionFor(QSize devicePixels) const
{
    for (const QPixmap& rendition : renditions_) {
        if (rendition.width() >= devicePixels.width() &&
            rendition.height() >= devicePixels.height())
            return rendition;
    }
    return renditions_.back();
}

} // namespace zorbelkin
