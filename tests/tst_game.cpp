#include "fakeview.h"
#include "game.h"

#include <QTest>

using zorbelkin::Game;
using zorbelkin::TextBox;
using zorbelkin::testing::FakeView;

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void startClearsBoardAndGivesFirstMoveToPlayerOne_data();
    void startClearsBoardAndGivesFirstMoveToPlayerOne();
};

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

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
