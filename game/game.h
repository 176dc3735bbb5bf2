// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"

#include <cstdint>

namespace zorbelkin {

// The procedures of the main window. They keep one integer, whose turn it is; everything else
// the game knows lives in the window and is reached through GameView.
class Game {
public:
    // view must outlive the game.
    explicit Game(GameView& view) : view_(view) {}

    // Starts a game: every cell blank and free, player 1 (X) to move. The scores stay.
    void Form_Load();
    // "New Game": exactly the start of the first game.
    void Cmd3_Click();
    // A click on a free cell: places the mark of the player named by the turn indicator, locks
    // the cell and ends the turn. Index is 0 to 8; a used cell is never passed.
    void lbl1_Click(CellIndex Index);

private:
    // Announces and scores the lines the move on played completed, then passes the turn.
    void EndTurn(CellIndex played);
    // Each line of one mark that the move on played has just completed raises "You Win!!" and
    // adds a point to the mover. Lines finished by earlier moves are not counted again.
    void win(CellIndex played);
    bool showsMark(CellIndex cell, Mark mark) const;
    void addPoint(TextBox score);

    GameView& view_;
    std::int16_t CurrentPlayer = 1;
};

} // namespace zorbelkin
