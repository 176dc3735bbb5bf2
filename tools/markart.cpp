// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "markart.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <functional>

namespace zorbelkin::artwork {
namespace {

// The pictures are drawn here rather than with a toolkit's painter, whose anti-aliasing changes
// between its releases: every pixel is the average of a grid of samples, each the colour of the
// last shape that covers it, in plain double arithmetic that gives the same bits on every
// compiler, release and processor (the library is built with -ffp-contract=off).

constexpr int logicalSize = 64;
// Samples per logical pixel along each axis, at any size of picture.
constexpr int samplesPerLogicalPixel = 16;

struct Colour {
    int red, green, blue;
};

const Colour teal{0, 132, 132};
const Colour paleTeal{110, 186, 186};
const Colour white{255, 255, 255};
const Colour ruleGrey{132, 132, 132};
const Colour frameGrey{168, 168, 168};
const Colour laceGrey{222, 222, 222};
const Colour eyeletGrey{239, 239, 239};

struct Point {
    double x, y;
};

// An axis-aligned rectangle in logical pixels; it holds the points of [left, right) x [top,
// bottom).
struct Box {
    double left, top, right, bottom;

    bool holds(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Box grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
    Box shrunk(double dx, double dy) const
    {
        return {left + dx, top + dy, right - dx, bottom - dy};
    }
};

Box boxAt(double left, double top, double width, double height)
{
    return {left, top, left + width, top + height};
}

// A shape filled with one colour; bounds holds every point that covers can accept.
struct Shape {
    Box bounds;
    std::function<bool(Point)> covers;
    Colour colour;
};

Shape filledBox(Box box, Colour colour)
{
    return {box, [box](Point p) { return box.holds(p); }, colour};
}

Shape disc(Point centre, double radius, Colour colour)
{
    return {Box{centre.x, centre.y, centre.x, centre.y}.grown(radius),
            [centre, radius](Point p) {
                const double dx = p.x - centre.x;
                const double dy = p.y - centre.y;
                return dx * dx + dy * dy < radius * radius;
            },
            colour};
}

// The outline of box, width wide, centred on its edge.
Shape outline(Box box, double width, Colour colour)
{
    const Box outer = box.grown(width / 2);
    const Box inner = box.grown(-width / 2);
    return {outer, [outer, inner](Point p) { return outer.holds(p) && !inner.holds(p); }, colour};
}

bool inEllipse(Box box, Point p)
{
    const double rx = (box.right - box.left) / 2;
    const double ry = (box.bottom - box.top) / 2;
    const double dx = (p.x - (box.left + rx)) / rx;
    const double dy = (p.y - (box.top + ry)) / ry;
    return dx * dx + dy * dy < 1;
}

// Whether p lies inside the convex quadrilateral a b c d, given in either turning direction.
bool inQuad(const std::array<Point, 4>& corners, Point p)
{
    bool left = false;
    bool right = false;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % corners.size()];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        left = left || cross > 0;
        right = right || cross < 0;
    }
    return !(left && right);
}

// The tile, in logical pixels: x 10 to 54, y 3 to 60.
const Box tile = boxAt(10, 3, 45, 58);
// The rule inside the lace: x 15 to 48, y 10 to 53.
const Box rule = boxAt(15, 10, 34, 44);
// The letter's panel, which clips the letter.
const Box panel = boxAt(20, 15, 24, 34);

// Points every `step` along the outline of box, starting at its top left corner.
template<class Visit> void walkOutline(const Box& box, double step, Visit visit)
{
    const std::array<Point, 4> corners{{{box.left, box.top},
                                        {box.right, box.top},
                                        {box.right, box.bottom},
                                        {box.left, box.bottom}}};
    for (std::size_t side = 0; side < corners.size(); ++side) {
        const Point from = corners[side];
        const Point to = corners[(side + 1) % corners.size()];
        const double length =
            std::abs(to.x - from.x) + std::abs(to.y - from.y); // sides are upright
        const int count = std::max(1, static_cast<int>(std::lround(length / step)));
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / count;
            visit(Point{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
        }
    }
}

void addLace(std::vector<Shape>& shapes)
{
    // A scalloped edge: a row of half discs around a solid core.
    const Box core = tile.shrunk(1.5, 1.5);
    shapes.push_back(filledBox(core, laceGrey));
    walkOutline(core, 3.0, [&](Point centre) { shapes.push_back(disc(centre, 1.5, laceGrey)); });

    // A rib of eyelets halfway between the edge and the rule: pale discs ringed in grey.
    const Box rib = tile.shrunk(2.5, 3.0);
    shapes.push_back(outline(rib, 0.6, frameGrey));
    walkOutline(rib, 3.0, [&](Point centre) {
        shapes.push_back(disc(centre, 0.9 + 0.25, ruleGrey));
        shapes.push_back(disc(centre, 0.9 - 0.25, eyeletGrey));
    });
}

void addFrames(std::vector<Shape>& shapes)
{
    shapes.push_back(filledBox(rule, ruleGrey));
    shapes.push_back(filledBox(rule.shrunk(1, 1), white));

    shapes.push_back(filledBox(boxAt(20, 12, 24, 1), frameGrey));
    shapes.push_back(filledBox(boxAt(20, 51, 24, 1), frameGrey));
    shapes.push_back(filledBox(boxAt(18, 15, 1, 34), frameGrey));
    shapes.push_back(filledBox(boxAt(46, 15, 1, 34), frameGrey));
    for (const double x : {17.0, 45.0}) {
        for (const double y : {12.0, 50.0})
            shapes.push_back(filledBox(boxAt(x, y, 2, 2), teal));
    }

    shapes.push_back(filledBox(panel, paleTeal));
    shapes.push_back(filledBox(panel.shrunk(1, 1), teal));
}

// A roman X: the thick stroke falls from the top left, the thin one from the top right, and flat
// serifs cap the four ends.
bool inLetterX(Point p)
{
    static const std::array<Point, 4> thick{
        {{22.2, 16.5}, {25.8, 16.5}, {42.0, 46.5}, {38.4, 46.5}}};
    static const std::array<Point, 4> thin{
        {{39.4, 16.5}, {41.0, 16.5}, {24.4, 46.5}, {22.8, 46.5}}};
    static const std::array serifs{boxAt(20.8, 15.6, 7.0, 1.6), boxAt(37.0, 15.6, 6.2, 1.6),
                                   boxAt(20.8, 45.8, 6.0, 1.6), boxAt(36.2, 45.8, 7.0, 1.6)};
    return inQuad(thick, p) || inQuad(thin, p) ||
           std::any_of(serifs.begin(), serifs.end(),
                       [p](const Box& serif) { return serif.holds(p); });
}

// A roman O: an upright ring, thick at the sides and thin at the top and bottom.
bool inLetterO(Point p)
{
    return inEllipse(boxAt(21.0, 16.0, 22.5, 31.5), p) &&
           !inEllipse(boxAt(24.2, 17.6, 16.1, 28.3), p);
}

Colour sampleAt(const std::vector<const Shape*>& shapes, Point p)
{
    for (auto shape = shapes.rbegin(); shape != shapes.rend(); ++shape) {
        if ((*shape)->covers(p))
            return (*shape)->colour;
    }
    return white;
}

} // namespace

QImage drawMark(Letter letter, int pixels)
{
    std::vector<Shape> shapes;
    addLace(shapes);
    addFrames(shapes);
    const auto inLetter = letter == Letter::X ? inLetterX : inLetterO;
    shapes.push_back({panel, [inLetter](Point p) { return panel.holds(p) && inLetter(p); }, white});

    QImage image(pixels, pixels, QImage::Format_RGB32);
    const double scale = static_cast<double>(pixels) / logicalSize;
    image.setDevicePixelRatio(scale);
    // Samples along each axis of a pixel: a sixteenth of a logical pixel apart, or closer.
    const int perAxis = (samplesPerLogicalPixel * logicalSize + pixels - 1) / pixels;
    const int samples = perAxis * perAxis;
    std::vector<const Shape*> near;
    for (int y = 0; y < pixels; ++y) {
        for (int x = 0; x < pixels; ++x) {
            const Box area{x / scale, y / scale, (x + 1) / scale, (y + 1) / scale};
            near.clear();
            for (const Shape& shape : shapes) {
                if (shape.bounds.left < area.right && area.left < shape.bounds.right &&
                    shape.bounds.top < area.bottom && area.top < shape.bounds.bottom)
                    near.push_back(&shape);
            }
            int red = 0;
            int green = 0;
            int blue = 0;
            for (int sy = 0; sy < perAxis; ++sy) {
                for (int sx = 0; sx < perAxis; ++sx) {
                    const Point p{(x + (sx + 0.5) / perAxis) / scale,
                                  (y + (sy + 0.5) / perAxis) / scale};
                    const Colour c = sampleAt(near, p);
                    red += c.red;
                    green += c.green;
                    blue += c.blue;
                }
            }
            const auto average = [samples](int sum) { return (sum + samples / 2) / samples; };
            image.setPixel(x, y, qRgb(average(red), average(green), average(blue)));
        }
    }
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
