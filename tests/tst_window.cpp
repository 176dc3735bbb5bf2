#include "windowtesting.h"

#include "application.h"
#include "form2.h"

#include <QAccessible>

#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using namespace zorbelkin;
using namespace zorbelkin::testing;

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithBlankFreeBoardAndPlayerOneToMove();
    void newGameClearsBoardAndKeepsScores();
    void keyboardPressesNewGameFromTheStartFocus();
    void tabCyclesButtonAndScoresOnly();

    void cellsAreSeparatedByTheirGridLines();
    void titlesAndTurnBoxSitWhereTheLayoutPutsThem();
    void clickAnywhereOnACellReachesItsLabel();
    void clickOffTheCellsReachesNoCell();
    void resizingMovesNothing();

    void clickOnUsedCellChangesNothing();
    void winShowsModalMessageBeforeScoring();

    void markPicturesHaveDistinctStableHandles();
    void cellSharesTheHoldersPicture();
    void pictureHolderIsNeverShown();
    void missingPictureFailsAtLoadNotAtFirstDraw();
    void textAndLinesStayVisibleOnTheBoardInAnyTheme();

    void screenReaderNamesFollowTheBoard();
    void applicationNamesItsVersionAndDesktopEntry();

private:
    std::unique_ptr<ZorbelkinWindow> window_;
};

void TestWindow::init()
{
    window_ = std::make_unique<ZorbelkinWindow>();
}

void TestWindow::cleanup()
{
    window_.reset();
    QCOMPARE(strayWindows(), QStringList());
}

void TestWindow::opensWithBlankFreeBoardAndPlayerOneToMove()
{
    const ZorbelkinWindow& w = *window_;
    QCOMPARE(w.windowTitle(), QStringLiteral("ZOR BEL KIN"));
    QCOMPARE(w.size(), QSize(470, 459));
    for (CellIndex i = 0; i < cellCount; ++i) {
        QCOMPARE(w.cellPictureHandle(i), PictureHandle{0});
        QVERIFY(lbl1(w, i)->isEnabled());
    }
    QCOMPARE(textBox(w, "Txt1")->text(), QStringLiteral("1"));
    QVERIFY(!textBox(w, "Txt1")->isEnabled());
    QCOMPARE(textBox(w, "txt2")->text(), QStringLiteral("0"));
    QCOMPARE(textBox(w, "txt3")->text(), QStringLiteral("0"));
}

void TestWindow::newGameClearsBoardAndKeepsScores()
{
    ZorbelkinWindow& w = *window_;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.assignPicture(4, Mark::X);
    w.setCellEnabled(4, false);
    w.assignPicture(0, Mark::O);
    w.setCellEnabled(0, false);
    w.setText(TextBox::Txt1, QStringLiteral("2"));
    QTest::keyClicks(textBox(w, "txt2"), QStringLiteral("12"));
    textBox(w, "txt3")->setText(QStringLiteral("not a number"));

    for (int press = 0; press < 2; ++press) {
        QTest::mouseClick(newGameButton(w), Qt::LeftButton);
        for (CellIndex i = 0; i < cellCount; ++i) {
            QCOMPARE(w.cellPictureHandle(i), PictureHandle{0});
            QVERIFY(lbl1(w, i)->isEnabled());
        }
        QCOMPARE(textBox(w, "Txt1")->text(), QStringLiteral("1"));
        QCOMPARE(textBox(w, "txt2")->text(), QStringLiteral("012"));
        QCOMPARE(textBox(w, "txt3")->text(), QStringLiteral("not a number"));
    }
}

void TestWindow::keyboardPressesNewGameFromTheStartFocus()
{
    ZorbelkinWindow& w = *window_;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QPushButton* button = newGameButton(w);
    QTRY_COMPARE(QApplication::focusWidget(), button);

    QSignalSpy clicks(button, &QPushButton::clicked);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        w.assignPicture(8, Mark::X);
        w.setText(TextBox::Txt1, QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(w.cellPictureHandle(8), PictureHandle{0});
        QCOMPARE(textBox(w, "Txt1")->text(), QStringLiteral("1"));
    }
    QCOMPARE(clicks.count(), 3);

    // The button is not the window's default: Enter in a score box leaves the game alone.
    w.setText(TextBox::Txt1, QStringLiteral("2"));
    textBox(w, "txt2")->setFocus();
    QTest::keyClick(textBox(w, "txt2"), Qt::Key_Return);
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(textBox(w, "Txt1")->text(), QStringLiteral("2"));
}

