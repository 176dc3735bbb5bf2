// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "colours.h"
#include "looks.h"
#include "mainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace zorbelkin;

// What no outside driver can see: the window's answer to a change of the desktop's palette.
class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }
    void boardFollowsTheDesktopsColoursWhileItRuns();
};

// While the game runs, the board follows the desktop's colours: a light colour of title bar text
// (Qt's highlighted text) is the board's ground, a dark theme's light ink does not stay on a light
// board, and the turn digit's muted ink is made readable on its box's new ground. Seen in the
// pixels of a ground point left of the grid, of a grid line and of the digit's box.
void TestWindow::boardFollowsTheDesktopsColoursWhileItRuns()
{
    MainWindow w;
    w.show();
    const QPalette desktop = QApplication::palette();
    const auto seen = [&w, &desktop](const QColor& highlightedText, const QColor& windowText) {
        QPalette palette = desktop;
        palette.setColor(QPalette::HighlightedText, highlightedText);
        palette.setColor(QPalette::WindowText, windowText);
        // A dark box with a muted digit hardly darker than the board's ink.
        palette.setColor(QPalette::Disabled, QPalette::Base, QColor(32, 32, 32));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 64, 64));
        QApplication::setPalette(palette);
        const QImage board = w.grab().toImage();
        const QImage box = w.findChild<QLineEdit*>(QStringLiteral("Txt1"))->grab().toImage();
        // Inside the box's frame. An anti-aliased digit's strongest pixel comes near its ink's
        // contrast, not to it: WCAG's minimum for text tells a readable digit from a faint one.
        constexpr double minimumContrast = 4.5;
        const QColor boxGround = box.pixelColor(box.width() - 4, box.height() / 2);
        double digit = 1;
        for (int y = 3; y < box.height() - 3; ++y)
            for (int x = 3; x < box.width() - 3; ++x)
                digit = std::max(digit, contrast(rgb(box.pixelColor(x, y)), rgb(boxGround)));
        return QStringList{board.pixelColor(10, 100).name(), board.pixelColor(160, 90).name(),
                           boxGround.name(), digit >= minimumContrast ? "readable" : "faint"};
    };
    const QStringList paleYellow = seen(QColor(255, 232, 144), QColor(0, 0, 128));
    const QStringList darkTheme = seen(QColor(250, 250, 250), QColor(230, 230, 230));
    QApplication::setPalette(desktop);
    QCOMPARE(paleYellow, QStringList({"#ffe890", "#000080", "#202020", "readable"}));
    QCOMPARE(darkTheme, QStringList({"#fafafa", "#000000", "#202020", "readable"}));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
