// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "zorbelkinwindow.h"

#include "accessibility.h"
#include "buildwindow.h"
#include "controls.h"
#include "fatalerror.h"
#include "form2.h"
#include "looks.h"
#include "spoken.h"

#include <QAccessible>
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>

namespace zorbelkin {
namespace {

// Widens a message box so that a window manager can show its whole caption in the title bar: the
// caption in the bold of the box's face, with room for the frame's icon and four buttons. Qt's own
// allowance covers less, and a fixed-size box cannot be widened by the user.
void makeRoomForCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont captionFont = box.font();
    captionFont.setBold(true);
    const int frameControls =
        5 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const QMargins margins = grid->contentsMargins();
    const int width = QFontMetrics(captionFont).horizontalAdvance(box.windowTitle()) +
                      frameControls - margins.left() - margins.right();
    // The layout owns the spacer.
    grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
}

// The title colour behind everything, so that the three title words read as one title and the
// white ground of the mark pictures merges with the board, taken from the desktop's colours.
void applyBoardPalette(QWidget& window)
{
    window.setPalette(boardPalette(QApplication::palette(&window)));
}

// Sets the window's looks before any control is made: installed accessibility, the board's face
// and colours.
QWidget& withBoardLooks(QWidget& window)
{
    installAccessibleInterfaces();
    window.setFont(controlFont());
    applyBoardPalette(window);
    return window;
}

} // namespace

ZorbelkinWindow::ZorbelkinWindow(QWidget* parent)
    : QWidget(parent), controls_(buildWindow(withBoardLooks(*this), mainWindowDescription()))
{
    connectHandlers();
    QCoreApplication::instance()->installEventFilter(this);
    game_.Form_Load();
}

void ZorbelkinWindow::connectHandlers()
{
    for (CellIndex i = 0; i < cellCount; ++i) {
        connect(&controls_(mainRow::lbl1, i), &ClickableLabel::clicked, this,
                [this, i] { runHandler(this, [this, i] { game_.lbl1_Click(i); }); });
    }
    connect(&controls_(mainRow::Cmd3), &QPushButton::clicked, this,
            [this] { runHandler(this, [this] { game_.Cmd3_Click(); }); });
}

Form2& ZorbelkinWindow::form2() const
{
    if (!form2_)
        form2_ = new Form2(const_cast<ZorbelkinWindow*>(this));
    return *form2_;
}

PictureHandle ZorbelkinWindow::cellPictureHandle(CellIndex cell) const
{
    return handleOf(controls_(mainRow::Img1, cell).picture());
}

PictureHandle ZorbelkinWindow::markPictureHandle(Mark mark) const
{
    return handleOf(form2().picture(mark));
}

// A new game blanks every cell, most of them blank already: only a cell that changes is drawn
// again and renamed, so a screen reader hears only real changes.
void ZorbelkinWindow::assignPicture(CellIndex cell, Mark mark)
{
    ImageControl& image = controls_(mainRow::Img1, cell);
    const std::shared_ptr<const Picture>& picture = form2().picture(mark);
    if (picture == image.picture())
        return;
    image.setPicture(picture);
    // The cell's spoken name follows its mark: a listening screen reader is told.
    QAccessibleEvent renamed(&controls_(mainRow::lbl1, cell), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void ZorbelkinWindow::setCellEnabled(CellIndex cell, bool enabled)
{
    controls_(mainRow::lbl1, cell).setEnabled(enabled);
}

std::string ZorbelkinWindow::text(TextBox box) const
{
    return controls_(rowOf(box)).text().toStdString();
}

void ZorbelkinWindow::setText(TextBox box, const std::string& text)
{
    controls_(rowOf(box)).setText(QString::fromStdString(text));
}

std::optional<Spoken> ZorbelkinWindow::spoken(const QWidget& control) const
{
    const std::optional<MemberRef> found = controls_.find(&control);
    if (!found || isDecoration(mainWindowRows[found->row].kind))
        return std::nullopt;
    const ControlRow& row = mainWindowRows[found->row];
    const auto cell = static_cast<CellIndex>(found->member);
    return spokenControl(row, found->member, control.isEnabled(),
                         row.cellArray ? shownMark(*this, cell) : Mark::Blank);
}

bool ZorbelkinWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange &&
        watched == QCoreApplication::instance())
        applyBoardPalette(*this);
    return QWidget::eventFilter(watched, event);
}

void ZorbelkinWindow::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(applicationTitle),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    makeRoomForCaption(box);
    box.exec();
}

} // namespace zorbelkin