void TestWindow::tabCyclesButtonAndScoresOnly()
{
    ZorbelkinWindow& w = *window_;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_COMPARE(QApplication::focusWidget(), newGameButton(w));

    QStringList visited;
    for (int step = 0; step < 6; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"txt2", "txt3", "Cmd3", "txt2", "txt3", "Cmd3"}));
    QTest::mouseClick(textBox(w, "Txt1"), Qt::LeftButton);
    QVERIFY(!textBox(w, "Txt1")->hasFocus());
}

void TestWindow::cellsAreSeparatedByTheirGridLines()
{
    const ZorbelkinWindow& w = *window_;
    const std::array lines{named(w, "Line1")->geometry(), named(w, "Line2")->geometry(),
                           named(w, "Line3")->geometry(), named(w, "Line4")->geometry()};
    for (const QRect& line : lines)
        QVERIFY(line.width() == 5 || line.height() == 5);

    for (CellIndex i = 0; i < cellCount; ++i) {
        const QRect cell = Img1(w, i)->geometry();
        QCOMPARE(cell.size(), QSize(113, 105));
        QCOMPARE(lbl1(w, i)->geometry(), cell);
        for (CellIndex j = i + 1; j < cellCount; ++j)
            QVERIFY2(!cell.intersects(Img1(w, j)->geometry()), qPrintable(QString::number(j)));
        for (const QRect& line : lines)
            QVERIFY(!cell.intersects(line));
    }
    // Each line runs through the middle of the 31-pixel gap between two columns or two rows,
    // over the whole height or width of the board.
    const QRect board = Img1(w, 0)->geometry().united(Img1(w, 8)->geometry());
    for (const auto& [line, before, after] :
         {std::tuple{lines[0], 0, 1}, std::tuple{lines[1], 1, 2}}) {
        const int gapStart = Img1(w, before)->geometry().right() + 1;
        const int gapEnd = Img1(w, after)->geometry().left();
        QCOMPARE(gapEnd - gapStart, 31);
        QCOMPARE(line.left() - gapStart, gapEnd - 1 - line.right());
        QCOMPARE(line.top(), board.top());
        QVERIFY(line.bottom() >= board.bottom() - 5 && line.bottom() < board.bottom());
    }
    for (const auto& [line, before, after] :
         {std::tuple{lines[2], 0, 3}, std::tuple{lines[3], 3, 6}}) {
        const int gapStart = Img1(w, before)->geometry().bottom() + 1;
        const int gapEnd = Img1(w, after)->geometry().top();
        QCOMPARE(gapEnd - gapStart, 31);
        QCOMPARE(line.top() - gapStart, gapEnd - 1 - line.bottom());
        QCOMPARE(line.left(), board.left());
        QVERIFY(line.right() >= board.right() - 5 && line.right() < board.right());
    }
}

void TestWindow::titlesAndTurnBoxSitWhereTheLayoutPutsThem()
{
    const ZorbelkinWindow& w = *window_;
    const char* titles[] = {"Label1", "Label2", "Label3"};
    for (int column = 0; column < 3; ++column) {
        const auto* title = named<QLabel>(w, QString::fromLatin1(titles[column]));
        QCOMPARE(title->geometry().center().x(), Img1(w, column)->geometry().center().x());
        QCOMPARE(title->font().bold(), true);
        QCOMPARE(title->font().pointSizeF(), 14.25);
        QVERIFY(title->alignment() & Qt::AlignHCenter);
    }
    QCOMPARE(textBox(w, "Txt1")->geometry().bottom() + 1, w.height());
    const QRect turnCaption = named(w, "player")->geometry();
    QVERIFY(turnCaption.contains(textBox(w, "Txt1")->geometry().center().x(), turnCaption.top()));
}

void TestWindow::clickAnywhereOnACellReachesItsLabel()
{
    ZorbelkinWindow& w = *window_;
    w.assignPicture(2, Mark::X);
    w.setCellEnabled(2, false);
    for (CellIndex i = 0; i < cellCount; ++i) {
        const QRect cell = Img1(w, i)->geometry();
        for (const QPoint point : {cell.center(), cell.topLeft(), cell.topRight(),
                                   cell.bottomLeft(), cell.bottomRight()})
            QCOMPARE(w.childAt(point), lbl1(w, i));
    }
}

