#include "tools/MatchingPaletteModel.h"

#include <QTest>

using Colors = MatchingPaletteModel::Colors;
Q_DECLARE_METATYPE(Colors)

namespace {

char *hexList(const Colors &colors)
{
    QByteArray text;
    for (ColorValue c : colors)
        text += "0x" + QByteArray::number(c, 16).rightJustified(6, '0').toUpper() + ' ';
    return qstrdup(text.constData());
}

bool isGrey(ColorValue c)
{
    const RGBColor rgb = ColorToRGB(c);
    return rgb.R == rgb.G && rgb.G == rgb.B;
}

} // namespace

class TestMatchingPalette : public QObject {
    Q_OBJECT

private slots:
    void palette_data();
    void palette();
    void greyPrimeGivesGreys_data();
    void greyPrimeGivesGreys();
    void smallBrightnessReadsAsFraction();
    void noCellIsEverBlack();
    void clampPercent_data();
    void clampPercent();
    void setMatchCell();
    void modelTracksPrime();
};

// Notation: a triple is (hue degrees, saturation %, brightness %). HSVToColor
// reads S or V above 1 as percent and a hue below 1 as a fraction of a turn,
// rounds the hue to whole degrees and works in sextants: hs = h / 60,
// i = floor(hs), f = hs - i; p = (1 - S) V, q = (1 - f S) V, t = (1 - (1 - f) S) V;
// i = 0: (V, t, p), 1: (q, V, p), 2: (p, V, t), 3: (p, q, V), 4: (t, p, V),
// 5: (V, p, q). Components are * 255 rounded half to even (the product kept as
// a 32-bit float, so .7 * 255 is exactly 178.5 -> 178), and clamped to 0..255.
// Black cells read 0x000001.
void TestMatchingPalette::palette_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<Colors>("expected");

    // H 0, S 100, V 100, not up: V15 = 85, V30 = 70; hue row 0..30.
    // 0 (0,100,115): 293 -> 255, pure red. 1 and 2 (0,100,70): 178.
    // 3 C (20,100,85): f = 1/3: R 216.75 -> 217, G .85/3 -> 72.25 -> 72.
    // 4 D (20,100,70): R 178, G .7/3 -> 59.5 -> 60.
    // 5 (0,0,0) black. 6 (0,0,100) white. 7 (20,100,0) black.
    QTest::newRow("red, hue 0..30") << 255 << 0 << 0
                                    << Colors { 0x0000FF, 0x0000B2, 0x0000B2, 0x0048D9, 0x003CB2,
                                           0x000001, 0xFFFFFF, 0x000001 };
    // All zero, up: V15 = 15, V30 = 30; every triple is a grey.
    // 0 (0,0,-15) black. 1, 2, 4 (.,0,30): 76.5 -> 76. 3 (20,0,15): 38.25 -> 38.
    // 5 (0,0,100) white. 6 (0,0,0) black. 7 (20,0,100) white.
    QTest::newRow("black") << 0 << 0 << 0
                           << Colors { 0x000001, 0x4C4C4C, 0x4C4C4C, 0x262626, 0x4C4C4C, 0xFFFFFF,
                                  0x000001, 0xFFFFFF };
    // H = 60 / 255 = 0.235 degrees: below 1, so columns 0..2 have it read as a
    // fraction, 0.235 * 360 = 84.7 -> 85 degrees: i = 1, f = .4167.
    // 0 (0.235,100,115): q = .5833 * 1.15 -> 171.06 -> 171, V 255: (171,255,0).
    // 1, 2 (0.235,100,70): q = .4083 -> 104.1 -> 104, V 178: (104,178,0).
    // 3, 4 hue 20.235 is whole degrees again -> as for pure red.
    QTest::newRow("hue below one degree") << 255 << 1 << 0
                                          << Colors { 0x00FFAB, 0x00B268, 0x00B268, 0x0048D9,
                                                 0x003CB2, 0x000001, 0xFFFFFF, 0x000001 };
    // H 40, S 100, V 100, not up; hue row 30..60, hue of B, C, D 190: i = 3, f = 1/6.
    // 0 (40,100,115): i = 0, f = 2/3: t = 1.15 * 2/3 -> 195.5 -> 196.
    // 1 (40,100,70): R 178, t = .4667 -> 119.
    // 2 B (190, 70, 80): p = .3 * .8 -> 61.2 -> 61, q = (1 - .7/6) * .8 -> 180.2 -> 180, V 204.
    // 3 C (190, 30, 100): p = .7 -> 178.5 -> 178, q = .95 -> 242.25 -> 242, V 255.
    // 4 D (190, 0, clamp(120) = 100): white. 5 black, 6 white, 7 (190,30,0) black.
    QTest::newRow("orange, hue 30..60") << 255 << 170 << 0
                                        << Colors { 0x00C4FF, 0x0077B2, 0xCCB43D, 0xFFF2B2,
                                               0xFFFFFF, 0x000001, 0xFFFFFF, 0x000001 };
    // H 120, S 100, V 100, not up; hue row 60..180, B, C, D at hue 80: i = 1, f = 1/3.
    // 0 (120,100,115) pure green; 1 (120,100,70): G 178.
    // 2 B (80,100,100): q = 2/3 -> 170. 3 C (80,100,85): q = .5667 -> 144.5 -> 144,
    // V 217. 4 D (80,100,70): q -> 119, V 178. 5 black, 6 white, 7 black.
    QTest::newRow("green, hue 60..180") << 0 << 255 << 0
                                        << Colors { 0x00FF00, 0x00B200, 0x00FFAA, 0x00D990,
                                               0x00B277, 0x000001, 0xFFFFFF, 0x000001 };
    // The lower end of each hue range belongs to it.
    // Yellow: H 60 -> row 60..180; B, C, D at hue 20 as in the red row, B at full
    // brightness: t = 1/3 -> 85. 0 (60,100,115): i = 1, f = 0: (q, V, p) = (255, 255, 0).
    QTest::newRow("yellow, hue 60") << 255 << 255 << 0
                                    << Colors { 0x00FFFF, 0x00B2B2, 0x0055FF, 0x0048D9, 0x003CB2,
                                           0x000001, 0xFFFFFF, 0x000001 };
    // Cyan: H 180 -> row 180..220. 2 B (20,100,100): t -> 85. 3 C (10,100,85): f = 1/6,
    // t = .85 / 6 -> 36.1 -> 36. 4 D (10,100,70): t = .7 / 6 -> 29.75 -> 30.
    QTest::newRow("cyan, hue 180") << 0 << 255 << 255
                                   << Colors { 0xFFFF00, 0xB2B200, 0x0055FF, 0x0024D9, 0x001EB2,
                                          0x000001, 0xFFFFFF, 0x000001 };
    // Magenta: H 300 -> row 300..; h' 300, S40 60; i = 5, f = 0: (V, p, q) with q = V.
    // 2 B: p = .4 -> 102. 3 C: V 217, p = .34 -> 87. 4 D: V 178, p = .28 -> 71.
    QTest::newRow("magenta, hue 300") << 255 << 0 << 255
                                      << Colors { 0xFF00FF, 0xB200B2, 0xFF66FF, 0xD957D9, 0xB247B2,
                                             0x000001, 0xFFFFFF, 0x000001 };
    // H 210, S 66.67, V 60: up, V15 = 75, V30 = 90; hue row 180..220.
    // 0 (210,66.67,45): i = 3, f = .5: p = .15 -> 38.25 -> 38, q = .3 -> 76.5 - a hair
    //   -> 76, V 114.75 -> 115.
    // 1 (210,66.67,90): p 76, q = .6 -> 153, V 229.5 -> 230.
    // 2 B (50,66.67,60): i = 0, f = 5/6: V 153, t = (1 - 1/9) * .6 -> 136, p = .2 -> 51.
    // 3 C (40,66.67,75): f = 2/3: V 191.25 -> 191, t = (7/9) * .75 -> 148.75 -> 149,
    //   p = .25 -> 63.75 -> 64.
    // 4 D (40,66.67,90): V 230, t = .7 -> 178.5 -> 178, p = .3 -> 76.
    // 5 (0,0,40) -> 102. 6 (0,0,60) -> 153. 7 (40,66.67,0) black (V is not below 50).
    QTest::newRow("steel blue, hue 180..220, up")
        << 51 << 102 << 153
        << Colors { 0x734C26, 0xE6994C, 0x338899, 0x4095BF, 0x4CB2E6, 0x666666, 0x999999,
               0x000001 };
    // H 240, S 100, V 100, not up; hue row 220..300, saturation 100 - 60 = 40.
    // 2 B (240,40,100): i = 4, f = 0: t = p = .6 -> 153, V 255.
    // 3 C (240,40,85): .51 -> 130.05 -> 130, V 217. 4 D (240,40,70): .42 -> 107.1 -> 107.
    QTest::newRow("blue, hue 220..300") << 0 << 0 << 255
                                        << Colors { 0xFF0000, 0xB20000, 0xFF9999, 0xD98282,
                                               0xB26B6B, 0x000001, 0xFFFFFF, 0x000001 };
    // H 329.88, S 100, V 100, not up; hue row 300..: h' = 330, S40 = 100 - 40 = 60.
    // 0 (329.88,100,115): hue read as 330, i = 5, f = .5: V 255, p 0, q = .575 -> 146.6 -> 147.
    // 1 (329.88,100,70): V 178, q = .35 -> 89.25 -> 89.
    // 2 B (330,60,100): p = .4 -> 102, q = .7 -> 178.5 -> 178.
    // 3 C (330,60,85): V 217, p = .34 -> 86.7 -> 87, q = .595 -> 151.7 -> 152.
    // 4 D (330,60,70): V 178, p = .28 -> 71.4 -> 71, q = .49 -> 124.95 -> 125.
    QTest::newRow("rose, hue 300..") << 255 << 0 << 128
                                     << Colors { 0x9300FF, 0x5900B2, 0xB266FF, 0x9857D9, 0x7D47B2,
                                            0x000001, 0xFFFFFF, 0x000001 };
    // H = 359.76: columns 0 and 1 round it to 360, which is red; h' wraps to 0.
    // 2 B (0,60,100): t = p = .4 -> 102. 3 C (0,60,85): .34 -> 87. 4 D (0,60,70): .28 -> 71.
    QTest::newRow("hue wraps to 0") << 255 << 0 << 1
                                    << Colors { 0x0000FF, 0x0000B2, 0x6666FF, 0x5757D9, 0x4747B2,
                                           0x000001, 0xFFFFFF, 0x000001 };
}

