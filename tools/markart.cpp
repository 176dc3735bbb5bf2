// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "markart.h"

#include <QPainter>
#include <QPainterPath>

#include <QBuffer>
#include <QDataStream>
#include <QImageReader>

#include <cmath>
#include <numbers>

namespace zorbelkin::artwork {
namespace {

constexpr int logicalSize = 64;

const QColor teal(0, 132, 132);
const QColor paleTeal(110, 186, 186);
const QColor white(255, 255, 255);
const QColor ruleGrey(132, 132, 132);
const QColor frameGrey(168, 168, 168);
const QColor laceGrey(222, 222, 222);
const QColor eyeletGrey(239, 239, 239);

// The tile, in logical pixels: x 10 to 54, y 3 to 60.
const QRectF tile(10, 3, 45, 58);
// The rule inside the lace: x 15 to 48, y 10 to 53.
const QRectF rule(15, 10, 34, 44);

// Points every `step` along the outline of r, starting at its top left corner.
template<class Visit> void walkOutline(const QRectF& r, double step, Visit visit)
{
    const std::array corners{r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    for (std::size_t side = 0; side < corners.size(); ++side) {
        const QPointF from = corners[side];
        const QPointF to = corners[(side + 1) % corners.size()];
        const double length = QLineF(from, to).length();
        const int count = std::max(1, static_cast<int>(std::lround(length / step)));
        for (int i = 0; i < count; ++i)
            visit(from + (to - from) * (static_cast<double>(i) / count));
    }
}

void drawLace(QPainter& painter)
{
    // A scalloped edge: a row of half discs around a solid core.
    const QRectF core = tile.adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath lace;
    lace.addRect(core);
    walkOutline(core, 3.0, [&](QPointF centre) { lace.addEllipse(centre, 1.5, 1.5); });
    painter.fillPath(lace.simplified(), laceGrey);

    // A rib of eyelets halfway between the edge and the rule.
    const QRectF rib = tile.adjusted(2.5, 3.0, -2.5, -3.0);
    painter.setPen(QPen(frameGrey, 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rib);
    painter.setPen(QPen(ruleGrey, 0.5));
    painter.setBrush(eyeletGrey);
    walkOutline(rib, 3.0, [&](QPointF centre) { painter.drawEllipse(centre, 0.9, 0.9); });
}

void drawFrames(QPainter& painter)
{
    painter.fillRect(rule, ruleGrey);
    painter.fillRect(rule.adjusted(1, 1, -1, -1), white);

    painter.fillRect(QRectF(20, 12, 24, 1), frameGrey);
    painter.fillRect(QRectF(20, 51, 24, 1), frameGrey);
    painter.fillRect(QRectF(18, 15, 1, 34), frameGrey);
    painter.fillRect(QRectF(46, 15, 1, 34), frameGrey);
    for (const double x : {17.0, 45.0}) {
        for (const double y : {12.0, 50.0})
            painter.fillRect(QRectF(x, y, 2, 2), teal);
    }

    painter.fillRect(QRectF(20, 15, 24, 34), paleTeal);
    painter.fillRect(QRectF(21, 16, 22, 32), teal);
}

QPainterPath quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    path.lineTo(d);
    path.closeSubpath();
    return path;
}

// A roman X: the thick stroke falls from the top left, the thin one from the top right, and flat
// serifs cap the four ends.
QPainterPath letterX()
{
    QPainterPath x;
    x.addPath(quad({22.2, 16.5}, {25.8, 16.5}, {42.0, 46.5}, {38.4, 46.5}));
    x.addPath(quad({39.4, 16.5}, {41.0, 16.5}, {24.4, 46.5}, {22.8, 46.5}));
    x.addRect(QRectF(20.8, 15.6, 7.0, 1.6));
    x.addRect(QRectF(37.0, 15.6, 6.2, 1.6));
    x.addRect(QRectF(20.8, 45.8, 6.0, 1.6));
    x.addRect(QRectF(36.2, 45.8, 7.0, 1.6));
    x.setFillRule(Qt::WindingFill);
    return x.simplified();
}

// A roman O: an upright ring, thick at the sides and thin at the top and bottom.
QPainterPath letterO()
{
    QPainterPath o;
    o.addEllipse(QRectF(21.0, 16.0, 22.5, 31.5));
    o.addEllipse(QRectF(24.2, 17.6, 16.1, 28.3));
    o.setFillRule(Qt::OddEvenFill);
    return o;
}

} // namespace

QImage drawMark(Letter letter, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(static_cast<double>(pixels) / logicalSize);
    image.fill(white);
    // With the ratio set, the painter works in logical pixels at any scale.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    drawLace(painter);
    drawFrames(painter);
    painter.setClipRect(QRectF(20, 15, 24, 34));
    painter.fillPath(letter == Letter::X ? letterX() : letterO(), white);
    return image;
}

QByteArray iconFile(const std::vector<QByteArray>& pngFiles)
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto count = static_cast<quint16>(pngFiles.size());
    out << quint16(0) << quint16(1) << count; // reserved, type: icon, number of pictures
    quint32 offset = 6 + 16 * count;
    for (const QByteArray& png : pngFiles) {
        QBuffer buffer(const_cast<QByteArray*>(&png));
        const int side = QImageReader(&buffer, "png").size().width();
        // A side of 256 is written as 0; no palette, one plane, 32 bits a pixel.
        out << quint8(side % 256) << quint8(side % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(png.size()) << offset;
        offset += static_cast<quint32>(png.size());
    }
    for (const QByteArray& png : pngFiles)
        out.writeRawData(png.constData(), static_cast<int>(png.size()));
    return file;
}

} // namespace zorbelkin::artwork
