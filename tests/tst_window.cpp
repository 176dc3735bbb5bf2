// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "application.h"
#include "mainwindow.h"

#include <QApplication>
#include <QTest>

using namespace zorbelkin;

// What no outside driver can see: the window's answer to a change of the desktop's palette.
class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }
    void boardFollowsTheDesktopsColoursWhileItRuns();
};

// While the game runs, the board follows the desktop's colours, as it takes them at start: a
// light colour of title bar text (Qt's highlighted text) becomes its ground, and the window's
// text colour its grid lines. Seen in the pixels of a ground point left of the grid and of a grid
// line.
void TestWindow::boardFollowsTheDesktopsColoursWhileItRuns()
{
    MainWindow w;
    w.show();
    const QPalette desktop = QApplication::palette();
    QPalette changed = desktop;
    changed.setColor(QPalette::HighlightedText, QColor(255, 232, 144));
    changed.setColor(QPalette::WindowText, QColor(0, 0, 128));
    QApplication::setPalette(changed);
    const QImage board = w.grab().toImage();
    QApplication::setPalette(desktop);
    QCOMPARE(QStringList({board.pixelColor(10, 100).name(), board.pixelColor(160, 90).name()}),
             QStringList({"#ffe890", "#000080"}));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
