// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controls.h"
#include "looks.h"
#include "zorbelkinwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace zorbelkin::testing {

template<class Control = QWidget> Control* named(const QWidget& window, const QString& name)
{
    auto* control = window.findChild<Control*>(name);
    if (!control)
        qFatal("no control named %s", qPrintable(name));
    return control;
}

inline QLabel* lbl1(const QWidget& window, CellIndex i)
{
    return named<QLabel>(window, QString::fromStdString(arrayMemberName("lbl1", i)));
}

inline ImageControl* Img1(const QWidget& window, CellIndex i)
{
    return named<ImageControl>(window, QString::fromStdString(arrayMemberName("Img1", i)));
}

inline QLineEdit* textBox(const QWidget& window, const char* name)
{
    return named<QLineEdit>(window, QString::fromLatin1(name));
}

inline QPushButton* newGameButton(const QWidget& window)
{
    return named<QPushButton>(window, QStringLiteral("Cmd3"));
}

// Clicks the shown window at p through the platform window, so the click goes where a player's
// would: to the frontmost control under p, and nowhere while a modal box is open. p is not (0, 0),
// which QTest takes for the window's centre.
inline void clickAt(QWidget& window, QPoint p)
{
    Q_ASSERT(!p.isNull());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, p);
}

// The real window, with its messages counted instead of shown.
class CountingWindow : public ZorbelkinWindow {
public:
    void showMessage(const std::string& text) override { messages << QString::fromStdString(text); }
    QStringList messages;
};

// The windows a test leaves open, by class and title, for a cleanup() that insists on none.
inline QStringList strayWindows()
{
    QStringList stray;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        stray << QStringLiteral("%1 \"%2\"")
                     .arg(widget->metaObject()->className(), widget->windowTitle());
    return stray;
}

} // namespace zorbelkin::testing
