#include "game.h"

namespace zorbelkin
{

void Game::Form_Load()
{
    CurrentPlayer = 1;
    view_.setText(TextBox::Txt1, QString::number(CurrentPlayer));
    for (CellIndex i = 0; i < cellCount; ++i) {
        view_.assignPicture(i, Mark::Blank);
        view_.setCellEnabled(i, true);
    }
}

void Game::Cmd3_Click()
{
    Form_Load();
}

} // namespace zorbelkin
