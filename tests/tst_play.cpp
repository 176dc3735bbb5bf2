#include "windowtesting.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <array>
#include <memory>

using namespace zorbelkin;
using namespace zorbelkin::testing;

namespace {

// The rules as a player knows them, written apart from the game's code: the board as characters,
// geometry in pixels, and the scores as numbers.
class Model {
public:
    // Where the window puts the cells and the button, in pixels.
    static QRect cellRect(int cell)
    {
        return {32 + 144 * (cell % 3), 24 + 136 * (cell / 3), 113, 105};
    }
    static QRect buttonRect() { return {56, 416, 49, 33}; }

    void newGame()
    {
        board_.fill('.');
        turn_ = 1;
    }

    void clickAt(QPoint p)
    {
        if (buttonRect().contains(p))
            newGame();
        for (int cell = 0; cell < 9; ++cell) {
            if (cellRect(cell).contains(p))
                play(cell);
        }
    }

    void typeScore(int player, const QString& text, double value)
    {
        scores_[player - 1] = {text, value};
    }

    QString board() const { return QString::fromLatin1(board_.data(), 9); }
    QString turn() const { return QString::number(turn_); }
    int messages() const { return messages_; }
    QString score(int player) const { return scores_[player - 1].text; }

private:
    struct Score {
        QString text;
        double value;
    };

    void play(int cell)
    {
        if (board_[cell] != '.')
            return;
        const char mark = turn_ == 1 ? 'X' : 'O';
        board_[cell] = mark;
        static constexpr int lines[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                            {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}};
        for (const auto& line : lines) {
            const bool throughCell = line[0] == cell || line[1] == cell || line[2] == cell;
            if (throughCell && board_[line[0]] == mark && board_[line[1]] == mark &&
                board_[line[2]] == mark) {
                ++messages_;
                Score& score = scores_[turn_ - 1];
                score.value += 1;
                score.text = QString::number(score.value, 'g', 15);
            }
        }
        turn_ = 3 - turn_;
    }

    std::array<char, 9> board_{};
    int turn_ = 1;
    int messages_ = 0;
    std::array<Score, 2> scores_{{{"0", 0}, {"0", 0}}};
};

QString windowBoard(const CountingWindow& w)
{
    QString board;
    for (CellIndex cell = 0; cell < cellCount; ++cell) {
        const PictureHandle shown = w.cellPictureHandle(cell);
        board += shown == w.markPictureHandle(Mark::X)   ? u'X'
                 : shown == w.markPictureHandle(Mark::O) ? u'O'
                                                         : u'.';
    }
    return board;
}

// What differs between the model and the window, or nothing.
QString mismatch(const Model& model, const CountingWindow& w)
{
    QStringList differences;
    const auto compare = [&](const char* what, const QString& expected, const QString& actual) {
        if (expected != actual)
            differences << QStringLiteral("%1 is \"%2\", expected \"%3\"")
                               .arg(QLatin1String(what), actual.left(40), expected.left(40));
    };
    compare("board", model.board(), windowBoard(w));
    QString free;
    for (CellIndex cell = 0; cell < cellCount; ++cell)
        free += lbl1(w, cell)->isEnabled() ? u'.' : u'#';
    QString expectedFree = model.board();
    expectedFree.replace(QRegularExpression(QStringLiteral("[XO]")), QStringLiteral("#"));
    compare("free cells", expectedFree, free);
    compare("turn", model.turn(), w.text(TextBox::Txt1));
    compare("messages", QString::number(model.messages()), QString::number(w.messages.size()));
    compare("player 1's score", model.score(1), w.text(TextBox::txt2));
    compare("player 2's score", model.score(2), w.text(TextBox::txt3));
    return differences.join(QStringLiteral("; "));
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(strayWindows(), QStringList()); }
    void randomPlayFollowsTheRules();
};

void TestPlay::randomPlayFollowsTheRules()
{
    const quint32 seed = qEnvironmentVariableIsSet("ZORBELKIN_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ZORBELKIN_SEED"))
                             : QRandomGenerator::system()->generate();
    QRandomGenerator random(seed);
    constexpr int sequences = 4000;
    const std::array<std::pair<QString, double>, 6> typed{
        {{"", 0}, {"abc", 0}, {"5", 5}, {"2.5", 2.5}, {" 7 ", 7}, {"1,5", 0}}};

    auto w = std::make_unique<CountingWindow>();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    Model model;
    model.newGame();
    int steps = 0;
    for (int sequence = 0; sequence < sequences; ++sequence) {
        clickAt(*w, Model::buttonRect().center());
        model.newGame();
        const int length = random.bounded(1, 25);
        for (int step = 0; step < length; ++step, ++steps) {
            const int action = random.bounded(100);
            if (action < 80) {
                const QRect cell = Model::cellRect(random.bounded(9));
                const QPoint p(cell.left() + random.bounded(cell.width()),
                               cell.top() + random.bounded(cell.height()));
                clickAt(*w, p);
                model.clickAt(p);
            } else if (action < 95) {
                const QPoint p(random.bounded(w->width()), random.bounded(w->height()));
                clickAt(*w, p);
                model.clickAt(p);
            } else {
                const int player = random.bounded(1, 3);
                const auto& [text, value] = typed[random.bounded(int(typed.size()))];
                w->setText(player == 1 ? TextBox::txt2 : TextBox::txt3, text);
                model.typeScore(player, text, value);
            }
            const QString difference = mismatch(model, *w);
            if (!difference.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1 (rerun with ZORBELKIN_SEED=%1), "
                                                "sequence %2, step %3: %4")
                                     .arg(seed)
                                     .arg(sequence)
                                     .arg(step)
                                     .arg(difference)));
        }
    }
    qInfo("seed %u: %d sequences, %d steps, %d messages", seed, sequences, steps,
          int(w->messages.size()));
}

QTEST_MAIN(TestPlay)
#include "tst_play.moc"
