// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "windowlayout.h"

#include <array>

namespace zorbelkin {

std::string fatalErrorMessage(const std::string& what)
{
    return std::string(applicationTitle) +
           " has met an error it cannot recover from and will close.\n\n" + what;
}

TwipRect cellRect(CellIndex i)
{
    static constexpr std::array columnLefts{480, 2640, 4800};
    static constexpr std::array rowTops{360, 2400, 4440};
    return {columnLefts.at(i % 3), rowTops.at(i / 3), 1695, 1575};
}

namespace {

using enum ControlKind;

constexpr ControlRow line(const char* name, TwipRect ends, int widthPixels)
{
    return {.name = name, .kind = Line, .twips = ends, .lineWidthPixels = widthPixels};
}

constexpr ControlRow label(const char* name, TwipRect twips, const char* text, int tab,
                           unsigned looks = Plain)
{
    return {.name = name,
            .kind = Label,
            .twips = twips,
            .text = text,
            .tabPosition = tab,
            .looks = looks};
}

constexpr ControlRow textBox(const char* name, TwipRect twips, const char* text, int tab,
                             const char* spokenName, unsigned looks = Plain)
{
    return {.name = name,
            .kind = TextBox,
            .twips = twips,
            .text = text,
            .tabPosition = tab,
            .looks = looks,
            .accessibleName = spokenName};
}

constexpr ControlRow button(const char* name, TwipRect twips, const char* text, int tab)
{
    return {.name = name, .kind = Button, .twips = twips, .text = text, .tabPosition = tab};
}

// Nine controls of one kind, member i on cell i.
constexpr ControlRow cells(const char* name, ControlKind kind, int firstTab, unsigned looks)
{
    return {.name = name, .kind = kind, .tabPosition = firstTab, .looks = looks, .cellArray = true};
}

constexpr ControlRow image(const char* name, TwipRect twips, const char* picture)
{
    return {.name = name, .kind = Image, .twips = twips, .picture = picture};
}

constexpr unsigned title = TitleFont | Centred;

// Back to front, so each row lies above the ones before it: the grid lines at the back, then the
// images, the turn caption, the cell labels over their images, the titles and player names, and
// the text boxes and the button in front.
constexpr std::array mainControls{
    line("Line1", {2400, 360, 0, 5640}, 5),
    line("Line2", {4560, 360, 0, 5640}, 5),
    line("Line3", {480, 2160, 6000, 0}, 5),
    line("Line4", {480, 4200, 6000, 0}, 5),
    cells("Img1", Image, noTab, Stretch),
    label("player", {3120, 6120, 855, 495}, "Player's Turn", 1, Centred),
    cells("lbl1", Label, 3, Transparent),
    label("Label1", {720, 0, 1215, 255}, "ZOR", 12, title),
    label("Label2", {2880, 0, 1215, 255}, "BEL", 13, title),
    label("Label3", {5040, 0, 1215, 255}, "KIN", 14, title),
    label("player1", {1920, 6120, 615, 255}, "Player1", 15),
    label("player2", {4560, 6120, 615, 255}, "Player 2", 16),
    textBox("Txt1", {3360, 6600, 375, 285}, "", 0, "Player to move", Disabled),
    button("Cmd3", {840, 6240, 735, 495}, "New Game", 2),
    textBox("txt2", {1920, 6360, 615, 375}, "0", 17, "Player 1 score"),
    textBox("txt3", {4560, 6360, 615, 375}, "0", 18, "Player 2 score"),
};

constexpr std::array form2Controls{
    image("theo", {1200, 1320, 960, 960}, "o"),
    image("thex", {3000, 1320, 960, 960}, "x"),
    image("imgna", {1320, 2880, 975, 975}, nullptr),
};

} // namespace

const WindowDescription& mainWindowDescription()
{
    static constexpr WindowDescription main{"ZORBELKIN", "ZOR BEL KIN", 7050, 6885, mainControls};
    return main;
}

const WindowDescription& form2Description()
{
    static constexpr WindowDescription form2{"form2", "Form2", 5355, 4635, form2Controls};
    return form2;
}

} // namespace zorbelkin
