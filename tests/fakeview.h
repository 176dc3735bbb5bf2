// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "boardstate.h"

#include <QStringList>

#include <array>
#include <string>

namespace zorbelkin::testing {

// A window of plain data, to play the rules without widgets.
class FakeView : public GameView {
public:
    static constexpr std::array<PictureHandle, 3> handles{0, 0x5a17, 0x0b0e}; // Blank, X, O

    PictureHandle cellPictureHandle(CellIndex cell) const override { return cells.at(cell); }
    PictureHandle markPictureHandle(Mark mark) const override
    {
        return handles.at(static_cast<std::size_t>(mark));
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
    void showMessage(const std::string& text) override { messages << QString::fromStdString(text); }

    QString state() const
    {
        return stateOf(*this, [this](CellIndex cell) { return free[cell]; }, messages.size());
    }

    std::array<PictureHandle, cellCount> cells{};
    std::array<bool, cellCount> free{};
    std::array<std::string, 3> texts{};
    QStringList messages;
};

} // namespace zorbelkin::testing
