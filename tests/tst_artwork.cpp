// SPDX-FileCopyrightText: The ZORBELKIN developers
// SPDX-License-Identifier: MIT

#include "markart.h"

#include <QDir>
#include <QTest>

using zorbelkin::artwork::drawMark;
using zorbelkin::artwork::Letter;

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void committedPicturesAreWhatTheProgramDraws_data();
    void committedPicturesAreWhatTheProgramDraws();
    void windowsIconHoldsTheIconPictures();
    void marksDifferOnlyInTheirLetters();
};

void TestArtwork::committedPicturesAreWhatTheProgramDraws_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Letter>("letter");
    QTest::addColumn<int>("pixels");
    QTest::newRow("x") << "marks/x.png" << Letter::X << 64;
    QTest::newRow("x@4x") << "marks/x@4x.png" << Letter::X << 256;
    QTest::newRow("o") << "marks/o.png" << Letter::O << 64;
    QTest::newRow("o@4x") << "marks/o@4x.png" << Letter::O << 256;
    for (const int size : zorbelkin::artwork::iconSizes)
        QTest::addRow("icon %d", size)
            << QStringLiteral("icons/hicolor/%1x%1/apps/" ZORBELKIN_APP_ID ".png").arg(size)
            << Letter::X << size;
}

// A stale picture under assets/ would ship artwork that the drawing program no longer makes.
void TestArtwork::committedPicturesAreWhatTheProgramDraws()
{
    QFETCH(QString, file);
    QFETCH(Letter, letter);
    QFETCH(int, pixels);
    QImage committed(QDir(QStringLiteral(ASSETS_DIR)).filePath(file));
    QCOMPARE(committed.size(), QSize(pixels, pixels));
    QVERIFY(!committed.hasAlphaChannel());
    const QImage drawn = drawMark(letter, pixels);
    committed.setDevicePixelRatio(drawn.devicePixelRatio());
    QCOMPARE(committed.convertToFormat(QImage::Format_RGB32), drawn);
}

// The Windows icon gathers the committed icon pictures.
void TestArtwork::windowsIconHoldsTheIconPictures()
{
    const QDir assets(QStringLiteral(ASSETS_DIR));
    std::vector<QByteArray> pngs;
    for (const int size : zorbelkin::artwork::iconSizes) {
        QFile png(assets.filePath(
            QStringLiteral("icons/hicolor/%1x%1/apps/" ZORBELKIN_APP_ID ".png").arg(size)));
        QVERIFY(png.open(QIODevice::ReadOnly));
        pngs.push_back(png.readAll());
    }
    QFile icon(assets.filePath(QStringLiteral("icons/zorbelkin.ico")));
    QVERIFY(icon.open(QIODevice::ReadOnly));
    QCOMPARE(icon.readAll(), zorbelkin::artwork::iconFile(pngs));
}

// Everything but the letter panel is the same in both pictures.
void TestArtwork::marksDifferOnlyInTheirLetters()
{
    const QImage x = drawMark(Letter::X, 64);
    const QImage o = drawMark(Letter::O, 64);
    const QRect panel(20, 15, 24, 34);
    for (int y = 0; y < 64; ++y) {
        for (int px = 0; px < 64; ++px)
            QVERIFY(panel.contains(px, y) || x.pixel(px, y) == o.pixel(px, y));
    }
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
