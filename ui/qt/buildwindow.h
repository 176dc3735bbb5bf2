// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controls.h"
#include "controltable.h"

#include <QLineEdit>

#include <optional>
#include <vector>

class QWidget;

namespace zorbelkin {

// The Qt class of a control of each kind.
template<ControlKind K> struct QtControl;
template<> struct QtControl<ControlKind::Label> {
    using type = ClickableLabel;
};
template<> struct QtControl<ControlKind::TextBox> {
    using type = QLineEdit;
};
template<> struct QtControl<ControlKind::Button> {
    using type = WrappingButton;
};
template<> struct QtControl<ControlKind::Image> {
    using type = ImageControl;
};
template<> struct QtControl<ControlKind::Line> {
    using type = LineControl;
};

// The controls of a built window, by row and member, each of its kind's class. The window owns
// them.
class BuiltControls {
public:
    explicit BuiltControls(std::vector<std::vector<QWidget*>> rows) : rows_(std::move(rows)) {}

    // member is 0 for a row of one control, the cell for a cell array.
    template<ControlKind K>
    typename QtControl<K>::type& operator()(Row<K> row, int member = 0) const
    {
        return static_cast<typename QtControl<K>::type&>(*rows_.at(row.index).at(member));
    }

    // The row and member of control; none if it is not one of these controls.
    std::optional<MemberRef> find(const QWidget* control) const
    {
        for (std::size_t row = 0; row < rows_.size(); ++row)
            for (std::size_t member = 0; member < rows_[row].size(); ++member)
                if (rows_[row][member] == control)
                    return MemberRef{row, static_cast<int>(member)};
        return std::nullopt;
    }

private:
    std::vector<std::vector<QWidget*>> rows_;
};

// Gives window its name, title and client size and creates its controls, named after their rows
// ("Txt1", or "lbl1(4)" for a member of an array), with the tab order of their tab positions and
// the focus on the first control that can take it. Throws std::runtime_error if a picture is
// missing.
BuiltControls buildWindow(QWidget& window, const WindowDescription& description);

} // namespace zorbelkin
