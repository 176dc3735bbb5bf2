// Draws the mark pictures into a folder: x.png and o.png at 64 x 64 pixels, and x@4x.png and
// o@4x.png at four times that for dense screens. Usage: draw_marks FOLDER
#include "markart.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_marks FOLDER\n");
        return EXIT_FAILURE;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using zorbelkin::artwork::Letter;
    for (const auto& [letter, name] : {std::pair{Letter::X, "x"}, std::pair{Letter::O, "o"}}) {
        for (const auto& [scale, suffix] : {std::pair{1, ""}, std::pair{4, "@4x"}}) {
            const QString path = folder.filePath(QStringLiteral("%1%2.png").arg(name, suffix));
            if (!zorbelkin::artwork::drawMark(letter, scale).save(path)) {
                std::fprintf(stderr, "draw_marks: cannot write %s\n", qPrintable(path));
                return EXIT_FAILURE;
            }
        }
    }
    return EXIT_SUCCESS;
}
