// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "buildwindow.h"

#include "controls.h"
#include "looks.h"

#include <QLineEdit>

#include <stdexcept>
#include <vector>

namespace zorbelkin {
namespace {

// Each control is created as QtControl<kind>::type, which BuiltControls relies on.
QWidget* createControl(QWidget& window, const ControlRow& row)
{
    using enum ControlKind;
    switch (row.kind) {
    case Label: {
        auto* label = new QtControl<Label>::type(&window);
        label->setText(QString::fromUtf8(row.text));
        label->setWordWrap(true);
        label->setAlignment(((row.looks & Centred) ? Qt::AlignHCenter : Qt::AlignLeft) |
                            Qt::AlignTop);
        if (row.looks & TitleFont)
            label->setFont(qtFont(titleFace));
        label->setAutoFillBackground(!(row.looks & Transparent));
        return label;
    }
    case TextBox:
        return new QtControl<TextBox>::type(QString::fromUtf8(row.text), &window);
    case Button: {
        auto* button = new QtControl<Button>::type(QString::fromUtf8(row.text), &window);
        // Enter presses the button while it has the focus, as Space does.
        button->setAutoDefault(true);
        return button;
    }
    case Image: {
        auto* image = new QtControl<Image>::type(row.looks & Stretch, &window);
        if (row.picture)
            image->setPicture(Picture::load(QStringLiteral(":/marks/%1.png").arg(row.picture)));
        return image;
    }
    case Line:
        return new QtControl<Line>::type(&window);
    }
    throw std::logic_error("unknown control kind");
}

} // namespace

BuiltControls buildWindow(QWidget& window, const WindowDescription& description)
{
    window.setObjectName(QString::fromLatin1(description.name));
    window.setWindowTitle(QString::fromUtf8(description.title));
    // Qt scales logical pixels to the screen itself.
    window.resize(pixels(description.clientWidthTwips), pixels(description.clientHeightTwips));

    std::vector<std::vector<QWidget*>> rows;
    for (const ControlRow& row : description.controls) {
        std::vector<QWidget*>& members = rows.emplace_back();
        for (const Member& member : membersOf(row)) {
            QWidget* control = createControl(window, row);
            control->setObjectName(QString::fromStdString(member.name));
            control->setGeometry(qtRect(member.rect));
            control->setEnabled(!(row.looks & Disabled));
            // A control that never takes the focus is not told of as one that can.
            if (row.looks & Disabled)
                control->setFocusPolicy(Qt::NoFocus);
            if (row.accessibleName)
                control->setAccessibleName(QString::fromUtf8(row.accessibleName));
            members.push_back(control);
        }
    }
    const std::vector<MemberRef> focus = focusOrder(description);
    const auto widget = [&rows](MemberRef ref) { return rows[ref.row][ref.member]; };
    for (std::size_t i = 1; i < focus.size(); ++i)
        QWidget::setTabOrder(widget(focus[i - 1]), widget(focus[i]));
    if (!focus.empty())
        widget(focus.front())->setFocus();
    return BuiltControls(std::move(rows));
}

} // namespace zorbelkin
