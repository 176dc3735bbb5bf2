#pragma once

#include "gameview.h"

#include <QStringList>

#include <array>

namespace zorbelkin::testing {

// A window made of plain data, so the rules can be played without any widget. Boards are written
// as three rows of X, O and '.' (blank) separated by '/': "XO./.X./..X".
class FakeView : public GameView {
public:
    static constexpr PictureHandle xHandle = 0x5a17;
    static constexpr PictureHandle oHandle = 0x0b0e;

    PictureHandle cellPictureHandle(CellIndex cell) const override { return cells.at(cell); }
    PictureHandle markPictureHandle(Mark mark) const override
    {
        return mark == Mark::X ? xHandle : mark == Mark::O ? oHandle : 0;
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

    // Sets the marks of a board string; a marked cell is used, a blank one free.
    void setBoard(QStringView board)
    {
        CellIndex cell = 0;
        for (const QChar c : board) {
            if (c == u'/')
                continue;
            cells.at(cell) = c == u'X' ? xHandle : c == u'O' ? oHandle : 0;
            free.at(cell) = c == u'.';
            ++cell;
        }
    }
    QString board() const
    {
        QString out;
        for (CellIndex cell = 0; cell < cellCount; ++cell) {
            if (cell > 0 && cell % 3 == 0)
                out += u'/';
            out += cells[cell] == xHandle ? u'X' : cells[cell] == oHandle ? u'O' : u'.';
        }
        return out;
    }
    // '1' for a free cell, '0' for a used one, in cell order.
    QString freeCells() const
    {
        QString out;
        for (const bool f : free)
            out += f ? u'1' : u'0';
        return out;
    }

    std::array<PictureHandle, cellCount> cells{};
    std::array<bool, cellCount> free{};
    std::array<QString, 3> texts{};
    QStringList messages;
};

} // namespace zorbelkin::testing
