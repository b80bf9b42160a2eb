#include "tools/ColorGrids.h"

#include <QSet>
#include <QTest>

class TestColorGrids : public QObject {
    Q_OBJECT

private slots:
    void shades_data();
    void shades();
    void refillFromShadeKeepsColumn_data();
    void refillFromShadeKeepsColumn();
    void webSafe_data();
    void webSafe();
    void webSafeColorsAreDistinctLevels();
};

// Row i is (H, S, 5 * i %). With V = 0.05 * i the brightest component is
// round(V * 255): row 1 gives 12.75 -> 13, row 19 gives 242.25 -> 242.
void TestColorGrids::shades_data()
{
    QTest::addColumn<ColorValue>("working");
    QTest::addColumn<int>("row");
    QTest::addColumn<ColorValue>("expected");

    QTest::newRow("red row 1") << 0x0000FF << 1 << 0x00000D;
    QTest::newRow("red row 19") << 0x0000FF << 19 << 0x0000F2;
    // Orange (255, 128, 0): hue 30.12 degrees, read as 30: f = .5, so the
    // green component is half of red. Row 1: .025 * 255 = 6.375 -> 6.
    QTest::newRow("orange row 1") << 0x0080FF << 1 << 0x00060D;
    // Black has no hue or saturation either, so its shades are greys.
    QTest::newRow("black row 1") << 0x000000 << 1 << 0x0D0D0D;
}

void TestColorGrids::shades()
{
    QFETCH(ColorValue, working);
    QFETCH(int, row);
    QFETCH(ColorValue, expected);
    QCOMPARE(ColorGrids::shades(working)[row], expected);
}

// Double-clicking a shade makes it the working colour; a shade bright enough
// to keep the rounded hue refills the column with the same colours.
void TestColorGrids::refillFromShadeKeepsColumn_data()
{
    QTest::addColumn<ColorValue>("working");
    QTest::addColumn<int>("row");
    QTest::newRow("red") << 0x0000FF << 10;
    QTest::newRow("orange") << 0x0080FF << 19;
}

void TestColorGrids::refillFromShadeKeepsColumn()
{
    QFETCH(ColorValue, working);
    QFETCH(int, row);
    const ColorGrids::Shades first = ColorGrids::shades(working);
    QCOMPARE(ColorGrids::shades(first[row]), first);
}

void TestColorGrids::webSafe_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<ColorValue>("expected");

    QTest::newRow("top left black") << 0 << 0 << 0x000000;
    QTest::newRow("bottom right white") << 5 << 35 << 0xFFFFFF;
    QTest::newRow("blue cycles in the group") << 0 << 5 << 0xFF0000;
    // Red 153, green level 2 (102), blue level 2 (102).
    QTest::newRow("inner") << 3 << 14 << 0x666699;
}

void TestColorGrids::webSafe()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(ColorValue, expected);
    QCOMPARE(ColorGrids::webSafeColor(row, column), expected);
}

void TestColorGrids::webSafeColorsAreDistinctLevels()
{
    QSet<ColorValue> seen;
    for (int r = 0; r < ColorGrids::WebSafeRows; ++r) {
        for (int c = 0; c < ColorGrids::WebSafeColumns; ++c) {
            const RGBColor rgb = ColorToRGB(ColorGrids::webSafeColor(r, c));
            QCOMPARE(rgb.R % 51, 0);
            QCOMPARE(rgb.G % 51, 0);
            QCOMPARE(rgb.B % 51, 0);
            seen.insert(ColorGrids::webSafeColor(r, c));
        }
    }
    QCOMPARE(seen.size(), 216);
}

QTEST_GUILESS_MAIN(TestColorGrids)
#include "test_colorgrids.moc"
