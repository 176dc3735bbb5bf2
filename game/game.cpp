// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "game.h"

#include "score.h"

#include <algorithm>
#include <array>
#include <string>

namespace zorbelkin {
namespace {

using Line = std::array<CellIndex, 3>;

// Rows, columns, then diagonals: the order in which completed lines are announced.
constexpr std::array<Line, 8> lines{{
    {0, 1, 2},
    {3, 4, 5},
    {6, 7, 8},
    {0, 3, 6},
    {1, 4, 7},
    {2, 5, 8},
    {0, 4, 8},
    {2, 4, 6},
}};

} // namespace

void Game::Form_Load()
{
    CurrentPlayer = 1;
    view_.setText(TextBox::Txt1, std::to_string(CurrentPlayer));
    for (CellIndex i = 0; i < cellCount; ++i) {
        view_.assignPicture(i, Mark::Blank);
        view_.setCellEnabled(i, true);
    }
}

void Game::Cmd3_Click()
{
    Form_Load();
}

void Game::lbl1_Click(CellIndex Index)
{
    if (view_.text(TextBox::Txt1) == "1")
        view_.assignPicture(Index, Mark::X);
    else if (view_.text(TextBox::Txt1) == "2")
        view_.assignPicture(Index, Mark::O);
    view_.setCellEnabled(Index, false);
    EndTurn(Index);
}

void Game::EndTurn(CellIndex played)
{
    win(played);
    CurrentPlayer = CurrentPlayer == 1 ? 2 : 1;
    view_.setText(TextBox::Txt1, std::to_string(CurrentPlayer));
}

void Game::win(CellIndex played)
{
    for (const Mark mark : {Mark::X, Mark::O}) {
        for (const Line& line : lines) {
            const bool throughMove = std::find(line.begin(), line.end(), played) != line.end();
            if (throughMove && std::all_of(line.begin(), line.end(),
                                           [&](CellIndex cell) { return showsMark(cell, mark); })) {
                view_.showMessage("You Win!!");
                addPoint(CurrentPlayer == 1 ? TextBox::txt2 : TextBox::txt3);
            }
        }
    }
}

bool Game::showsMark(CellIndex cell, Mark mark) const
{
    return view_.cellPictureHandle(cell) == view_.markPictureHandle(mark);
}

void Game::addPoint(TextBox score)
{
    view_.setText(score, scoreToText(scoreFromText(view_.text(score)) + 1.0));
}

} // namespace zorbelkin