void TestWindow::clickOffTheCellsReachesNoCell()
{
    ZorbelkinWindow& w = *window_;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint offCell[] = {named(w, "Line1")->geometry().center(),
                              named(w, "Line3")->geometry().center(),
                              {150, 150},
                              {20, 200},
                              named(w, "Label2")->geometry().center(),
                              named(w, "player1")->geometry().center(),
                              named(w, "player")->geometry().center(),
                              {460, 50}};
    for (const QPoint point : offCell) {
        const QWidget* target = w.childAt(point);
        for (CellIndex i = 0; i < cellCount; ++i)
            QVERIFY(target != lbl1(w, i) && target != Img1(w, i));
        QTest::mouseClick(&w, Qt::LeftButton, {}, point);
    }
    for (CellIndex i = 0; i < cellCount; ++i)
        QCOMPARE(w.cellPictureHandle(i), PictureHandle{0});
    QCOMPARE(textBox(w, "Txt1")->text(), QStringLiteral("1"));
}

void TestWindow::resizingMovesNothing()
{
    ZorbelkinWindow& w = *window_;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QList<QRect> before;
    QList<QWidget*> controls = w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget* child) { return child->isWindow(); });
    for (const QWidget* control : controls)
        before << control->geometry();
    QCOMPARE(controls.size(), 32);

    for (const QSize size : {QSize(200, 150), QSize(780, 760)}) {
        w.resize(size);
        QTRY_COMPARE(w.size(), size);
        QList<QRect> after;
        for (const QWidget* control : controls)
            after << control->geometry();
        QCOMPARE(after, before);
    }
}

void TestWindow::clickOnUsedCellChangesNothing()
{
    window_.reset();
    CountingWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect cell = Img1(w, 4)->geometry();

    clickAt(w, cell.center());
    QCOMPARE(w.cellPictureHandle(4), w.markPictureHandle(Mark::X));
    QVERIFY(!lbl1(w, 4)->isEnabled());
    QCOMPARE(w.text(TextBox::Txt1), QStringLiteral("2"));

    for (const QPoint point : {cell.center(), cell.topLeft(), cell.bottomRight()})
        clickAt(w, point);
    QCOMPARE(w.cellPictureHandle(4), w.markPictureHandle(Mark::X));
    QCOMPARE(w.text(TextBox::Txt1), QStringLiteral("2"));
    QVERIFY(w.messages.isEmpty());
}

void TestWindow::winShowsModalMessageBeforeScoring()
{
    ZorbelkinWindow& w = *window_;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const CellIndex cell : {0, 3, 1, 4})
        clickAt(w, Img1(w, cell)->geometry().center());

    // While the box is open: its looks, the score not yet raised, and the board deaf to clicks.
    QStringList seen;
    QTimer inspector;
    connect(&inspector, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        inspector.stop();
        const bool onlyOk = box->standardButtons() == QMessageBox::Ok && box->buttons().size() == 1;
        seen << box->windowTitle() << box->text() << QString::number(onlyOk)
             << QString::number(box->icon() == QMessageBox::NoIcon) << textBox(w, "txt2")->text();
        clickAt(w, Img1(w, 8)->geometry().center());
        clickAt(w, newGameButton(w)->geometry().center());
        box->button(QMessageBox::Ok)->click();
    });
    inspector.start(10);
    clickAt(w, Img1(w, 2)->geometry().center());

    QCOMPARE(seen, QStringList({"ZORBELKIN", "You Win!!", "1", "1", "0"}));
    QCOMPARE(w.cellPictureHandle(2), w.markPictureHandle(Mark::X));
    QCOMPARE(w.cellPictureHandle(8), PictureHandle{0});
    QCOMPARE(textBox(w, "txt2")->text(), QStringLiteral("1"));
    QCOMPARE(textBox(w, "txt3")->text(), QStringLiteral("0"));
    QCOMPARE(textBox(w, "Txt1")->text(), QStringLiteral("2"));
}

void TestWindow::markPicturesHaveDistinctStableHandles()
{
    const ZorbelkinWindow& w = *window_;
    const PictureHandle x = w.markPictureHandle(Mark::X);
    const PictureHandle o = w.markPictureHandle(Mark::O);
    QCOMPARE(w.markPictureHandle(Mark::Blank), PictureHandle{0});
    QVERIFY(x != 0 && o != 0 && x != o);

    ZorbelkinWindow second;
    QCOMPARE(w.markPictureHandle(Mark::X), x);
    QCOMPARE(w.markPictureHandle(Mark::O), o);
}

