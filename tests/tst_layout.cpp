// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "colours.h"

#include <QTest>

#include <cstdint>
#include <vector>

using namespace zorbelkin;

// An opaque grey of level, as 0xAARRGGBB.
constexpr std::uint32_t grey(std::uint32_t level)
{
    return 0xff000000 | level * 0x010101;
}

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void scalingDownGreysAThinStrokeByWhatEachPixelCovers();
};

// A black stroke one pixel wide down the second column of a white picture: the nearest pixel
// would keep it whole or drop it; the mean of each area gives the share of black it covers.
void TestLayout::scalingDownGreysAThinStrokeByWhatEachPixelCovers()
{
    const auto scaled = [](int from, int to) {
        std::vector<std::uint32_t> picture(std::size_t(from) * from, grey(255));
        for (int y = 0; y < from; ++y)
            picture[std::size_t(y) * from + 1] = grey(0);
        return areaScaled(picture, from, from, to, to);
    };
    const auto rows = [](const std::vector<std::uint32_t>& row) {
        std::vector<std::uint32_t> all(row.size() * row.size());
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = row[i % row.size()];
        return all;
    };
    QCOMPARE(scaled(4, 2), rows({grey(128), grey(255)}));
    QCOMPARE(scaled(6, 4), rows({grey(170), grey(170), grey(255), grey(255)}));
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
