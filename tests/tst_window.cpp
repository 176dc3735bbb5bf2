// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "windowtesting.h"

#include "application.h"

#include <QMessageBox>
#include <QTimer>

#include <memory>

using namespace zorbelkin;
using namespace zorbelkin::testing;

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void focusStartsOnNewGameAndTabsThroughTheScores();
    void winShowsModalMessageBeforeScoring();
    void boardFollowsTheDesktopsColoursWhileItRuns();

private:
    QFont desktopFont_;
    std::unique_ptr<ZorbelkinWindow> window_;
};

void TestWindow::initTestCase()
{
    desktopFont_ = QApplication::font();
    setUpApplication();
}

void TestWindow::init()
{
    window_ = std::make_unique<ZorbelkinWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestWindow::cleanup()
{
    window_.reset();
    QCOMPARE(strayWindows(), QStringList());
}

void TestWindow::focusStartsOnNewGameAndTabsThroughTheScores()
{
    ZorbelkinWindow& w = *window_;
    QTRY_COMPARE(QApplication::focusWidget(), newGameButton(w));
    QStringList visited;
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"txt2", "txt3", "Cmd3", "txt2"}));

    // Enter or Space presses the focused button ("2" becomes "1"), Enter in a score box does not.
    std::string turns;
    for (const auto& [control, key] : {std::pair{(QWidget*)newGameButton(w), Qt::Key_Return},
                                       {newGameButton(w), Qt::Key_Space},
                                       {textBox(w, "txt3"), Qt::Key_Return}}) {
        w.setText(TextBox::Txt1, "2");
        control->setFocus();
        QTest::keyClick(control, key);
        turns += w.text(TextBox::Txt1);
    }
    QCOMPARE(turns, std::string("112"));
}

void TestWindow::winShowsModalMessageBeforeScoring()
{
    ZorbelkinWindow& w = *window_;
    for (const CellIndex cell : {0, 3, 1, 4})
        clickAt(w, Img1(w, cell)->geometry().center());

    // While the box is open: how it looks, in the desktop's face rather than the board's, the
    // score not raised yet, and the window deaf.
    QStringList seen;
    QTimer inspector;
    connect(&inspector, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        inspector.stop();
        seen << box->windowTitle() << box->text() << textBox(w, "txt2")->text()
             << QString::number(box->buttons().size() == 1 && box->button(QMessageBox::Ok))
             << QString::number(box->icon() == QMessageBox::NoIcon)
             << QString::number(box->font() == desktopFont_);
        clickAt(w, Img1(w, 8)->geometry().center());
        clickAt(w, newGameButton(w)->geometry().center());
        box->button(QMessageBox::Ok)->click();
    });
    inspector.start(10);
    clickAt(w, Img1(w, 2)->geometry().center());

    QCOMPARE(seen, QStringList({"ZORBELKIN", "You Win!!", "0", "1", "1", "1"}));
    QVERIFY(w.cellPictureHandle(2) != 0 && w.cellPictureHandle(8) == 0);
    QCOMPARE(textBox(w, "txt2")->text(), QStringLiteral("1"));
    QCOMPARE(textBox(w, "Txt1")->text(), QStringLiteral("2"));
}

// While the game runs, the board follows the desktop's colours: a light colour of title bar text
// (Qt's highlighted text) is the board's ground, a dark theme's light ink does not stay on a light
// board, and the turn digit's muted ink is made readable on its box's new ground. Seen in the
// pixels of a ground point left of the grid, of a grid line and of the digit's box.
void TestWindow::boardFollowsTheDesktopsColoursWhileItRuns()
{
    ZorbelkinWindow& w = *window_;
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
        const QImage box = textBox(w, "Txt1")->grab().toImage();
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
