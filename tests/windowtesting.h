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

inline QLineEdit* textBox(const QWidget& window, const char* name)
{
    return named<QLineEdit>(window, QString::fromLatin1(name));
}

inline QPushButton* newGameButton(const QWidget& window)
{
    return named<QPushButton>(window, QStringLiteral("Cmd3"));
}

// The real window, with its messages counted instead of shown.
class CountingWindow : public ZorbelkinWindow {
public:
    void showMessage(const std::string& text) override { messages << QString::fromStdString(text); }
    QStringList messages;
};

} // namespace zorbelkin::testing
