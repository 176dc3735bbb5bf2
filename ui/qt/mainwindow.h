// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "buildwindow.h"
#include "game.h"
#include "gameview.h"
#include "spoken.h"

#include <QWidget>

#include <optional>

namespace zorbelkin {

class Form2;

// The main window: its controls hold the game's state, and it passes the clicks on the cells and
// on "New Game" to the game. Building it starts the first game.
class MainWindow : public QWidget, public GameView {
    Q_OBJECT
public:
    // Throws std::runtime_error if a mark picture cannot be loaded.
    explicit MainWindow(QWidget* parent = nullptr);

    PictureHandle cellPictureHandle(CellIndex cell) const override;
    PictureHandle markPictureHandle(Mark mark) const override;
    void assignPicture(CellIndex cell, Mark mark) override;
    void setCellEnabled(CellIndex cell, bool enabled) override;
    std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    void showMessage(const std::string& text) override;

    // What a screen reader is told of control, one of this window's own; none for decoration
    // and for any other widget.
    std::optional<Spoken> spoken(const QWidget& control) const;

protected:
    // Follows the desktop's colours when they change while the game runs: the application hears
    // of it, but not a window whose palette is its own.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The picture holder, created hidden on first use.
    Form2& form2() const;
    void connectHandlers();

    // Built after the window's looks are set, so that the controls take them.
    BuiltControls controls_;
    mutable Form2* form2_ = nullptr;
    Game game_{*this};
};

} // namespace zorbelkin
