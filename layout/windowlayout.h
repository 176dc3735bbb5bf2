// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#pragma once

#include "controltable.h"
#include "gameview.h"

#include <array>
#include <string>

namespace zorbelkin {

// The caption of the game's message boxes.
inline constexpr const char* applicationTitle = "ZORBELKIN";

// The rectangle of cell i (0 to 8) on the board, shared by lbl1(i) and Img1(i).
TwipRect cellRect(CellIndex i);

// What a message box says when an error ends the program; what is the error's own text.
std::string fatalErrorMessage(const std::string& what);

// A font face by the families to try in turn, its size and its weight.
struct Face {
    std::array<const char*, 2> families;
    double points;
    bool bold;
};

// Arial, or first its metric-compatible family: where Arial itself is missing, as on most Linux
// systems, asking for it first costs a failed lookup and a fallback search at every start.
inline constexpr std::array<const char*, 2> arialFamilies{"Liberation Sans", "Arial"};
// The face of every control but the titles. The layout is fixed in twips, so its face is fixed
// too: the compact face the labels and the button were sized for, whatever the desktop's font.
inline constexpr Face controlFace{arialFamilies, 8, false};
// The face of the three title words.
inline constexpr Face titleFace{arialFamilies, 14.25, true};

inline constexpr unsigned titleLooks = TitleFont | Centred;

// The main window's controls, back to front, so each row lies above the ones before it: the grid
// lines at the back, then the images, the turn caption, the cell labels over their images, the
// titles and player names, and the text boxes and the button in front.
inline constexpr std::array mainWindowRows{
    row::line("Line1", {2400, 360, 0, 5640}, 5),
    row::line("Line2", {4560, 360, 0, 5640}, 5),
    row::line("Line3", {480, 2160, 6000, 0}, 5),
    row::line("Line4", {480, 4200, 6000, 0}, 5),
    row::cells("Img1", ControlKind::Image, noTab, Stretch),
    row::label("player", {3120, 6120, 855, 495}, "Player's Turn", 1, Centred),
    row::cells("lbl1", ControlKind::Label, 3, Transparent),
    row::label("Label1", {720, 0, 1215, 255}, "ZOR", 12, titleLooks),
    row::label("Label2", {2880, 0, 1215, 255}, "BEL", 13, titleLooks),
    row::label("Label3", {5040, 0, 1215, 255}, "KIN", 14, titleLooks),
    row::label("player1", {1920, 6120, 615, 255}, "Player1", 15),
    row::label("player2", {4560, 6120, 615, 255}, "Player 2", 16),
    row::textBox("Txt1", {3360, 6600, 375, 285}, "", 0, "Player to move", Disabled),
    row::button("Cmd3", {840, 6240, 735, 495}, "New Game", 2),
    row::textBox("txt2", {1920, 6360, 615, 375}, "0", 17, "Player 1 score"),
    row::textBox("txt3", {4560, 6360, 615, 375}, "0", 18, "Player 2 score"),
};

// The picture holder's controls.
inline constexpr std::array form2Rows{
    row::image("theo", {1200, 1320, 960, 960}, "o"),
    row::image("thex", {3000, 1320, 960, 960}, "x"),
    row::image("imgna", {1320, 2880, 975, 975}, nullptr),
};

// The rows that the front ends reach, by the names the game gives them.
namespace mainRow {
inline constexpr auto Img1 = rowNamed<ControlKind::Image>(mainWindowRows, "Img1");
inline constexpr auto lbl1 = rowNamed<ControlKind::Label>(mainWindowRows, "lbl1");
inline constexpr auto Txt1 = rowNamed<ControlKind::TextBox>(mainWindowRows, "Txt1");
inline constexpr auto txt2 = rowNamed<ControlKind::TextBox>(mainWindowRows, "txt2");
inline constexpr auto txt3 = rowNamed<ControlKind::TextBox>(mainWindowRows, "txt3");
inline constexpr auto Cmd3 = rowNamed<ControlKind::Button>(mainWindowRows, "Cmd3");
} // namespace mainRow
namespace form2Row {
inline constexpr auto imgna = rowNamed<ControlKind::Image>(form2Rows, "imgna");
inline constexpr auto thex = rowNamed<ControlKind::Image>(form2Rows, "thex");
inline constexpr auto theo = rowNamed<ControlKind::Image>(form2Rows, "theo");
} // namespace form2Row

// Every text box the game reads and writes, in the order of TextBox.
inline constexpr std::array textBoxes{TextBox::Txt1, TextBox::txt2, TextBox::txt3};

// The text box that box names.
constexpr Row<ControlKind::TextBox> rowOf(TextBox box)
{
    return box == TextBox::Txt1   ? mainRow::Txt1
           : box == TextBox::txt2 ? mainRow::txt2
                                  : mainRow::txt3;
}

// The holder's image whose picture shows mark: thex's for X, theo's for O, imgna's (none) for
// Blank.
constexpr Row<ControlKind::Image> holderOf(Mark mark)
{
    return mark == Mark::X ? form2Row::thex : mark == Mark::O ? form2Row::theo : form2Row::imgna;
}

// The main window, "ZORBELKIN", and the hidden holder of the mark pictures, "form2".
const WindowDescription& mainWindowDescription();
const WindowDescription& form2Description();

} // namespace zorbelkin
