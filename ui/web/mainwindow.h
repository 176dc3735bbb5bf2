// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game.h"
#include "markpicture.h"
#include "page.h"
#include "windowlayout.h"

#include <array>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zorbelkin::web {

// A mark picture as the page shows it: by the addresses of its two renditions.
struct WebPicture {
    PictureHandle handle() const { return mark.handle; }

    MarkPicture mark;
    std::string src;    // the address of the picture at its own size
    std::string srcset; // "marks/x@4x.png 4x": its four-times rendition, for dense screens
};

// The game's window as a page: the board that the page holds from the start, written from the
// main window's table as the site was built, and the message box as a modal dialog.
//
// The window keeps what the game reads (pictures, enabled cells, texts) and shows each change in
// the order the game made it. A page cannot wait for a dialog, so showMessage returns at once and
// every change the game makes after it is held back until the player dismisses the box: the
// player sees the box, then the point, as on the desktop. While a box is open the page takes no
// input.
class MainWindow final : public GameView {
public:
    // Takes over the board that the page holds, colours it from the page's scheme and starts the
    // first game.
    MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Every event the page delivers, from listen().
    void handle(const val& event);

    PictureHandle cellPictureHandle(CellIndex cell) const override;
    PictureHandle markPictureHandle(Mark mark) const override;
    void assignPicture(CellIndex cell, Mark mark) override;
    void setCellEnabled(CellIndex cell, bool enabled) override;
    std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    void showMessage(const std::string& text) override;

private:
    using Picture = std::shared_ptr<const WebPicture>;
    // The picture holder's pictures, made on first use.
    struct Form2 {
        Picture x;
        Picture o;
    };

    // Runs one handler of the game. An exception out of it shows its error in a box; once that
    // is dismissed the board is gone, and nothing more reaches the game.
    void runHandler(const std::function<void()>& handler);

    // The element of member (0 for a row of one control, the cell for a cell array) of a row.
    template<ControlKind K> val control(Row<K> row, int member = 0) const
    {
        return element(row.index, member);
    }
    val element(std::size_t row, int member) const;
    const Form2& form2() const;
    Picture pictureOf(Mark mark) const;

    void showCell(CellIndex cell, Mark mark, bool enabled, bool announce);
    // Runs change now, or once the boxes open before it are dismissed.
    void show(std::function<void()> change);
    void showPending();
    void openBox(const std::string& text);
    void boxClosed();

    void pointerDown(const val& event);
    void pointerUp(const val& event);
    void click(const val& event);
    void readerPress(const val& target);
    void key(const val& event);
    void tab(const val& event);
    // Colours the board from the page's colour scheme, as the desktop programs do from theirs.
    void takeColours();

    val frame_ = val::undefined();
    val board_ = val::undefined();
    val box_ = val::undefined();
    val boxText_ = val::undefined();
    val boxOk_ = val::undefined();
    val spoken_ = val::undefined();
    // The system colours that the board's colours are made from: the first two as the page's
    // scheme gives them, the others as the board's controls show them.
    struct {
        val captionText = val::undefined();
        val canvasText = val::undefined();
        val field = val::undefined();
        val grayText = val::undefined();
    } system_;

    mutable std::optional<Form2> form2_;
    std::array<Picture, cellCount> pictures_{};
    std::array<bool, cellCount> cellEnabled_{};
    std::array<std::string, textBoxes.size()> texts_;

    std::deque<std::function<void()>> pending_;
    bool boxOpen_ = false;
    bool ended_ = false;
    std::optional<CellIndex> pressedCell_;
    // Whether a pointer is pressed, or was until the click it makes.
    bool pointerClick_ = false;
    Game game_{*this};
};

} // namespace zorbelkin::web
