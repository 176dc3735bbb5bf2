// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "fakeview.h"
#include "game.h"
#include "scorecases.h"

#include <QTest>

#include <clocale>

using namespace zorbelkin;
using zorbelkin::testing::FakeView;

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void gameFollowsTheRules_data();
    void gameFollowsTheRules();
    void scoreBoxGainsOnePoint_data();
    void scoreBoxGainsOnePoint();
};

// CTest runs these tests in a locale that writes a decimal comma, as many players' do, which Qt
// takes from the environment: the scores must still read and write a decimal point. A machine
// without Debian's locales has no such locale: there the rules run in the C locale, said once.
void TestGame::initTestCase()
{
    if (QByteArray(std::localeconv()->decimal_point) == ",")
        return;
    if (qEnvironmentVariable("CI") == QLatin1String("true"))
        QFAIL("no locale writes a decimal comma");
    qInfo("SKIP: no locale writes a decimal comma here: install Debian's locales to run the rules "
          "in one");
}

void TestGame::gameFollowsTheRules_data()
{
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("seen");
    QTest::newRow("a fresh board, X to move") << "" << ".../.../... turn 1, 0 messages, scores 5|0";
    QTest::newRow("a line scores for the mover, in its move")
        << "408261" << "OOO/.X./X.X turn 1, 1 messages, scores 5|1";
    QTest::newRow("an old line never again")
        << "408261735" << "OOO/OXX/XXX turn 2, 2 messages, scores 6|1";
    QTest::newRow("one move completing two lines scores twice")
        << "142538670" << "XXX/XOO/XOO turn 2, 2 messages, scores 7|0";
    QTest::newRow("New Game keeps the scores, and X moves first")
        << "408261735nn0" << "X../.../... turn 2, 2 messages, scores 6|1";
}

// From a window that still shows an old game, with scores of 5 and 0: each move is a cell, or 'n'
// for "New Game".
void TestGame::gameFollowsTheRules()
{
    QFETCH(QString, moves);
    QFETCH(QString, seen);
    FakeView view;
    view.assignPicture(0, Mark::X);
    view.setCellEnabled(1, false);
    view.texts = {"2", "5", "0"};
    Game game(view);
    game.Form_Load();
    for (const QChar move : moves) {
        if (move == u'n')
            game.Cmd3_Click();
        else
            game.lbl1_Click(move.digitValue());
    }
    QCOMPARE(view.state(), seen);
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
