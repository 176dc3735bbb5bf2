// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "markup.h"

#include "spoken.h"
#include "windowlayout.h"

#include <cstdio>
#include <stdexcept>

namespace zorbelkin::web {
namespace {

// text, safe inside an element and inside a double-quoted attribute.
std::string escaped(const std::string& text)
{
    std::string safe;
    for (const char c : text)
        safe += c == '&'   ? "&amp;"
                : c == '<' ? "&lt;"
                : c == '>' ? "&gt;"
                : c == '"' ? "&quot;"
                           : std::string(1, c);
    return safe;
}

std::string attribute(const char* name, const std::string& value)
{
    return std::string(" ") + name + "=\"" + escaped(value) + '"';
}

std::string cssFont(const Face& face)
{
    char size[16];
    std::snprintf(size, sizeof size, "%gpt", face.points);
    std::string font = std::string(face.bold ? "bold " : "") + size + ' ';
    for (const char* family : face.families)
        font += '"' + std::string(family) + "\", ";
    return font + "sans-serif";
}

std::string controlMarkup(const ControlRow& row, std::size_t r, int member)
{
    const std::string id = attribute("id", controlId(row, member));
    const bool enabled = !(row.looks & Disabled);
    const auto spoken = [&] { return spokenControl(row, member, enabled, Mark::Blank); };
    switch (row.kind) {
    case ControlKind::Line:
        return "<div" + id + " class=\"line\"></div>";
    case ControlKind::Image:
        return "<img" + id + " alt=\"\" draggable=\"false\">";
    case ControlKind::Label:
        // A cell takes the focus that a screen reader's navigation gives it, for Enter and
        // Space, without joining the Tab order.
        if (spoken().role == SpokenRole::PushButton)
            return "<div" + id + attribute("data-cell", std::to_string(member)) +
                   " role=\"button\"" + attribute("aria-label", spoken().name) +
                   " aria-disabled=\"false\" tabindex=\"-1\" class=\"cell\"></div>";
        return "<div" + id + '>' + escaped(row.text) + "</div>";
    case ControlKind::TextBox: {
        std::string box;
        for (const TextBox which : textBoxes)
            if (rowOf(which).index == r)
                box = attribute("data-box", std::to_string(static_cast<int>(which)));
        return "<input" + id + box + attribute("value", row.text) +
               attribute("aria-label", spoken().name) + (enabled ? "" : " disabled") +
               " autocomplete=\"off\" spellcheck=\"false\">";
    }
    case ControlKind::Button:
        // The focus is there from the start, before the program runs.
        return "<button" + id + " type=\"button\" autofocus>" + escaped(row.text) + "</button>";
    }
    return {};
}

} // namespace

std::string cssPixels(double pixels)
{
    char text[32];
    std::snprintf(text, sizeof text, "%gpx", pixels);
    return text;
}

std::string cssColour(Rgb colour)
{
    return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
           std::to_string(colour.blue) + ")";
}

std::string controlId(const ControlRow& row, int member)
{
    return membersOf(row).at(static_cast<std::size_t>(member)).name;
}

std::string pageMarkup()
{
    const WindowDescription& window = mainWindowDescription();
    std::string board;
    for (std::size_t r = 0; r < window.controls.size(); ++r) {
        const ControlRow& row = window.controls[r];
        for (int member = 0; member < (row.cellArray ? cellCount : 1); ++member)
            board += controlMarkup(row, r, member);
    }
    return "<main><div" + attribute("id", window.name) + '>' + board +
           "</div></main><div id=\"spoken\" role=\"status\" class=\"spoken-only\"></div>"
           "<dialog id=\"box\" role=\"alertdialog\" aria-labelledby=\"box-title\" "
           "aria-describedby=\"box-text\"><h1 id=\"box-title\">" +
           escaped(applicationTitle) +
           "</h1><p id=\"box-text\"></p><button id=\"OK\" type=\"button\">OK</button></dialog>";
}

std::string boardStyle()
{
    const WindowDescription& window = mainWindowDescription();
    const std::string width = cssPixels(pixels(window.clientWidthTwips));
    const std::string height = cssPixels(pixels(window.clientHeightTwips));
    // The largest scale, at most 1, at which the whole board fits the page, and the board
    // centred on whole pixels: half a pixel off would blur every line and letter. The scale is a
    // ratio of lengths: Firefox makes it as the tangent of their angle, WebKit, which takes no
    // viewport length into that angle, by dividing one by the other, which Firefox cannot.
    const auto scale = [&](const std::string& across, const std::string& down) {
        return "main{--scale:min(1," + across + ',' + down + ")}";
    };
    std::string style =
        scale("tan(atan2(100vw," + width + "))", "tan(atan2(100dvh," + height + "))") +
        "\n@supports (width:calc(1px * (100vw / 1px))){" +
        scale("100vw / " + width, "100dvh / " + height) + "}\nmain{width:calc(" + width +
        " * var(--scale));height:calc(" + height + " * var(--scale));left:round(to-zero,(100vw - " +
        width + " * var(--scale)) / 2,1px);top:round(to-zero,(100dvh - " + height +
        " * var(--scale)) / 2,1px)}\n";
    // The colours of a light page, until the program reads the page's own.
    const BoardColours light = boardColours(black, black);
    style += "#" + std::string(window.name) + "{width:" + width + ";height:" + height +
             ";font:" + cssFont(controlFace) +
             ";transform:scale(var(--scale));--ground:" + cssColour(light.ground) +
             ";--ink:" + cssColour(light.ink) + ";--field:" + cssColour(white) +
             ";--muted:" + cssColour(readableInk(Rgb{128, 128, 128}, white)) + "}\n";
    for (const ControlRow& row : window.controls) {
        const std::vector<Member> members = membersOf(row);
        for (const Member& member : members) {
            const PixelRect& at = member.rect;
            style += "[id=\"" + member.name + "\"]{left:" + cssPixels(at.left) +
                     ";top:" + cssPixels(at.top) + ";width:" + cssPixels(at.width) +
                     ";height:" + cssPixels(at.height);
            // A line as high as the letters keeps the titles within their captions, whichever
            // way an engine rounds their baseline.
            if (row.looks & TitleFont)
                style += ";font:" + cssFont(titleFace) + ";line-height:1";
            if (row.looks & Centred)
                style += ";text-align:center";
            if (row.looks & Disabled)
                style += ";color:var(--muted);background-color:var(--field)";
            style += "}\n";
        }
    }
    return style;
}

std::string withBoard(std::string page)
{
    const auto replace = [&page](const std::string& marker, const std::string& text) {
        const std::size_t at = page.find(marker);
        if (at == std::string::npos)
            throw std::invalid_argument("the page has no " + marker);
        page.replace(at, marker.size(), text);
    };
    replace("<!-- title -->", escaped(std::string(mainWindowDescription().title)));
    replace("<!-- board -->", pageMarkup());
    return page;
}

} // namespace zorbelkin::web
