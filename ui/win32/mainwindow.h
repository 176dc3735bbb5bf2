// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "accessibility.h"
#include "builtwindow.h"
#include "form2.h"
#include "game.h"
#include "gameview.h"

#include <wrl/client.h>

#include <memory>

namespace zorbelkin {

// The main window: its controls hold the game's state, and it passes the clicks on the cells and
// on "New Game" to the game. Building it starts the first game. Screen readers find its controls
// through Active Accessibility: the cells by name, pressed by their default action.
class MainWindow : public BuiltWindow, public GameView, private SpokenWindow {
public:
    // The holder of the mark pictures is made when a mark is first shown.
    MainWindow();

    // Shows the window with the focus on the first control that takes it.
    void show(int showCommand);

    PictureHandle cellPictureHandle(CellIndex cell) const override;
    PictureHandle markPictureHandle(Mark mark) const override;
    void assignPicture(CellIndex cell, Mark mark) override;
    void setCellEnabled(CellIndex cell, bool enabled) override;
    std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    void showMessage(const std::string& text) override;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND spokenHwnd() const override { return hwnd(); }
    long spokenCount() const override;
    SpokenControl spokenChild(long id) const override;
    std::optional<long> spokenControlAt(POINT screen) const override;
    void pressLater(long id) override;

private:
    // The cell whose label control is; none for any other control, or for null.
    std::optional<CellIndex> cellOf(const Control* control) const;
    // The child id by which a screen reader knows the control, and the control it names.
    long spokenId(const Control& control) const;
    const Control& controlWithId(long id) const;
    // Does what a click on control does, if it and the window are enabled: "New Game" starts a
    // game, a cell is played.
    void click(const Control& control);
    // Takes the left button's press and release on the window, where they fall on no control
    // of the system's: a cell is clicked by a press and a release on it.
    void pressAt(POINT client);
    void releaseAt(POINT client);
    // Gets the window ready for the screen reader that has just asked for an object: starts COM
    // and names the text boxes, once. True if it is ready.
    bool readyForScreenReaders();
    void nameTextBoxes();
    void releaseAccessibility();

    // The picture holder, created hidden on first use. Throws std::runtime_error if a picture
    // is missing.
    Form2& form2() const;
    std::shared_ptr<const Picture> holderPicture(Mark mark) const;
    HWND textBox(TextBox box) const;
    // Gives control the focus, its text all selected if it is a text box, as the system's
    // dialog navigation does.
    static void focus(HWND control);

    // The controls a screen reader is told of, back to front: all but the pictures and lines.
    const std::vector<const Control*> spoken_;
    const Control* pressed_ = nullptr; // the cell under the left button since it went down
    HWND focused_ = nullptr;           // the control that had the focus when the window lost it
    mutable std::unique_ptr<Form2> form2_;
    // One reference, created on a screen reader's asking.
    AccessibleWindow* accessible_ = nullptr;
    Microsoft::WRL::ComPtr<IAccPropServices> accessibleNames_; // where the system offers it
    bool textBoxesNamed_ = false;
    Game game_{*this};
};

} // namespace zorbelkin
