#include "windowlayout.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <cstdlib>

namespace zorbelkin {

TwipRect cellRect(CellIndex i)
{
    static constexpr std::array columnLefts{480, 2640, 4800};
    static constexpr std::array rowTops{360, 2400, 4440};
    return {columnLefts.at(i % 3), rowTops.at(i / 3), 1695, 1575};
}

QString arrayMemberName(const QString& arrayName, CellIndex i)
{
    return QStringLiteral("%1(%2)").arg(arrayName).arg(i);
}

QFont controlFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

QFont titleFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    font.setWeight(QFont::Bold);
    return font;
}

QColor titleColour()
{
    // Qt has no role for title bar text; highlighted text is the same light colour drawn on
    // the same strong background.
    return QGuiApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
}

QPalette boardPalette(QPalette desktop)
{
    const QColor ground = titleColour();
    desktop.setColor(QPalette::Window, ground);
    const int groundLightness = ground.lightness();
    if (std::abs(desktop.color(QPalette::WindowText).lightness() - groundLightness) < 128)
        desktop.setColor(QPalette::WindowText, groundLightness < 128 ? Qt::white : Qt::black);
    return desktop;
}

namespace {

using enum ControlKind;

// Back to front, so each row lies above the ones before it: the grid lines at the back, then the
// images, the turn caption, the cell labels over their images, the titles and player names, and
// the text boxes and the button in front.
constexpr std::array mainControls{
    ControlRow{.name = "Line1", .kind = Line, .twips = {2400, 360, 0, 5640}, .lineWidthPixels = 5},
    ControlRow{.name = "Line2", .kind = Line, .twips = {4560, 360, 0, 5640}, .lineWidthPixels = 5},
    ControlRow{.name = "Line3", .kind = Line, .twips = {480, 2160, 6000, 0}, .lineWidthPixels = 5},
    ControlRow{.name = "Line4", .kind = Line, .twips = {480, 4200, 6000, 0}, .lineWidthPixels = 5},
    ControlRow{.name = "Img1", .kind = Image, .looks = Stretch, .cellArray = true},
    ControlRow{.name = "player",
               .kind = Label,
               .twips = {3120, 6120, 855, 495},
               .text = "Player's Turn",
               .tabPosition = 1,
               .looks = Centred},
    ControlRow{
        .name = "lbl1", .kind = Label, .tabPosition = 3, .looks = Transparent, .cellArray = true},
    ControlRow{.name = "Label1",
               .kind = Label,
               .twips = {720, 0, 1215, 255},
               .text = "ZOR",
               .tabPosition = 12,
               .looks = TitleFont | TitleColour | Centred},
    ControlRow{.name = "Label2",
               .kind = Label,
               .twips = {2880, 0, 1215, 255},
               .text = "BEL",
               .tabPosition = 13,
               .looks = TitleFont | TitleColour | Centred},
    ControlRow{.name = "Label3",
               .kind = Label,
               .twips = {5040, 0, 1215, 255},
               .text = "KIN",
               .tabPosition = 14,
               .looks = TitleFont | TitleColour | Centred},
    ControlRow{.name = "player1",
               .kind = Label,
               .twips = {1920, 6120, 615, 255},
               .text = "Player1",
               .tabPosition = 15},
    ControlRow{.name = "player2",
               .kind = Label,
               .twips = {4560, 6120, 615, 255},
               .text = "Player 2",
               .tabPosition = 16},
    ControlRow{.name = "Txt1",
               .kind = TextBox,
               .twips = {3360, 6600, 375, 285},
               .tabPosition = 0,
               .looks = Disabled,
               .accessibleName = "Player to move"},
    ControlRow{.name = "Cmd3",
               .kind = Button,
               .twips = {840, 6240, 735, 495},
               .text = "New Game",
               .tabPosition = 2},
    ControlRow{.name = "txt2",
               .kind = TextBox,
               .twips = {1920, 6360, 615, 375},
               .text = "0",
               .tabPosition = 17,
               .accessibleName = "Player 1 score"},
    ControlRow{.name = "txt3",
               .kind = TextBox,
               .twips = {4560, 6360, 615, 375},
               .text = "0",
               .tabPosition = 18,
               .accessibleName = "Player 2 score"},
};

constexpr std::array form2Controls{
    ControlRow{
        .name = "theo", .kind = Image, .twips = {1200, 1320, 960, 960}, .picture = ":/marks/o.png"},
    ControlRow{
        .name = "thex", .kind = Image, .twips = {3000, 1320, 960, 960}, .picture = ":/marks/x.png"},
    ControlRow{.name = "imgna", .kind = Image, .twips = {1320, 2880, 975, 975}},
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
