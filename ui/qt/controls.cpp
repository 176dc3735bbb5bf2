// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "controls.h"

#include <QApplication>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zorbelkin {

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

bool ClickableLabel::isPressable() const
{
    return isEnabled() && isSignalConnected(QMetaMethod::fromSignal(&ClickableLabel::clicked));
}

void ClickableLabel::pressLater()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QWidget* modal = QApplication::activeModalWidget();
            if (isPressable() && (!modal || modal == window()))
                emit clicked();
        },
        Qt::QueuedConnection);
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

ImageControl::ImageControl(bool stretch, QWidget* parent) : QWidget(parent), stretch_(stretch) {}

void ImageControl::setPicture(std::shared_ptr<const Picture> picture)
{
    picture_ = std::move(picture);
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (!picture_)
        return;
    const QRect target = stretch_ ? rect() : QRect(QPoint(0, 0), picture_->size());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture_->renditionFor(target.size() * devicePixelRatio(),
                                                      palette().color(QPalette::Window)));
}

LineControl::LineControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), palette().windowText());
}

} // namespace zorbelkin