void TestMatchingPalette::palette()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(Colors, expected);

    const Colors actual = MatchingPaletteModel::BuildMatchingPalette(red, green, blue);
    if (actual != expected) {
        QScopedArrayPointer<char> a(hexList(actual));
        QScopedArrayPointer<char> e(hexList(expected));
        QFAIL(qPrintable(QStringLiteral("got %1\nwant %2").arg(a.data(), e.data())));
    }
}

void TestMatchingPalette::greyPrimeGivesGreys_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("darkest") << 1;
    QTest::newRow("dark") << 39;
    QTest::newRow("middle") << 128;
    QTest::newRow("light") << 200;
    QTest::newRow("white") << 255;
}

void TestMatchingPalette::greyPrimeGivesGreys()
{
    QFETCH(int, level);
    for (ColorValue c : MatchingPaletteModel::BuildMatchingPalette(level, level, level))
        QVERIFY2(isGrey(c) || c == 0x000001, qPrintable(QString::number(c, 16)));
}

// A dark grey (39: V = 15.29 %) is stepped up, so column 0 asks for brightness
// 15.29 - 15 = 0.29, which HSVToColor reads as a fraction: .2941 * 255 = 75.0
// -> 75, brighter than the prime colour itself (column 6).
void TestMatchingPalette::smallBrightnessReadsAsFraction()
{
    const Colors colors = MatchingPaletteModel::BuildMatchingPalette(39, 39, 39);
    QCOMPARE(colors[0], 0x4B4B4B);
    QCOMPARE(colors[6], 0x272727);
}

