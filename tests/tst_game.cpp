#include "fakeview.h"
#include "game.h"

#include <QTest>

using zorbelkin::CellIndex;
using zorbelkin::Game;
using zorbelkin::TextBox;
using zorbelkin::testing::FakeView;

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void startClearsBoardAndGivesFirstMoveToPlayerOne_data();
    void startClearsBoardAndGivesFirstMoveToPlayerOne();

    void clicksPlaceMarksInTurnAndLockTheirCells();
    void fullBoardWithoutLineAnnouncesNothing();
    void completedLineIsAnnouncedThenScoredForTheMover_data();
    void completedLineIsAnnouncedThenScoredForTheMover();
    void moveCompletingTwoLinesScoresTwice();
    void laterMovesDoNotCountAnOldLineAgain();
    void scoreBoxGainsOnePoint_data();
    void scoreBoxGainsOnePoint();

private:
    // Starts a game on view and clicks the cells in order.
    static void play(Game& game, std::initializer_list<CellIndex> cells);
};

void TestGame::play(Game& game, std::initializer_list<CellIndex> cells)
{
    game.Form_Load();
    for (const CellIndex cell : cells)
        game.lbl1_Click(cell);
}

void TestGame::startClearsBoardAndGivesFirstMoveToPlayerOne_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("turn");
    QTest::addColumn<int>("starts");

    QTest::newRow("new window") << ""
                                << "" << 1;
    QTest::newRow("mid-game, player 2 to move") << "X../.O./..X"
                                                << "2" << 1;
    QTest::newRow("after a win") << "XXX/OO./..."
                                 << "2" << 1;
    QTest::newRow("full board") << "XOX/XOO/OXX"
                                << "1" << 1;
    QTest::newRow("twice in a row") << "XO./..X/..."
                                    << "1" << 2;
}

void TestGame::startClearsBoardAndGivesFirstMoveToPlayerOne()
{
    QFETCH(QString, board);
    QFETCH(QString, turn);
    QFETCH(int, starts);

    FakeView view;
    view.setBoard(board);
    view.setText(TextBox::Txt1, turn);
    view.setText(TextBox::txt2, QStringLiteral("7"));
    view.setText(TextBox::txt3, QStringLiteral("typed by hand"));
    Game game(view);
    game.Form_Load();
    for (int i = 1; i < starts; ++i)
        game.Cmd3_Click();

    QCOMPARE(view.board(), QStringLiteral(".../.../..."));
    QCOMPARE(view.freeCells(), QStringLiteral("111111111"));
    QCOMPARE(view.text(TextBox::Txt1), QStringLiteral("1"));
    QCOMPARE(view.text(TextBox::txt2), QStringLiteral("7"));
    QCOMPARE(view.text(TextBox::txt3), QStringLiteral("typed by hand"));
    QVERIFY(view.messages.isEmpty());
}

void TestGame::clicksPlaceMarksInTurnAndLockTheirCells()
{
    FakeView view;
    Game game(view);
    game.Form_Load();
    const std::tuple<CellIndex, const char*, const char*, const char*> moves[] = {
        {4, ".../.X./...", "111101111", "2"},
        {0, "O../.X./...", "011101111", "1"},
        {8, "O../.X./..X", "011101110", "2"},
    };
    for (const auto& [cell, board, freeCells, turn] : moves) {
        game.lbl1_Click(cell);
        QCOMPARE(view.board(), QString::fromLatin1(board));
        QCOMPARE(view.freeCells(), QString::fromLatin1(freeCells));
        QCOMPARE(view.text(TextBox::Txt1), QString::fromLatin1(turn));
    }
    QVERIFY(view.messages.isEmpty());
}

void TestGame::fullBoardWithoutLineAnnouncesNothing()
{
    FakeView view;
    view.setText(TextBox::txt2, QStringLiteral("0"));
    view.setText(TextBox::txt3, QStringLiteral("0"));
    Game game(view);
    play(game, {0, 1, 2, 4, 3, 5, 7, 6, 8});
    QCOMPARE(view.board(), QStringLiteral("XOX/XOO/OXX"));
    QCOMPARE(view.freeCells(), QStringLiteral("000000000"));
    QVERIFY(view.messages.isEmpty());
    QCOMPARE(view.text(TextBox::txt2), QStringLiteral("0"));
    QCOMPARE(view.text(TextBox::txt3), QStringLiteral("0"));
    QCOMPARE(view.text(TextBox::Txt1), QStringLiteral("2"));
}

void TestGame::completedLineIsAnnouncedThenScoredForTheMover_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("player1");
    QTest::addColumn<QString>("player2");
    QTest::addColumn<QString>("turn");

    QTest::newRow("X, top row") << QList<int>{0, 3, 1, 4, 2} << "XXX/OO./..."
                                << "1"
                                << "0"
                                << "2";
    QTest::newRow("X, left column") << QList<int>{0, 1, 3, 2, 6} << "XOO/X../X.."
                                    << "1"
                                    << "0"
                                    << "2";
    QTest::newRow("X, falling diagonal") << QList<int>{0, 1, 4, 2, 8} << "XOO/.X./..X"
                                         << "1"
                                         << "0"
                                         << "2";
    QTest::newRow("O, middle row") << QList<int>{0, 3, 1, 4, 8, 5} << "XX./OOO/..X"
                                   << "0"
                                   << "1"
                                   << "1";
    QTest::newRow("O, rising diagonal") << QList<int>{0, 2, 1, 4, 5, 6} << "XXO/.OX/O.."
                                        << "0"
                                        << "1"
                                        << "1";
}

