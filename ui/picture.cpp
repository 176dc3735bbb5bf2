#include "picture.h"

#include <QImageReader>
#include <QtDebug>

#include <stdexcept>

namespace zorbelkin {
namespace {

PictureHandle nextHandle()
{
    static PictureHandle last = 0;
    return ++last;
}

QString fourTimesPath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@4x") + path.mid(dot);
}

// The size in pixels from the file's header, without decoding it.
QSize pixelSize(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid())
        throw std::runtime_error(QStringLiteral("cannot read picture %1: %2")
                                     .arg(path, reader.errorString())
                                     .toStdString());
    return size;
}

QPixmap decode(const QString& path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    // The header was sound when the picture was loaded; a body that is not leaves the cell empty.
    if (image.isNull())
        qCritical("cannot decode picture %s: %s", qPrintable(path),
                  qPrintable(reader.errorString()));
    // QImageReader takes the device pixel ratio from an "@4x" name.
    return QPixmap::fromImage(image);
}

} // namespace

std::shared_ptr<const Picture> Picture::load(const QString& path)
{
    const QString large = fourTimesPath(path);
    std::vector<Rendition> renditions{{path, pixelSize(path), {}}, {large, pixelSize(large), {}}};
    if (renditions[1].pixels != renditions[0].pixels * 4)
        throw std::runtime_error(
            QStringLiteral("%1 is not four times %2").arg(large, path).toStdString());
    const QSize size = renditions[0].pixels;
    return std::shared_ptr<const Picture>(new Picture(nextHandle(), size, std::move(renditions)));
}

Picture::Picture(PictureHandle handle, QSize size, std::vector<Rendition> renditions)
    : handle_(handle), size_(size), renditions_(std::move(renditions))
{}

const QPixmap& Picture::renditionFor(QSize devicePixels) const
{
    auto chosen = renditions_.end() - 1;
    for (auto it = renditions_.begin(); it != renditions_.end(); ++it) {
        if (it->pixels.width() >= devicePixels.width() &&
            it->pixels.height() >= devicePixels.height()) {
            chosen = it;
            break;
        }
    }
    if (chosen->pixmap.isNull())
        chosen->pixmap = decode(chosen->path);
    return chosen->pixmap;
}

} // namespace zorbelkin