void TestMatchingPalette::noCellIsEverBlack()
{
    for (int r = 0; r <= 255; r += 15) {
        for (int g = 0; g <= 255; g += 15) {
            for (int b = 0; b <= 255; b += 15) {
                for (ColorValue c : MatchingPaletteModel::BuildMatchingPalette(r, g, b)) {
                    if (c <= 0 || c > 0xFFFFFF)
                        QFAIL(qPrintable(
                            QStringLiteral("%1,%2,%3 gave %4").arg(r).arg(g).arg(b).arg(c)));
                }
            }
        }
    }
}

void TestMatchingPalette::clampPercent_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("expected");
    QTest::newRow("above") << 120.0f << 100.0f;
    QTest::newRow("at max") << 100.0f << 100.0f;
    QTest::newRow("inside") << 42.5f << 42.5f;
    QTest::newRow("zero") << 0.0f << 0.0f;
    QTest::newRow("below") << -0.5f << 0.0f;
}

void TestMatchingPalette::clampPercent()
{
    QFETCH(float, value);
    QFETCH(float, expected);
    QCOMPARE(MatchingPaletteModel::ClampPercent(value, 100.0f), expected);
}

void TestMatchingPalette::setMatchCell()
{
    Colors cells {};
    cells.fill(-1);
    MatchingPaletteModel::SetMatchCell(cells, 1, 0x000000);
    MatchingPaletteModel::SetMatchCell(cells, 8, 0x123456);
    QCOMPARE(cells[0], 0x000001);
    QCOMPARE(cells[7], 0x123456);
    QCOMPARE(cells[1], -1);
}

void TestMatchingPalette::modelTracksPrime()
{
    MatchingPaletteModel model;
    QCOMPARE(model.primeColor(), 0);
    QCOMPARE(model.colors(), MatchingPaletteModel::BuildMatchingPalette(0, 0, 0));
    QVERIFY(!model.setPrime(0, 0, 0));

    // The working colour is split into the sliders' components.
    QVERIFY(model.setPrime(0x0080FF));
    QCOMPARE(model.red(), 255);
    QCOMPARE(model.green(), 128);
    QCOMPARE(model.blue(), 0);
    QCOMPARE(model.colors(), MatchingPaletteModel::BuildMatchingPalette(255, 128, 0));
    QVERIFY(!model.setPrime(255, 128, 0));

    // Outside the sliders' range counts as their end.
    QVERIFY(model.setPrime(300, -4, 7));
    QCOMPARE(model.primeColor(), MakeColorValue(255, 0, 7));
    QCOMPARE(model.color(6), MatchingPaletteModel::BuildMatchingPalette(255, 0, 7)[6]);
}

QTEST_GUILESS_MAIN(TestMatchingPalette)
#include "test_matchingpalette.moc"
