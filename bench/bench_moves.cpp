// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// The cost of play on the real window logic, with the messages counted instead of shown. Clicks
// enter where the mouse's would, at the controls' click signals.
#include "controls.h"
#include "mainwindow.h"

#include <QPushButton>
#include <QTest>

using namespace zorbelkin;

namespace {

// The real window, with its messages counted instead of shown.
class CountingWindow : public MainWindow {
public:
    void showMessage(const std::string& text) override { messages << QString::fromStdString(text); }
    QStringList messages;
};

QPushButton* newGameButton(const QWidget& window)
{
    return window.findChild<QPushButton*>(QStringLiteral("Cmd3"));
}

} // namespace

class BenchMoves : public QObject {
    Q_OBJECT

private slots:
    void fullGame();
    void newGame();
};

// Nine moves, the last completing two lines, then "New Game": a game with its start.
void BenchMoves::fullGame()
{
    CountingWindow w;
    std::array<ClickableLabel*, cellCount> cells{};
    for (CellIndex i = 0; i < cellCount; ++i)
        cells[i] = w.findChild<ClickableLabel*>(QString::fromStdString(arrayMemberName("lbl1", i)));
    QPushButton* newGame = newGameButton(w);
    constexpr std::array<CellIndex, 9> moves{1, 4, 2, 5, 3, 8, 6, 7, 0};
    QBENCHMARK
    {
        newGame->click();
        for (const CellIndex cell : moves)
            emit cells[cell]->clicked();
    }
    QCOMPARE(w.text(TextBox::Txt1), std::string("2"));
    QVERIFY(w.messages.size() >= 2);
}

void BenchMoves::newGame()
{
    CountingWindow w;
    QPushButton* newGame = newGameButton(w);
    QBENCHMARK
    {
        newGame->click();
    }
    QCOMPARE(w.text(TextBox::Txt1), std::string("1"));
}

QTEST_MAIN(BenchMoves)
#include "bench_moves.moc"
