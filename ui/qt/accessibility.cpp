// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "controls.h"
#include "zorbelkinwindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>

namespace zorbelkin {
namespace {

bool isDecoration(const QObject* control)
{
    return qobject_cast<const ImageControl*>(control) || qobject_cast<const LineControl*>(control);
}

class BoardWindowAccessible : public QAccessibleWidget {
public:
    explicit BoardWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window)
    {}

    int childCount() const override { return static_cast<int>(controls().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> shown = controls();
        if (index < 0 || index >= shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
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
        if (!hit || isDecoration(hit))
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
            if (control && !control->isWindow() && !isDecoration(control))
                shown.append(control);
        }
        return shown;
    }
};

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && label().accessibleName().isEmpty())
            return label().text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return label().isPressable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            label().pressLater();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickableLabel& label() const { return *static_cast<ClickableLabel*>(widget()); }
};

// QAccessible keeps what this returns.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(ZorbelkinWindow::staticMetaObject.className()))
        return new BoardWindowAccessible(static_cast<ZorbelkinWindow*>(object));
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
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
