// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "controls.h"
#include "mainwindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>

#include <optional>

namespace zorbelkin {
namespace {

const MainWindow* boardOf(const QWidget* control)
{
    return qobject_cast<const MainWindow*>(control->parentWidget());
}

// What the board tells a screen reader of one of its controls; none for decoration.
std::optional<Spoken> spokenOf(const QWidget* control)
{
    const MainWindow* board = boardOf(control);
    return board ? board->spoken(*control) : std::nullopt;
}

class BoardWindowAccessible : public QAccessibleWidget {
public:
    explicit BoardWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window)
    {}

    int childCount() const override { return static_cast<int>(controls().size()); }

    // None for an index out of range: no control is no interface.
    QAccessibleInterface* child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(controls().value(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(controls().indexOf(child->object()));
    }

    // The front-most control under the point, as a mouse click would find it.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QWidget* hit = widget()->childAt(widget()->mapFromGlobal(QPoint(x, y)));
        while (hit && hit->parentWidget() != widget())
            hit = hit->parentWidget();
        if (!hit || !spokenOf(hit))
            return nullptr;
        return QAccessible::queryAccessibleInterface(hit);
    }

private:
    // The controls a screen reader is told of, back to front.
    QList<QWidget*> controls() const
    {
        QList<QWidget*> shown;
        for (QObject* child : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control && !control->isWindow() && spokenOf(control))
                shown.append(control);
        }
        return shown;
    }
};

// A label of the board: a text, or a cell that a screen reader presses. The text boxes and the
// button keep Qt's own objects, whose roles and names are the table's already.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QAccessible::Role role() const override
    {
        const std::optional<Spoken> told = spokenOf(widget());
        return told && told->role == SpokenRole::PushButton ? QAccessible::Button
                                                            : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override
    {
        const std::optional<Spoken> told = spokenOf(widget());
        if (kind == QAccessible::Name && told)
            return QString::fromStdString(told->name);
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return isPressable() ? QStringList{QString::fromLatin1(pressActionName)} : QStringList{};
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == QLatin1String(pressActionName) && isPressable())
            label().pressLater();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickableLabel& label() const { return *static_cast<ClickableLabel*>(widget()); }
    bool isPressable() const
    {
        const std::optional<Spoken> told = spokenOf(widget());
        return told && told->pressable && label().isPressable();
    }
};

// QAccessible keeps what this returns.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(MainWindow::staticMetaObject.className()))
        return new BoardWindowAccessible(static_cast<MainWindow*>(object));
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()) &&
        boardOf(static_cast<ClickableLabel*>(object)))
        return new LabelAccessible(static_cast<ClickableLabel*>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(interfaceFor), true);
    Q_UNUSED(installed);
}

} // namespace zorbelkin
