// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "colours.h"
#include "pngheader.h"
#include "windowlayout.h"

#include <QTest>

using namespace zorbelkin;

Q_DECLARE_METATYPE(zorbelkin::Rgb)

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void boardTakesALightTitleBarColourAndReadableInk_data();
    void boardTakesALightTitleBarColourAndReadableInk();
    void mutedInkMovesJustFarEnoughToRead_data();
    void mutedInkMovesJustFarEnoughToRead();
    void midGreyGroundGetsTheBetterOfBlackAndWhite();
    void largeRenditionMustBeFourTimesTheSmall();
};

namespace {

QString text(Rgb c)
{
    return QStringLiteral("%1,%2,%3").arg(c.red).arg(c.green).arg(c.blue);
}

} // namespace

void TestLayout::boardTakesALightTitleBarColourAndReadableInk_data()
{
    QTest::addColumn<Rgb>("titleBarText");
    QTest::addColumn<Rgb>("windowText");
    QTest::addColumn<Rgb>("ground");
    QTest::addColumn<Rgb>("ink");
    const Rgb paleYellow{255, 232, 144};
    const Rgb navy{0, 0, 128};
    QTest::newRow("classic white") << white << black << white << black;
    QTest::newRow("pale yellow") << paleYellow << navy << paleYellow << navy;
    QTest::newRow("near white") << Rgb{249, 249, 249} << black << Rgb{249, 249, 249} << black;
    QTest::newRow("lightness 128 is light")
        << Rgb{200, 56, 56} << black << Rgb{200, 56, 56} << black;
    QTest::newRow("lightness 127 is dark") << Rgb{200, 54, 56} << navy << white << navy;
    QTest::newRow("black title bar text") << black << black << white << black;
    QTest::newRow("dark theme's light ink") << white << Rgb{230, 230, 230} << white << black;
    QTest::newRow("grey ink, 127 from white") << white << Rgb{128, 128, 128} << white << black;
    QTest::newRow("grey ink, 128 from white")
        << white << Rgb{127, 127, 127} << white << Rgb{127, 127, 127};
    QTest::newRow("dark ink on pale yellow")
        << paleYellow << Rgb{90, 60, 20} << paleYellow << Rgb{90, 60, 20};
}

void TestLayout::boardTakesALightTitleBarColourAndReadableInk()
{
    QFETCH(Rgb, titleBarText);
    QFETCH(Rgb, windowText);
    QFETCH(Rgb, ground);
    QFETCH(Rgb, ink);
    const BoardColours board = boardColours(titleBarText, windowText);
    QCOMPARE(text(board.ground) + u'/' + text(board.ink), text(ground) + u'/' + text(ink));
}

void TestLayout::mutedInkMovesJustFarEnoughToRead_data()
{
    QTest::addColumn<Rgb>("ink");
    QTest::addColumn<Rgb>("ground");
    QTest::addColumn<int>("direction"); // 0 kept, -1 darker, 1 lighter
    QTest::newRow("7.00 : 1 on white is kept") << Rgb{89, 89, 89} << white << 0;
    QTest::newRow("6.90 : 1 on white darkens") << Rgb{90, 90, 90} << white << -1;
    QTest::newRow("pale grey on light grey") << Rgb{193, 193, 193} << Rgb{239, 239, 239} << -1;
    QTest::newRow("dim grey on dark grey") << Rgb{110, 110, 110} << Rgb{61, 61, 61} << 1;
    QTest::newRow("ink the colour of its ground") << Rgb{61, 61, 61} << Rgb{61, 61, 61} << 1;
    QTest::newRow("light ink on a ground that sets off black")
        << Rgb{200, 200, 200} << Rgb{150, 150, 150} << -1;
    QTest::newRow("pink stays pink") << Rgb{230, 150, 170} << white << -1;
}

// The ink keeps its hue and as much of its lightness as the contrast allows.
void TestLayout::mutedInkMovesJustFarEnoughToRead()
{
    QFETCH(Rgb, ink);
    QFETCH(Rgb, ground);
    QFETCH(int, direction);
    const Rgb readable = readableInk(ink, ground);
    const double reached = contrast(readable, ground);
    QVERIFY2(reached >= readableContrast, qPrintable(text(readable)));
    if (direction == 0)
        QCOMPARE(text(readable), text(ink));
    else
        QVERIFY2(reached < readableContrast + 0.1, qPrintable(QString::number(reached)));
    const auto moved = [&](int from, int to) { return direction * (to - from) >= 0; };
    QVERIFY(moved(ink.red, readable.red) && moved(ink.green, readable.green) &&
            moved(ink.blue, readable.blue));
    QVERIFY((readable.red > readable.blue) == (ink.red > ink.blue));
    QVERIFY((readable.blue > readable.green) == (ink.blue > ink.green));
}

// Neither reaches the contrast wanted on these grounds.
void TestLayout::midGreyGroundGetsTheBetterOfBlackAndWhite()
{
    QCOMPARE(text(readableInk({130, 130, 130}, {118, 118, 118})), text(black));
    QCOMPARE(text(readableInk({100, 100, 100}, {115, 115, 115})), text(white));
}

void TestLayout::largeRenditionMustBeFourTimesTheSmall()
{
    checkFourTimes({64, 64}, "x.png", {256, 256}, "x@4x.png");
    for (const PixelSize large : {PixelSize{256, 255}, PixelSize{128, 128}, PixelSize{64, 64}})
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 checkFourTimes({64, 64}, "x.png", large, "x@4x.png"));
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
