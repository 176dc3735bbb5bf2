#pragma once

#include "gameview.h"

#include <cstdint>

namespace zorbelkin
{

// The procedures of the main window. They keep one integer, whose turn it is; everything else
// the game knows lives in the window and is reached through GameView.
class Game
{
public:
    // view must outlive the game.
    explicit Game(GameView& view) : view_(view) {}

    // Starts a game: every cell blank and free, player 1 (X) to move. The scores stay.
    void Form_Load();
    // "New Game": exactly the start of the first game.
    void Cmd3_Click();

private:
    GameView& view_;
    std::int16_t CurrentPlayer = 1;
};

} // namespace zorbelkin
