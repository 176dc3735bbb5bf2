// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "picture.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <memory>

namespace zorbelkin {

// A label that reports a click: a press and a release of the left button both on the label.
// A disabled label takes no mouse events at all, so its clicks go nowhere.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent) : QLabel(parent) {}

    // True while the label is enabled and a handler listens to its clicks.
    bool isPressable() const;
    // Does what a left click does, once control is back in the event loop, so that a handler's
    // message box does not hold up the caller. Does nothing if by then the label is not pressable
    // or another window is modal.
    void pressLater();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A push button whose caption breaks onto a second line at a space when one line is too narrow.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shows a shared picture at its own size from the top left, or stretched over the whole control,
// with its white margin in the window colour, so that it lies on the board.
// Without a picture it draws nothing and the window shows through.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(bool stretch, QWidget* parent);

    const std::shared_ptr<const Picture>& picture() const { return picture_; }
    void setPicture(std::shared_ptr<const Picture> picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool stretch_;
    std::shared_ptr<const Picture> picture_;
};

// A straight line, filled in the window text colour over its whole rectangle.
class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorbelkin
