// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "zorbelkinwindow.h"

#include "accessibility.h"
#include "buildwindow.h"
#include "controls.h"
#include "fatalerror.h"
#include "form2.h"
#include "looks.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>

#include <array>
#include <stdexcept>

namespace zorbelkin {
namespace {

// What a screen reader says of a cell: where it is and what it shows.
QString cellDescription(CellIndex cell, Mark mark)
{
    static constexpr std::array<const char*, cellCount> places{
        "top left", "top",         "top right", "left",        "centre",
        "right",    "bottom left", "bottom",    "bottom right"};
    const char* shown = mark == Mark::X ? "X" : mark == Mark::O ? "O" : "empty";
    return QStringLiteral("%1, %2").arg(QLatin1String(places.at(cell)), QLatin1String(shown));
}

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

template<class Control> Control* control(const QWidget& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name, Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::logic_error("the window has no control " + name.toStdString());
    return found;
}

} // namespace

ZorbelkinWindow::ZorbelkinWindow(QWidget* parent) : QWidget(parent)
{
    installAccessibleInterfaces();
    setFont(controlFont());
    // The title colour behind everything: the three title words read as one title, and the
    // white ground of the mark pictures merges with the board.
    setPalette(boardPalette(palette()));
    buildWindow(*this, mainWindowDescription());
    for (CellIndex i = 0; i < cellCount; ++i) {
        Img1_[i] = control<ImageControl>(*this, QString::fromStdString(arrayMemberName("Img1", i)));
        lbl1_[i] =
            control<ClickableLabel>(*this, QString::fromStdString(arrayMemberName("lbl1", i)));
    }
    textBoxes_ = {control<QLineEdit>(*this, QStringLiteral("Txt1")),
                  control<QLineEdit>(*this, QStringLiteral("txt2")),
                  control<QLineEdit>(*this, QStringLiteral("txt3"))};
    Cmd3_ = control<QPushButton>(*this, QStringLiteral("Cmd3"));
    connectHandlers();
    game_.Form_Load();
}

void ZorbelkinWindow::connectHandlers()
{
    for (CellIndex i = 0; i < cellCount; ++i) {
        connect(lbl1_[i], &ClickableLabel::clicked, this,
                [this, i] { runHandler(this, [this, i] { game_.lbl1_Click(i); }); });
    }
    connect(Cmd3_, &QPushButton::clicked, this,
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
    return handleOf(Img1_.at(cell)->picture());
}

PictureHandle ZorbelkinWindow::markPictureHandle(Mark mark) const
{
    return handleOf(form2().picture(mark));
}

void ZorbelkinWindow::assignPicture(CellIndex cell, Mark mark)
{
    Img1_.at(cell)->setPicture(form2().picture(mark));
    // Qt tells a listening screen reader that the name changed.
    lbl1_[cell]->setAccessibleName(cellDescription(cell, mark));
}

void ZorbelkinWindow::setCellEnabled(CellIndex cell, bool enabled)
{
    lbl1_.at(cell)->setEnabled(enabled);
}

QLineEdit& ZorbelkinWindow::textBox(TextBox box) const
{
    return *textBoxes_.at(static_cast<std::size_t>(box));
}

std::string ZorbelkinWindow::text(TextBox box) const
{
    return textBox(box).text().toStdString();
}

void ZorbelkinWindow::setText(TextBox box, const std::string& text)
{
    textBox(box).setText(QString::fromStdString(text));
}

void ZorbelkinWindow::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(applicationTitle),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    makeRoomForCaption(box);
    box.exec();
}

} // namespace zorbelkin
