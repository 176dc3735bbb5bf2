#pragma once

#include "gameview.h"

#include <QStringList>

#include <array>

namespace zorbelkin::testing {

// A window of plain data, to play the rules without widgets. Its board reads as three rows split
// by '/': 'X' or 'O' for a used cell with that mark, '.' for a free blank cell, '#' for a used
// blank one, and 'x' or 'o' for a mark on a cell that is still free.
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
    QString text(TextBox box) const override { return texts.at(static_cast<std::size_t>(box)); }
    void setText(TextBox box, const QString& text) override
    {
        texts.at(static_cast<std::size_t>(box)) = text;
    }
    void showMessage(const QString& text) override { messages << text; }

    // The board, then whose turn it is, the messages so far and the two scores.
    QString state() const
    {
        QString board;
        for (CellIndex cell = 0; cell < cellCount; ++cell) {
            QChar shown = cells[cell] == handles[1]   ? u'X'
                          : cells[cell] == handles[2] ? u'O'
                                                      : u'.';
            if (shown == u'.' && !free[cell])
                shown = u'#';
            else if (shown != u'.' && free[cell])
                shown = shown.toLower();
            board += (cell > 0 && cell % 3 == 0 ? QStringLiteral("/") : QString()) + shown;
        }
        return QStringLiteral("%1 turn %2, %3 messages, scores %4|%5")
            .arg(board, texts[0])
            .arg(messages.size())
            .arg(texts[1], texts[2]);
    }

    std::array<PictureHandle, cellCount> cells{};
    std::array<bool, cellCount> free{};
    std::array<QString, 3> texts{};
    QStringList messages;
};

} // namespace zorbelkin::testing
