// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

// Shows window and leaves the event loop once its first frame has been painted: the paint event
// of the top-level window is the last of its pass, and the queued quit runs after the flush.
inline int showUntilFirstFrame(QWidget& window)
{
    struct FirstPaint : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            return QObject::eventFilter(watched, event);
        }
    } firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
