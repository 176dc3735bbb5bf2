// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gameview.h"

#include <QString>

namespace zorbelkin::testing {

// What a player can tell of a game, as one line of text: the board, whose turn it is, the
// messages so far and the two scores. The board is three rows split by '/': 'X' or 'O' on a used
// cell, '.' on a free blank cell, '#' on a used blank one, and 'x' or 'o' for a mark on a cell
// that is still free.
inline QString stateText(const QString& board, const QString& turn, qsizetype messages,
                         const QString& player1, const QString& player2)
{
    return QStringLiteral("%1 turn %2, %3 messages, scores %4|%5")
        .arg(board, turn)
        .arg(messages)
        .arg(player1, player2);
}

// The state of a view; isFree(cell) tells whether the cell still takes clicks.
template<class IsFree> QString stateOf(const GameView& view, IsFree isFree, qsizetype messages)
{
    QString board;
    for (CellIndex cell = 0; cell < cellCount; ++cell) {
        const PictureHandle shown = view.cellPictureHandle(cell);
        QChar mark = shown == view.markPictureHandle(Mark::X)   ? u'X'
                     : shown == view.markPictureHandle(Mark::O) ? u'O'
                                                                : u'.';
        if (mark == u'.' && !isFree(cell))
            mark = u'#';
        else if (mark != u'.' && isFree(cell))
            mark = mark.toLower();
        board += (cell > 0 && cell % 3 == 0 ? QStringLiteral("/") : QString()) + mark;
    }
    const auto text = [&view](TextBox box) { return QString::fromStdString(view.text(box)); };
    return stateText(board, text(TextBox::Txt1), messages, text(TextBox::txt2),
                     text(TextBox::txt3));
}

} // namespace zorbelkin::testing