void TestGame::completedLineIsAnnouncedThenScoredForTheMover()
{
    QFETCH(QList<int>, moves);
    QFETCH(QString, board);
    QFETCH(QString, player1);
    QFETCH(QString, player2);
    QFETCH(QString, turn);

    FakeView view;
    view.setText(TextBox::txt2, QStringLiteral("0"));
    view.setText(TextBox::txt3, QStringLiteral("0"));
    Game game(view);
    game.Form_Load();
    for (const int cell : moves) {
        QVERIFY(view.messages.isEmpty());
        game.lbl1_Click(static_cast<CellIndex>(cell));
    }
    QCOMPARE(view.board(), board);
    QCOMPARE(view.messages, QStringList{"You Win!!"});
    QCOMPARE(view.text(TextBox::txt2), player1);
    QCOMPARE(view.text(TextBox::txt3), player2);
    QCOMPARE(view.text(TextBox::Txt1), turn);
}

void TestGame::moveCompletingTwoLinesScoresTwice()
{
    FakeView view;
    view.setText(TextBox::txt2, QStringLiteral("3"));
    Game game(view);
    game.Form_Load();
    view.setBoard(QStringLiteral(".XX/XOO/XO."));
    game.lbl1_Click(0);
    QCOMPARE(view.messages, QStringList({"You Win!!", "You Win!!"}));
    QCOMPARE(view.text(TextBox::txt2), QStringLiteral("5"));
    QCOMPARE(view.text(TextBox::Txt1), QStringLiteral("2"));
}

// A line belongs to the move that completes it; the moves after it, by either player, score
// nothing for it, and the free cells can still be played.
void TestGame::laterMovesDoNotCountAnOldLineAgain()
{
    FakeView view;
    view.setText(TextBox::txt2, QStringLiteral("0"));
    view.setText(TextBox::txt3, QStringLiteral("0"));
    Game game(view);
    play(game, {0, 3, 1, 4, 2});
    QCOMPARE(view.messages.size(), 1);
    for (const CellIndex cell : {6, 8}) {
        game.lbl1_Click(cell);
        QCOMPARE(view.messages.size(), 1);
    }
    QCOMPARE(view.board(), QStringLiteral("XXX/OO./O.X"));
    QCOMPARE(view.text(TextBox::txt2), QStringLiteral("1"));
    QCOMPARE(view.text(TextBox::txt3), QStringLiteral("0"));

    // O's own new line still counts, once, and only for O.
    game.lbl1_Click(5);
    QCOMPARE(view.messages.size(), 2);
    QCOMPARE(view.text(TextBox::txt2), QStringLiteral("1"));
    QCOMPARE(view.text(TextBox::txt3), QStringLiteral("1"));
}

void TestGame::scoreBoxGainsOnePoint_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("zero") << "0"
                          << "1";
    QTest::newRow("whole") << "7"
                           << "8";
    QTest::newRow("fraction") << "2.5"
                              << "3.5";
    QTest::newRow("tenth") << "0.1"
                           << "1.1";
    QTest::newRow("negative") << "-3"
                              << "-2";
    QTest::newRow("minus one") << "-1"
                               << "0";
    QTest::newRow("blanks around") << "  4 "
                                   << "5";
    QTest::newRow("exponent") << "2e3"
                              << "2001";
    QTest::newRow("carry") << "999999"
                           << "1000000";
    QTest::newRow("15 digits") << "99999999999998"
                               << "99999999999999";
    QTest::newRow("past 15 digits") << "999999999999999"
                                    << "1e+15";
    QTest::newRow("empty") << ""
                           << "1";
    QTest::newRow("blanks") << "   "
                            << "1";
    QTest::newRow("letters") << "abc"
                             << "1";
    QTest::newRow("decimal comma") << "1,5"
                                   << "1";
    QTest::newRow("infinity") << "inf"
                              << "1";
    QTest::newRow("minus infinity") << "-inf"
                                    << "1";
    QTest::newRow("not a number") << "nan"
                                  << "1";
    QTest::newRow("out of range") << "1e400"
                                  << "1";
    QTest::newRow("long digits") << QString(30000, u'9') << "1";
    QTest::newRow("long letters") << QString(30000, u'z') << "1";
}

void TestGame::scoreBoxGainsOnePoint()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    FakeView view;
    Game game(view);
    game.Form_Load();
    view.setText(TextBox::txt3, before);
    for (const CellIndex cell : {0, 3, 1, 4, 8}) // X then O, O still one short of the middle row
        game.lbl1_Click(cell);
    view.setText(TextBox::txt3, before);
    game.lbl1_Click(5);
    QCOMPARE(view.messages, QStringList{"You Win!!"});
    QCOMPARE(view.text(TextBox::txt3), after);
}

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
