// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// Draws all of the game's artwork into the assets folder: the mark pictures x.png and o.png at
// 64 x 64 pixels with their four-times renditions, and the application icon, the X mark, at the
// usual hicolor sizes, both as PNG files and gathered in one Windows icon file. Usage: draw_artwork
// ASSETS_FOLDER
#include "markart.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool save(const QImage& image, const QString& path)
{
    if (QDir().mkpath(QFileInfo(path).path()) && image.save(path))
        return true;
    std::fprintf(stderr, "draw_artwork: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_artwork ASSETS_FOLDER\n");
        return EXIT_FAILURE;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    using zorbelkin::artwork::drawMark;
    using zorbelkin::artwork::Letter;
    for (const auto& [letter, name] : {std::pair{Letter::X, "x"}, std::pair{Letter::O, "o"}}) {
        for (const auto& [pixels, suffix] : {std::pair{64, ""}, std::pair{256, "@4x"}}) {
            if (!save(drawMark(letter, pixels),
                      assets.filePath(QStringLiteral("marks/%1%2.png").arg(name, suffix))))
                return EXIT_FAILURE;
        }
    }
    std::vector<QByteArray> iconPngs;
    for (const int size : zorbelkin::artwork::iconSizes) {
        const QString path = assets.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/%2.png")
                                                 .arg(size)
                                                 .arg(QStringLiteral(ZORBELKIN_APP_ID)));
        QFile written(path);
        if (!save(drawMark(Letter::X, size), path) || !written.open(QIODevice::ReadOnly))
            return EXIT_FAILURE;
        iconPngs.push_back(written.readAll());
    }
    QFile icon(assets.filePath(QStringLiteral("icons/zorbelkin.ico")));
    if (!icon.open(QIODevice::WriteOnly) ||
        icon.write(zorbelkin::artwork::iconFile(iconPngs)) < 0) {
        std::fprintf(stderr, "draw_artwork: cannot write %s\n", qPrintable(icon.fileName()));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
