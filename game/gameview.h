// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

namespace zorbelkin {

// A cell of the board, 0 to 8, row-major from the top left.
using CellIndex = std::int16_t;
inline constexpr CellIndex cellCount = 9;

// Identifies one loaded picture: 0 for the blank picture; the X and O pictures have distinct,
// non-zero handles that stay the same while the program runs.
using PictureHandle = std::uint32_t;

// What a cell can show: the picture holder's blank (imgna), X (thex) or O (theo) picture.
enum class Mark { Blank, X, O };

// The text boxes the game uses: the turn indicator and the scores of player 1 and player 2.
enum class TextBox { Txt1, txt2, txt3 };

// Everything the game needs of its window. The game stores nothing of the board itself: a cell's
// mark is the picture its image shows, and a cell is free while its label is enabled.
// Every cell argument is 0 to 8.
class GameView {
public:
    virtual ~GameView() = default;

    // The handle of the picture Img1(cell) shows; 0 while it shows none.
    virtual PictureHandle cellPictureHandle(CellIndex cell) const = 0;
    // The handle of the holder's picture for mark. Reaching the holder creates it on first use.
    virtual PictureHandle markPictureHandle(Mark mark) const = 0;
    // Makes Img1(cell) show the holder's picture for mark: the same object, not a copy.
    virtual void assignPicture(CellIndex cell, Mark mark) = 0;
    // An enabled lbl1(cell) passes its clicks to the game; a disabled one swallows them.
    virtual void setCellEnabled(CellIndex cell, bool enabled) = 0;

    // Texts are UTF-8.
    virtual std::string text(TextBox box) const = 0;
    virtual void setText(TextBox box, const std::string& text) = 0;

    // Shows a modal message with a single OK button. Every later change to the window shows only
    // once the player has dismissed it: a desktop returns then, a page at once, holding the
    // changes back.
    virtual void showMessage(const std::string& text) = 0;

protected:
    GameView() = default;
    GameView(const GameView&) = default;
    GameView& operator=(const GameView&) = default;
};

// The mark that view's Img1(cell) shows, told by its picture: Blank while it shows none or another.
// Reaches the holder only once the cell shows a picture, which has made the holder already.
inline Mark shownMark(const GameView& view, CellIndex cell)
{
    const PictureHandle shown = view.cellPictureHandle(cell);
    if (!shown)
        return Mark::Blank;
    for (const Mark mark : {Mark::X, Mark::O})
        if (shown == view.markPictureHandle(mark))
            return mark;
    return Mark::Blank;
}

} // namespace zorbelkin
