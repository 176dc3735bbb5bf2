#include "controltable.h"

#include "controls.h"
#include "windowlayout.h"

#include <QLineEdit>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace zorbelkin {
namespace {

struct Member {
    QString name;
    QRect pixelRect;
    int tabPosition;
};

std::vector<Member> membersOf(const ControlRow& row)
{
    const QString name = QString::fromLatin1(row.name);
    if (!row.cellArray)
        return {{name, toPixels(row.twips), row.tabPosition}};
    std::vector<Member> members;
    for (CellIndex i = 0; i < cellCount; ++i)
        members.push_back({arrayMemberName(name, i), toPixels(cellRect(i)),
                           row.tabPosition == noTab ? noTab : row.tabPosition + i});
    return members;
}

// Lines are drawn centred on the path between their end points.
QRect lineRect(const ControlRow& row)
{
    const QRect path = toPixels(row.twips);
    const int half = row.lineWidthPixels / 2;
    if (path.width() == 0)
        return {path.left() - half, path.top(), row.lineWidthPixels, path.height()};
    if (path.height() == 0)
        return {path.left(), path.top() - half, path.width(), row.lineWidthPixels};
    throw std::logic_error(std::string("line ") + row.name + " is neither across nor down");
}

void applyLabelLooks(QLabel& label, unsigned looks)
{
    label.setWordWrap(true);
    label.setAlignment(((looks & Centred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (looks & TitleFont)
        label.setFont(titleFont());
    if (looks & TitleColour) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, titleColour());
        label.setPalette(palette);
    }
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
            image->setPicture(Picture::load(QString::fromLatin1(row.picture)));
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
    window.resize(pixels(description.clientWidthTwips), pixels(description.clientHeightTwips));

    std::vector<std::pair<int, QWidget*>> tabbed;
    for (const ControlRow& row : description.controls) {
        for (const Member& member : membersOf(row)) {
            QWidget* control = createControl(window, row);
            control->setObjectName(member.name);
            control->setGeometry(row.kind == ControlKind::Line ? lineRect(row) : member.pixelRect);
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
