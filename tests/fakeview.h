// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"

#include <QString>
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

    // What a player can tell of the game, as one line: the board as three rows split by '/', with
    // 'X' or 'O' on a used cell, '.' on a free blank cell, '#' on a used blank one, and 'x' or 'o'
    // for a mark on a cell that is still free; then whose turn it is, the messages so far and the
    // two scores.
    QString state() const
    {
        QString board;
        for (CellIndex cell = 0; cell < cellCount; ++cell) {
            const PictureHandle shown = cells[cell];
            QChar mark = shown == markPictureHandle(Mark::X)   ? u'X'
                         : shown == markPictureHandle(Mark::O) ? u'O'
                                                               : u'.';
            if (mark == u'.' && !free[cell])
                mark = u'#';
            else if (mark != u'.' && free[cell])
                mark = mark.toLower();
            board += (cell > 0 && cell % 3 == 0 ? QStringLiteral("/") : QString()) + mark;
        }
        const auto shownText = [this](TextBox box) { return QString::fromStdString(text(box)); };
        return QStringLiteral("%1 turn %2, %3 messages, scores %4|%5")
            .arg(board, shownText(TextBox::Txt1))
            .arg(messages.size())
            .arg(shownText(TextBox::txt2), shownText(TextBox::txt3));
    }

    std::array<PictureHandle, cellCount> cells{};
    std::array<bool, cellCount> free{};
    std::array<std::string, 3> texts{};
    QStringList messages;
};

} // namespace zorbelkin::testing
