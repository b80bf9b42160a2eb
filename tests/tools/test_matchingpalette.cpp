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
    void modelTracksPrime();
};

// One prime per hue row, plus black. Expected cells follow from HSVToColor's
// rounding (half to even of a 32-bit float product, so .7 * 255 gives 178) and
// its reading of S or V above 1 as percent; black cells read 0x000001.
void TestMatchingPalette::palette_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<Colors>("expected");

    QTest::newRow("red, hue 0..30") << 255 << 0 << 0
                                    << Colors { 0x0000FF, 0x0000B2, 0x0000B2, 0x0048D9, 0x003CB2,
                                           0x000001, 0xFFFFFF, 0x000001 };
    // Stepped up from black: every cell is a grey.
    QTest::newRow("black") << 0 << 0 << 0
                           << Colors { 0x000001, 0x4C4C4C, 0x4C4C4C, 0x262626, 0x4C4C4C, 0xFFFFFF,
                                  0x000001, 0xFFFFFF };
    QTest::newRow("orange, hue 30..60") << 255 << 170 << 0
                                        << Colors { 0x00C4FF, 0x0077B2, 0xCCB43D, 0xFFF2B2,
                                               0xFFFFFF, 0x000001, 0xFFFFFF, 0x000001 };
    QTest::newRow("green, hue 60..180") << 0 << 255 << 0
                                        << Colors { 0x00FF00, 0x00B200, 0x00FFAA, 0x00D990,
                                               0x00B277, 0x000001, 0xFFFFFF, 0x000001 };
    QTest::newRow("steel blue, hue 180..220, up")
        << 51 << 102 << 153
        << Colors { 0x734C26, 0xE6994C, 0x338899, 0x4095BF, 0x4CB2E6, 0x666666, 0x999999,
               0x000001 };
    QTest::newRow("blue, hue 220..300") << 0 << 0 << 255
                                        << Colors { 0xFF0000, 0xB20000, 0xFF9999, 0xD98282,
                                               0xB26B6B, 0x000001, 0xFFFFFF, 0x000001 };
    // Hue 359.76 rounds to 360 in columns 0 and 1, and wraps to 0 in the others.
    QTest::newRow("hue 300.., wraps to 0") << 255 << 0 << 1
                                           << Colors { 0x0000FF, 0x0000B2, 0x6666FF, 0x5757D9,
                                                  0x4747B2, 0x000001, 0xFFFFFF, 0x000001 };
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
    QTest::newRow("middle") << 128;
    QTest::newRow("white") << 255;
}

void TestMatchingPalette::greyPrimeGivesGreys()
{
    QFETCH(int, level);
    for (ColorValue c : MatchingPaletteModel::BuildMatchingPalette(level, level, level))
        QVERIFY2(isGrey(c) || c == 0x000001, qPrintable(QString::number(c, 16)));
}

// Grey 39 (V 15.29 %) asks column 0 for brightness 0.29, which HSVToColor
// reads as a fraction of 1, not as percent: brighter than the prime itself.
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

void TestMatchingPalette::modelTracksPrime()
{
    MatchingPaletteModel model;
    QCOMPARE(model.primeColor(), 0);
    QCOMPARE(model.colors(), MatchingPaletteModel::BuildMatchingPalette(0, 0, 0));
    QVERIFY(!model.setPrime(0, 0, 0));

    // The working colour is split into the sliders' components.
    QVERIFY(model.setPrime(0x0080FF));
    QCOMPARE(model.green(), 128);
    QCOMPARE(model.colors(), MatchingPaletteModel::BuildMatchingPalette(255, 128, 0));
    QVERIFY(!model.setPrime(255, 128, 0));

    // Outside the sliders' range counts as their end.
    QVERIFY(model.setPrime(300, -4, 7));
    QCOMPARE(model.primeColor(), MakeColorValue(255, 0, 7));
    QCOMPARE(model.color(6), MatchingPaletteModel::BuildMatchingPalette(255, 0, 7)[6]);
}

QTEST_GUILESS_MAIN(TestMatchingPalette)
#include "test_matchingpalette.moc"
