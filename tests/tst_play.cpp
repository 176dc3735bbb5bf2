// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "boardstate.h"
#include "windowtesting.h"

#include <QRandomGenerator>

#include <array>

using namespace zorbelkin;
using namespace zorbelkin::testing;

namespace {

// The rules as a player knows them, written apart from the game's code: the board as text, the
// scores as numbers. Where the cells and the button lie is the layout's.
struct Model {
    static QRect cell(int i) { return qtRect(toPixels(cellRect(CellIndex(i)))); }
    static QRect button()
    {
        return qtRect(membersOf(mainWindowRows[mainRow::Cmd3.index]).front().rect);
    }

    void clickAt(QPoint p)
    {
        if (button().contains(p)) {
            board.fill(u'.');
            turn = 1;
        }
        for (int i = 0; i < 9; ++i) {
            if (cell(i).contains(p) && board[i] == u'.')
                play(i);
        }
    }

    void play(int cell)
    {
        static constexpr int lines[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                            {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}};
        const QChar mark = turn == 1 ? u'X' : u'O';
        board[cell] = mark;
        for (const auto& line : lines) {
            const bool throughCell = line[0] == cell || line[1] == cell || line[2] == cell;
            if (throughCell && board[line[0]] == mark && board[line[1]] == mark &&
                board[line[2]] == mark) {
                ++messages;
                scores[turn - 1] = QString::number(++values[turn - 1], 'g', 15);
            }
        }
        turn = 3 - turn;
    }

    QString state() const
    {
        const QString rows = board.left(3) + u'/' + board.mid(3, 3) + u'/' + board.mid(6);
        return stateText(rows, QString::number(turn), messages, scores[0], scores[1]);
    }

    QString board = QString(9, u'.');
    int turn = 1;
    int messages = 0;
    std::array<QString, 2> scores{"0", "0"};
    std::array<double, 2> values{0, 0};
};

QString state(const CountingWindow& w)
{
    return stateOf(
        w, [&](CellIndex cell) { return lbl1(w, cell)->isEnabled(); }, w.messages.size());
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(strayWindows(), QStringList()); }
    void randomPlayFollowsTheRules();
};

// Random games of clicks anywhere, free cells and used ones alike, "New Game" and scores typed by
// hand, each step checked against the model: enough games to meet every rule many times over in a
// few seconds, even under an emulator. A new seed each run, printed first; ZORBELKIN_SEED repeats
// a run.
void TestPlay::randomPlayFollowsTheRules()
{
    // Seeds are 32-bit unsigned; qEnvironmentVariableIntValue would read half of them as 0.
    const quint32 seed = qEnvironmentVariableIsSet("ZORBELKIN_SEED")
                             ? qEnvironmentVariable("ZORBELKIN_SEED").toUInt()
                             : QRandomGenerator::system()->generate();
    qInfo("seed %u (ZORBELKIN_SEED=%u repeats this run)", seed, seed);
    QRandomGenerator random(seed);
    const std::pair<QString, double> typed[] = {{"", 0},      {"abc", 0}, {"5", 5},
                                                {"2.5", 2.5}, {" 7 ", 7}, {"1,5", 0}};
    constexpr int games = 300;
    CountingWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Model model;
    int steps = 0;
    for (int game = 0; game < games; ++game) {
        clickAt(w, Model::button().center());
        model.clickAt(Model::button().center());
        QString lastStep;
        for (int step = random.bounded(1, 25); step > 0; --step, ++steps) {
            const QString before = model.state();
            const int action = random.bounded(100);
            if (action < 95) {
                const QRect area = action < 80 ? Model::cell(random.bounded(9)) : w.rect();
                QPoint p;
                do // QTest clicks the window's centre for (0, 0)
                    p = QPoint(area.left() + random.bounded(area.width()),
                               area.top() + random.bounded(area.height()));
                while (p.isNull());
                clickAt(w, p);
                model.clickAt(p);
                lastStep = QStringLiteral("a click at (%1, %2)").arg(p.x()).arg(p.y());
            } else {
                const int player = random.bounded(2);
                const auto& [text, value] = typed[random.bounded(6)];
                w.setText(player == 0 ? TextBox::txt2 : TextBox::txt3, text.toStdString());
                model.scores[player] = text;
                model.values[player] = value;
                lastStep = QStringLiteral("\"%1\" typed for player %2").arg(text).arg(player + 1);
            }
            if (state(w) != model.state())
                QFAIL(qPrintable(QStringLiteral("seed %1 (ZORBELKIN_SEED=%1), game %2: after %3 on "
                                                "\"%4\", the window shows \"%5\", expected \"%6\"")
                                     .arg(seed)
                                     .arg(game)
                                     .arg(lastStep, before, state(w), model.state())));
        }
    }
    qInfo("%d games, %d steps, %d messages", games, steps, int(w.messages.size()));
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
