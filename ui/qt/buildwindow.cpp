// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "buildwindow.h"

#include "controls.h"
#include "looks.h"

#include <QLineEdit>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace zorbelkin {
namespace {

void applyLabelLooks(QLabel& label, unsigned looks)
{
    label.setWordWrap(true);
    label.setAlignment(((looks & Centred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (looks & TitleFont)
        label.setFont(titleFont());
    label.setAutoFillBackground(!(looks & Transparent));
}

QWidget* createControl(QWidget& window, const ControlRow& row)
{
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new ClickableLabel(&window);
        label->setText(QString::fromUtf8(row.text));
        applyLabelLooks(*label, row.looks);
        return label;
    }
    case ControlKind::TextBox:
        return new QLineEdit(QString::fromUtf8(row.text), &window);
    case ControlKind::Button: {
        auto* button = new WrappingButton(QString::fromUtf8(row.text), &window);
        // Enter presses the button while it has the focus, as Space does.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::Image: {
        auto* image = new ImageControl(row.looks & Stretch, &window);
        if (row.picture)
            image->setPicture(Picture::load(QStringLiteral(":/marks/%1.png").arg(row.picture)));
        return image;
    }
    case ControlKind::Line:
        return new LineControl(&window);
    }
    throw std::logic_error("unknown control kind");
}

void setTabOrder(std::vector<std::pair<int, QWidget*>> byTabPosition)
{
    std::ranges::sort(byTabPosition, {}, &std::pair<int, QWidget*>::first);
    std::erase_if(byTabPosition,
                  [](const auto& entry) { return !(entry.second->focusPolicy() & Qt::TabFocus); });
    for (std::size_t i = 1; i < byTabPosition.size(); ++i)
        QWidget::setTabOrder(byTabPosition[i - 1].second, byTabPosition[i].second);
    const auto first = std::ranges::find_if(
        byTabPosition, [](const auto& entry) { return entry.second->isEnabled(); });
    if (first != byTabPosition.end())
        first->second->setFocus();
}

} // namespace

void buildWindow(QWidget& window, const WindowDescription& description)
{
    window.setObjectName(QString::fromLatin1(description.name));
    window.setWindowTitle(QString::fromUtf8(description.title));
    // Qt scales logical pixels to the screen itself.
    window.resize(pixels(description.clientWidthTwips), pixels(description.clientHeightTwips));

    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const ControlRow& row : description.controls) {
        for (const Member& member : membersOf(row)) {
            QWidget* control = createControl(window, row);
            control->setObjectName(QString::fromStdString(member.name));
            control->setGeometry(qtRect(member.rect));
            control->setEnabled(!(row.looks & Disabled));
            if (row.accessibleName)
                control->setAccessibleName(QString::fromUtf8(row.accessibleName));
            if (member.tabPosition != noTab)
                tabbed.emplace_back(member.tabPosition, control);
        }
    }
    setTabOrder(std::move(tabbed));
}

} // namespace zorbelkin