void TestWindow::cellSharesTheHoldersPicture()
{
    ZorbelkinWindow& w = *window_;
    const auto* holder = w.findChild<Form2*>();
    QVERIFY(holder);

    w.assignPicture(5, Mark::X);
    const std::shared_ptr<const Picture>& shown = Img1(w, 5)->picture();
    QCOMPARE(shown.get(), holder->picture(Mark::X).get());
    QCOMPARE(w.cellPictureHandle(5), w.markPictureHandle(Mark::X));
    QVERIFY(w.cellPictureHandle(5) != w.markPictureHandle(Mark::O));
    QCOMPARE(shown->size(), QSize(64, 64));

    // Stretched to 113 x 105 the cell takes the sharp rendition, not the 64-pixel one.
    const QPixmap& drawn = shown->renditionFor(Img1(w, 5)->size());
    QCOMPARE(drawn.devicePixelRatio(), 4.0);
    QCOMPARE(drawn.deviceIndependentSize().toSize(), QSize(64, 64));
    QCOMPARE(shown->renditionFor({64, 64}).devicePixelRatio(), 1.0);

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QColor panel = w.grab(Img1(w, 5)->geometry()).toImage().pixelColor(42, 49);
    QCOMPARE(panel, QColor(0, 132, 132));

    w.assignPicture(5, Mark::Blank);
    QCOMPARE(w.cellPictureHandle(5), PictureHandle{0});
    QCOMPARE(w.grab(Img1(w, 5)->geometry()).toImage().pixelColor(42, 49),
             w.palette().color(QPalette::Window));
}

void TestWindow::pictureHolderIsNeverShown()
{
    ZorbelkinWindow& w = *window_;
    const auto visibleForm2 = [] {
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->windowTitle() == QLatin1String("Form2") && widget->isVisible())
                return true;
        }
        return false;
    };
    QVERIFY(w.findChild<Form2*>());
    QVERIFY(!visibleForm2());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!visibleForm2());
    QTest::mouseClick(newGameButton(w), Qt::LeftButton);
    QVERIFY(!visibleForm2());
    QCOMPARE(w.findChildren<Form2*>().size(), 1);
}

void TestWindow::missingPictureFailsAtLoadNotAtFirstDraw()
{
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, Picture::load(QStringLiteral(":/marks/none.png")));
    // A picture whose four-times rendition is missing is refused as a whole.
    QTemporaryDir folder;
    QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(folder.filePath(QStringLiteral("lone.png"))));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             Picture::load(folder.filePath(QStringLiteral("lone.png"))));
}

void TestWindow::textAndLinesStayVisibleOnTheBoardInAnyTheme()
{
    const QPalette desktop = QApplication::palette();
    const auto contrast = [](const QWidget& w) {
        return std::abs(w.palette().color(QPalette::WindowText).lightness() -
                        w.palette().color(QPalette::Window).lightness());
    };
    QCOMPARE(window_->palette().color(QPalette::WindowText),
             desktop.color(QPalette::WindowText)); // a light theme keeps its own ink
    QVERIFY(contrast(*window_) >= 128);

    QPalette dark(QColor(30, 30, 30), QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::HighlightedText, QColor(250, 250, 250));
    QApplication::setPalette(dark);
    {
        const ZorbelkinWindow w;
        QVERIFY2(contrast(w) >= 128, "light text on a light board");
        QVERIFY(contrast(*named(w, "player1")) >= 128);
        QCOMPARE(named(w, "Line1")->palette().color(QPalette::WindowText),
                 w.palette().color(QPalette::WindowText));
    }
    QApplication::setPalette(desktop);
}

namespace {

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

void TestWindow::screenReaderNamesFollowTheBoard()
{
    ZorbelkinWindow& w = *window_;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(accessibleName(lbl1(w, 0)), QStringLiteral("top left, empty"));
    QCOMPARE(accessibleName(lbl1(w, 4)), QStringLiteral("centre, empty"));
    QCOMPARE(accessibleName(lbl1(w, 8)), QStringLiteral("bottom right, empty"));
    QCOMPARE(accessibleName(newGameButton(w)), QStringLiteral("New Game"));
    QCOMPARE(accessibleName(textBox(w, "Txt1")), QStringLiteral("Player to move"));
    QCOMPARE(accessibleName(textBox(w, "txt2")), QStringLiteral("Player 1 score"));
    QCOMPARE(accessibleName(textBox(w, "txt3")), QStringLiteral("Player 2 score"));

    clickAt(w, Img1(w, 4)->geometry().center());
    clickAt(w, Img1(w, 5)->geometry().center());
    QCOMPARE(accessibleName(lbl1(w, 4)), QStringLiteral("centre, X"));
    QCOMPARE(accessibleName(lbl1(w, 5)), QStringLiteral("right, O"));

    clickAt(w, newGameButton(w)->geometry().center());
    QCOMPARE(accessibleName(lbl1(w, 4)), QStringLiteral("centre, empty"));
}

void TestWindow::applicationNamesItsVersionAndDesktopEntry()
{
    setUpApplication();
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.zorbelkin.zorbelkin"));
    QVERIFY(!QApplication::windowIcon().isNull());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
