#include "picture.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QtDebug>

#include <array>
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

quint32 bigEndian(const QByteArray& bytes, qsizetype at)
{
    quint32 value = 0;
    for (qsizetype i = at; i < at + 4; ++i)
        value = value << 8 | static_cast<quint8>(bytes.at(i));
    return value;
}

// The size in pixels from a PNG file's header. Reading it by hand spares the image reader's search
// for format plugins at start.
QSize pixelSize(const QString& path)
{
    static constexpr std::array<char, 16> start{'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n',
                                                0,      0,   0,   13,  'I',  'H',  'D',    'R'};
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(24) : QByteArray();
    const quint32 width = header.size() == 24 ? bigEndian(header, 16) : 0;
    const quint32 height = header.size() == 24 ? bigEndian(header, 20) : 0;
    if (!header.startsWith(QByteArray(start.data(), start.size())) || width == 0 || height == 0 ||
        width > 4096 || height > 4096)
        throw std::runtime_error("cannot read picture " + path.toStdString() +
                                 ": not a PNG file of a sensible size");
    return {static_cast<int>(width), static_cast<int>(height)};
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

QIcon iconOf(std::shared_ptr<const Picture> picture)
{
    // The icon owns its engine.
    return QIcon(new PictureIconEngine(std::move(picture)));
}

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
