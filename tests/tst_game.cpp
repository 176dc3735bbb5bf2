// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "fakeview.h"
#include "game.h"
#include "scorecases.h"

#include <QTest>

using namespace zorbelkin;
using zorbelkin::testing::FakeView;

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void gameToAFullBoardFollowsTheRules();
    void moveCompletingTwoLinesScoresTwice();
    void scoreBoxGainsOnePoint_data();
    void scoreBoxGainsOnePoint();
};

// One game to a full board, then "New Game" twice. A line is announced and scored in the move
// that completes it, for the mover, and never again.
void TestGame::gameToAFullBoardFollowsTheRules()
{
    FakeView view;
    view.assignPicture(0, Mark::X); // whatever the window held before
    view.setCellEnabled(1, false);
    view.texts = {"2", "0", "0"};
    Game game(view);
    game.Form_Load();
    QCOMPARE(view.state(), QStringLiteral(".../.../... turn 1, 0 messages, scores 0|0"));

    const std::pair<CellIndex, const char*> moves[] = {
        {4, ".../.X./... turn 2, 0 messages, scores 0|0"},
        {0, "O../.X./... turn 1, 0 messages, scores 0|0"},
        {8, "O../.X./..X turn 2, 0 messages, scores 0|0"},
        {2, "O.O/.X./..X turn 1, 0 messages, scores 0|0"},
        {6, "O.O/.X./X.X turn 2, 0 messages, scores 0|0"},
        {1, "OOO/.X./X.X turn 1, 1 messages, scores 0|1"},
        {7, "OOO/.X./XXX turn 2, 2 messages, scores 1|1"},
        {3, "OOO/OX./XXX turn 1, 2 messages, scores 1|1"},
        {5, "OOO/OXX/XXX turn 2, 2 messages, scores 1|1"},
    };
    for (const auto& [cell, state] : moves) {
        game.lbl1_Click(cell);
        QCOMPARE(view.state(), QLatin1String(state));
    }
    QCOMPARE(view.messages, QStringList({"You Win!!", "You Win!!"}));

    view.setText(TextBox::txt3, "typed");
    game.Cmd3_Click();
    game.Cmd3_Click();
    game.lbl1_Click(0);
    QCOMPARE(view.state(), QStringLiteral("X../.../... turn 2, 2 messages, scores 1|typed"));
}

// X's last move completes the top row and the left column at once: two messages, two points,
// and the turn passes as after any move.
void TestGame::moveCompletingTwoLinesScoresTwice()
{
    FakeView view;
    view.texts = {"", "5", "0"};
    Game game(view);
    game.Form_Load();
    for (const CellIndex cell : {1, 4, 2, 5, 3, 8, 6, 7})
        game.lbl1_Click(cell);
    QCOMPARE(view.state(), QStringLiteral(".XX/XOO/XOO turn 1, 0 messages, scores 5|0"));
    game.lbl1_Click(0);
    QCOMPARE(view.state(), QStringLiteral("XXX/XOO/XOO turn 2, 2 messages, scores 7|0"));
}

void TestGame::scoreBoxGainsOnePoint_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    for (const auto& [before, after] : zorbelkin::testing::scoreCases()) {
        const QString text = QString::fromStdString(before);
        QTest::newRow(qPrintable(u'"' + text.left(16) + u'"'))
            << text << QString::fromStdString(after);
    }
}

void TestGame::scoreBoxGainsOnePoint()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    FakeView view;
    Game game(view);
    game.Form_Load();
    for (const CellIndex cell : {0, 3, 1, 4, 8})
        game.lbl1_Click(cell);
    view.setText(TextBox::txt3, before.toStdString());
    game.lbl1_Click(5); // O completes the middle row
    QCOMPARE(view.state(), QStringLiteral("XX./OOO/..X turn 1, 1 messages, scores |") + after);
}

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
