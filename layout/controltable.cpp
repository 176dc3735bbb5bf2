// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "controltable.h"

#include "windowlayout.h"

#include <algorithm>
#include <stdexcept>

namespace zorbelkin {
namespace {

PixelRect lineRect(const ControlRow& row, int dotsPerInch)
{
    const PixelRect path = toPixels(row.twips, dotsPerInch);
    const int width = scaledPixels(row.lineWidthPixels, dotsPerInch);
    const int half = width / 2;
    if (path.width == 0)
        return {path.left - half, path.top, width, path.height};
    if (path.height == 0)
        return {path.left, path.top - half, path.width, width};
    throw std::logic_error(std::string("line ") + row.name + " is neither across nor down");
}

} // namespace

std::vector<MemberRef> focusOrder(const WindowDescription& description)
{
    std::vector<MemberRef> order;
    for (std::size_t r = 0; r < description.controls.size(); ++r) {
        const ControlRow& row = description.controls[r];
        const bool focusable =
            (row.kind == ControlKind::TextBox || row.kind == ControlKind::Button) &&
            !(row.looks & Disabled);
        if (!focusable || row.tabPosition == noTab)
            continue;
        const int count = row.cellArray ? cellCount : 1;
        for (int member = 0; member < count; ++member)
            order.push_back({r, member});
    }
    const auto tabPosition = [&description](MemberRef ref) {
        return description.controls[ref.row].tabPosition + ref.member;
    };
    std::sort(order.begin(), order.end(),
              [&](MemberRef a, MemberRef b) { return tabPosition(a) < tabPosition(b); });
    return order;
}

std::string arrayMemberName(const std::string& arrayName, CellIndex i)
{
    return arrayName + '(' + std::to_string(i) + ')';
}

std::vector<Member> membersOf(const ControlRow& row, int dotsPerInch)
{
    if (!row.cellArray) {
        const PixelRect rect = row.kind == ControlKind::Line ? lineRect(row, dotsPerInch)
                                                             : toPixels(row.twips, dotsPerInch);
        return {{row.name, rect}};
    }
    std::vector<Member> members;
    for (CellIndex i = 0; i < cellCount; ++i)
        members.push_back({arrayMemberName(row.name, i), toPixels(cellRect(i), dotsPerInch)});
    return members;
}

} // namespace zorbelkin
