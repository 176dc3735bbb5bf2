// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

// The shared core without a window: the rules, the scores and the marks' scaling, on the
// standard library alone, so that they run in every build: natively (in the locale that CTest
// names, which writes a decimal comma, as many players' does), under the sanitizers, under qemu,
// under Wine and under node. Prints each case that fails; exit status 1 if any did.
#include "colours.h"
#include "game.h"
#include "gameview.h"
#include "score.h"

#include <array>
#include <cctype>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace zorbelkin;

// A window of plain data; a mark's picture handle is its letter.
class FakeView : public GameView {
public:
    PictureHandle cellPictureHandle(CellIndex cell) const override { return cells.at(cell); }
    PictureHandle markPictureHandle(Mark mark) const override
    {
        return std::array<PictureHandle, 3>{0, 'X', 'O'}.at(static_cast<std::size_t>(mark));
    }
    void assignPicture(CellIndex cell, Mark mark) override
    {
        cells.at(cell) = markPictureHandle(mark);
    }
    void setCellEnabled(CellIndex cell, bool enabled) override { free.at(cell) = enabled; }
    std::string text(TextBox box) const override { return texts.at(static_cast<std::size_t>(box)); }
    void setText(TextBox box, const std::string& text) override
    {
        texts.at(static_cast<std::size_t>(box)) = text;
    }
    void showMessage(const std::string&) override { ++messages; }

    // What a player can tell of the game, as one line: the board as three rows split by '/', with
    // 'X' or 'O' on a used cell, '.' on a free blank cell, '#' on a used blank one, and 'x' or 'o'
    // for a mark on a cell that is still free; then whose turn it is, the messages so far and the
    // two scores.
    std::string state() const
    {
        std::string board;
        for (CellIndex cell = 0; cell < cellCount; ++cell) {
            const auto mark = static_cast<char>(cells[cell] ? cells[cell] : free[cell] ? '.' : '#');
            if (cell > 0 && cell % 3 == 0)
                board += '/';
            board += free[cell] ? static_cast<char>(std::tolower(mark)) : mark;
        }
        return board + " turn " + texts[0] + ", " + std::to_string(messages) +
               " messages, scores " + texts[1] + '|' + texts[2];
    }

    std::array<PictureHandle, cellCount> cells{};
    std::array<bool, cellCount> free{};
    std::array<std::string, 3> texts{};
    int messages = 0;
};

// From a window that still shows an old game, with scores of 5 and 0: each move is a cell, or 'n'
// for "New Game".
std::string played(std::string_view moves)
{
    FakeView view;
    view.assignPicture(0, Mark::X);
    view.setCellEnabled(1, false);
    view.texts = {"2", "5", "0"};
    Game game(view);
    game.Form_Load();
    for (const char move : moves) {
        if (move == 'n')
            game.Cmd3_Click();
        else
            game.lbl1_Click(static_cast<CellIndex>(move - '0'));
    }
    return view.state();
}

struct Case {
    std::string what;
    std::string seen;
    std::string expected;
};

std::vector<Case> rulesCases()
{
    return {{"a fresh board, X to move", played(""), ".../.../... turn 1, 0 messages, scores 5|0"},
            {"a line scores for the mover, in its move", played("408261"),
             "OOO/.X./X.X turn 1, 1 messages, scores 5|1"},
            {"an old line never again", played("408261735"),
             "OOO/OXX/XXX turn 2, 2 messages, scores 6|1"},
            {"one move completing two lines scores twice", played("142538670"),
             "XXX/XOO/XOO turn 2, 2 messages, scores 7|0"},
            {"New Game keeps the scores, and X moves first", played("408261735nn0"),
             "X../.../... turn 2, 2 messages, scores 6|1"}};
}

// A score box's text before a point is added, and after.
std::vector<std::pair<std::string, std::string>> scoreCases()
{
    return {{"0", "1"},
            {"2.5", "3.5"},
            {"0.1", "1.1"},
            {"-1", "0"},
            {"  4 ", "5"},
            {"2e3", "2001"},
            {"999999", "1000000"},
            {"99999999999998", "99999999999999"},
            {"999999999999999", "1e+15"},
            // Not a finite number: counts as 0.
            {"", "1"},
            {"   ", "1"},
            {"abc", "1"},
            {"1,5", "1"},
            {"inf", "1"},
            {"nan", "1"},
            {"1e400", "1"},
            {std::string(30000, '9'), "1"}};
}

// A black stroke one pixel wide down the second column of a white picture, scaled down: each
// pixel's grey level, rows apart by '/', or '?' for a pixel that is not an opaque grey. The
// nearest pixel would keep the stroke whole or drop it; the mean of each area greys a pixel by
// the share of black it covers.
std::string strokeScaled(int from, int to)
{
    std::vector<std::uint32_t> picture(std::size_t(from) * from, 0xffffffff);
    for (int y = 0; y < from; ++y)
        picture[std::size_t(y) * from + 1] = 0xff000000;
    const std::vector<std::uint32_t> scaled = areaScaled(picture, from, from, to, to);
    std::string greys;
    for (std::size_t i = 0; i < scaled.size(); ++i) {
        const std::uint32_t level = scaled[i] & 0xff;
        greys += i == 0 ? "" : i % to ? " " : "/";
        greys += scaled[i] == (0xff000000 | level * 0x010101) ? std::to_string(level) : "?";
    }
    return greys;
}

} // namespace

int main()
{
    // As the Linux program's toolkit does at start. Debian's locales may be missing outside CI.
    if (!std::setlocale(LC_ALL, "")) {
        std::puts("SKIP: the environment's locale is missing: install Debian's locales to run the "
                  "scores in one that writes a decimal comma");
        const char* ci = std::getenv("CI");
        if (ci && std::string_view(ci) == "true")
            return EXIT_FAILURE;
    }
    std::vector<Case> cases = rulesCases();
    cases.push_back({"a thin stroke scaled to half", strokeScaled(4, 2), "128 255/128 255"});
    cases.push_back({"a thin stroke scaled to two thirds", strokeScaled(6, 4),
                     "170 170 255 255/170 170 255 255/170 170 255 255/170 170 255 255"});
    for (const auto& [before, after] : scoreCases())
        cases.push_back({'"' + before.substr(0, 16) + "\" + 1",
                         scoreToText(scoreFromText(before) + 1.0), after});
    int wrong = 0;
    for (const auto& [what, seen, expected] : cases) {
        if (seen != expected) {
            std::printf("%s: \"%s\", not \"%s\"\n", what.c_str(), seen.c_str(), expected.c_str());
            ++wrong;
        }
    }
    std::printf("%zu cases, %d wrong\n", cases.size(), wrong);
    return wrong == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
