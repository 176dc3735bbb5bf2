// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

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
void takeColours(QWidget& window)
{
    window.setPalette(boardPalette(QApplication::palette(&window)));
}

// Sets the window's looks before any control is made: the board's face and colours.
QWidget& withBoardLooks(QWidget& window)
{
    window.setFont(qtFont(controlFace));
    takeColours(window);
    return window;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), controls_(buildWindow(withBoardLooks(*this), mainWindowDescription()))
{
    connectHandlers();
    QCoreApplication::instance()->installEventFilter(this);
    game_.Form_Load();
}

void MainWindow::connectHandlers()
{
    for (CellIndex i = 0; i < cellCount; ++i) {
        connect(&controls_(mainRow::lbl1, i), &ClickableLabel::clicked, this,
                [this, i] { runHandler(this, [this, i] { game_.lbl1_Click(i); }); });
    }
    connect(&controls_(mainRow::Cmd3), &QPushButton::clicked, this,
            [this] { runHandler(this, [this] { game_.Cmd3_Click(); }); });
}

Form2& MainWindow::form2() const
{
    if (!form2_)
        form2_ = new Form2(const_cast<MainWindow*>(this));
    return *form2_;
}

PictureHandle MainWindow::cellPictureHandle(CellIndex cell) const
{
    return handleOf(controls_(mainRow::Img1, cell).picture());
}

PictureHandle MainWindow::markPictureHandle(Mark mark) const
{
    return handleOf(form2().picture(mark));
}

// A new game blanks every cell, most of them blank already: only a cell that changes is drawn
// again and renamed, so a screen reader hears only real changes.
void MainWindow::assignPicture(CellIndex cell, Mark mark)
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

void MainWindow::setCellEnabled(CellIndex cell, bool enabled)
{
    controls_(mainRow::lbl1, cell).setEnabled(enabled);
}

std::string MainWindow::text(TextBox box) const
{
    return controls_(rowOf(box)).text().toStdString();
}

void MainWindow::setText(TextBox box, const std::string& text)
{
    controls_(rowOf(box)).setText(QString::fromStdString(text));
}

std::optional<Spoken> MainWindow::spoken(const QWidget& control) const
{
    const std::optional<MemberRef> found = controls_.find(&control);
    if (!found || isDecoration(mainWindowRows[found->row].kind))
        return std::nullopt;
    const ControlRow& row = mainWindowRows[found->row];
    const auto cell = static_cast<CellIndex>(found->member);
    return spokenControl(row, found->member, control.isEnabled(),
                         row.cellArray ? shownMark(*this, cell) : Mark::Blank);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange &&
        watched == QCoreApplication::instance())
        takeColours(*this);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(applicationTitle),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    makeRoomForCaption(box);
    box.exec();
}

} // namespace zorbelkin
