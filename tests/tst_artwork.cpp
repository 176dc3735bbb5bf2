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
    void marksDifferOnlyInsideTheLetterPanel();
    void tileAndPanelSitOnWhite();
};

void TestArtwork::committedPicturesAreWhatTheProgramDraws_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("pixels");
    QTest::newRow("x") << "marks/x.png" << int(Letter::X) << 64;
    QTest::newRow("x@4x") << "marks/x@4x.png" << int(Letter::X) << 256;
    QTest::newRow("o") << "marks/o.png" << int(Letter::O) << 64;
    QTest::newRow("o@4x") << "marks/o@4x.png" << int(Letter::O) << 256;
    for (const int size : zorbelkin::artwork::iconSizes) {
        const QString file =
            QStringLiteral("icons/hicolor/%1x%1/apps/" ZORBELKIN_APP_ID ".png").arg(size);
        QTest::newRow(qPrintable(file)) << file << int(Letter::X) << size;
    }
}

// A stale picture under assets/ would ship artwork that the drawing program no longer makes.
void TestArtwork::committedPicturesAreWhatTheProgramDraws()
{
    QFETCH(QString, file);
    QFETCH(int, letter);
    QFETCH(int, pixels);
    QImage committed(QDir(QStringLiteral(ASSETS_DIR)).filePath(file));
    QVERIFY2(!committed.isNull(), qPrintable(file));
    QCOMPARE(committed.size(), QSize(pixels, pixels));
    QVERIFY(!committed.hasAlphaChannel());
    const QImage drawn = drawMark(Letter(letter), pixels);
    committed.setDevicePixelRatio(drawn.devicePixelRatio());
    QCOMPARE(committed.convertToFormat(QImage::Format_RGB32), drawn);
}

void TestArtwork::marksDifferOnlyInsideTheLetterPanel()
{
    const QImage x = drawMark(Letter::X, 64);
    const QImage o = drawMark(Letter::O, 64);
    const QRect panel(20, 15, 24, 34);
    int differentInside = 0;
    for (int y = 0; y < 64; ++y) {
        for (int px = 0; px < 64; ++px) {
            const bool same = x.pixel(px, y) == o.pixel(px, y);
            if (panel.contains(px, y))
                differentInside += same ? 0 : 1;
            else
                QVERIFY2(same, qPrintable(QStringLiteral("(%1, %2)").arg(px).arg(y)));
        }
    }
    QVERIFY(differentInside > 100);
}

void TestArtwork::tileAndPanelSitOnWhite()
{
    for (const Letter letter : {Letter::X, Letter::O}) {
        const QImage mark = drawMark(letter, 64);
        for (const QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)})
            QCOMPARE(mark.pixelColor(corner), QColor(Qt::white));
        // The panel's teal shows beside the letter; the corner squares are teal, the rule grey.
        QCOMPARE(mark.pixelColor(42, 18), QColor(0, 132, 132));
        QCOMPARE(mark.pixelColor(17, 12), QColor(0, 132, 132));
        QCOMPARE(mark.pixelColor(15, 30), QColor(132, 132, 132));
    }
    // The letters are white: where the strokes of X cross, and on the ring of O around a teal
    // middle.
    QCOMPARE(drawMark(Letter::X, 64).pixelColor(32, 31), QColor(Qt::white));
    QCOMPARE(drawMark(Letter::O, 64).pixelColor(22, 32), QColor(Qt::white));
    QCOMPARE(drawMark(Letter::O, 64).pixelColor(32, 32), QColor(0, 132, 132));
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
