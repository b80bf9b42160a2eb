#include "tools/HarmonyModel.h"

#include <QTest>

#include <climits>

Q_DECLARE_METATYPE(HarmonyGroup)

namespace {

QList<ColorValue> allSwatches(const HarmonyModel &model)
{
    QList<ColorValue> result;
    for (HarmonyGroup g : AllHarmonyGroups) {
        for (ColorValue c : model.group(g))
            result.append(c);
    }
    return result;
}

} // namespace

class TestHarmonies : public QObject {
    Q_OBJECT

private slots:
    void startsWhite();
    void pureRed_data();
    void pureRed();
    void greysStayGrey_data();
    void greysStayGrey();
    void nonPositiveLeavesSwatches_data();
    void nonPositiveLeavesSwatches();
    void workingColorIsNotConverted();
    void groupTexts_data();
    void groupTexts();
};

void TestHarmonies::startsWhite()
{
    HarmonyModel model;
    const QList<ColorValue> swatches = allSwatches(model);
    QCOMPARE(swatches.size(), 15);
    for (ColorValue c : swatches)
        QCOMPARE(c, kWhite);
}

// Expected colours of pure red (hue 0, S = V = 1) turned by d degrees, from the
// hexcone sextants: hs = h / 60, i = floor(hs), f = hs - i, with p = 0,
// q = 1 - f and t = f for full saturation and value, components * 255 rounded
// half to even.
void TestHarmonies::pureRed_data()
{
    QTest::addColumn<HarmonyGroup>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<ColorValue>("expected");

    constexpr ColorValue red = 0x0000FF;
    // 180: i = 3, f = 0 -> (p, q, V) = (0, 1, 1) cyan.
    QTest::newRow("compl 0 working") << HarmonyGroup::Compl << 0 << red;
    QTest::newRow("compl 1 +180") << HarmonyGroup::Compl << 1 << 0xFFFF00;
    // 135: i = 2, f = .25 -> (p, V, t) = (0, 255, 63.75 -> 64).
    QTest::newRow("split 0 +135") << HarmonyGroup::SplitCompl << 0 << 0x40FF00;
    // 225: i = 3, f = .75 -> (p, q, V) = (0, .25 -> 64, 255).
    QTest::newRow("split 1 +225") << HarmonyGroup::SplitCompl << 1 << 0xFF4000;
    QTest::newRow("split 2 working") << HarmonyGroup::SplitCompl << 2 << red;
    // -45 wraps to 315: i = 5, f = .25 -> (V, p, q) = (255, 0, .75 -> 191.25 -> 191).
    QTest::newRow("analogous 0 -45") << HarmonyGroup::Analogous << 0 << 0xBF00FF;
    // 45: i = 0, f = .75 -> (V, t, p) = (255, 191, 0).
    QTest::newRow("analogous 1 +45") << HarmonyGroup::Analogous << 1 << 0x00BFFF;
    QTest::newRow("analogous 2 working") << HarmonyGroup::Analogous << 2 << red;
    // -120 wraps to 240, pure blue; +120 is pure green.
    QTest::newRow("triad 0 -120") << HarmonyGroup::Triad << 0 << 0xFF0000;
    QTest::newRow("triad 1 +120") << HarmonyGroup::Triad << 1 << 0x00FF00;
    QTest::newRow("triad 2 working") << HarmonyGroup::Triad << 2 << red;
    QTest::newRow("tetrad 0 working") << HarmonyGroup::Tetrad << 0 << red;
    // 90: i = 1, f = .5 -> (q, V, p) = (127.5 -> 128, 255, 0).
    QTest::newRow("tetrad 1 +90") << HarmonyGroup::Tetrad << 1 << 0x00FF80;
    QTest::newRow("tetrad 2 +180") << HarmonyGroup::Tetrad << 2 << 0xFFFF00;
    // 270: i = 4, f = .5 -> (t, p, V) = (128, 0, 255).
    QTest::newRow("tetrad 3 +270") << HarmonyGroup::Tetrad << 3 << 0xFF0080;
}

void TestHarmonies::pureRed()
{
    QFETCH(HarmonyGroup, group);
    QFETCH(int, index);
    QFETCH(ColorValue, expected);

    HarmonyModel model;
    QVERIFY(model.regenerate(0x0000FF));
    QCOMPARE(model.swatch(group, index), expected);
    // The add commands append the group in ascending swatch order.
    QCOMPARE(model.group(group)[index], expected);
}

void TestHarmonies::greysStayGrey_data()
{
    QTest::addColumn<ColorValue>("grey");
    QTest::newRow("darkest") << 0x010101;
    QTest::newRow("middle") << 0x808080;
    QTest::newRow("light") << 0xC0C0C0;
    QTest::newRow("white") << 0xFFFFFF;
}

void TestHarmonies::greysStayGrey()
{
    QFETCH(ColorValue, grey);
    HarmonyModel model;
    QVERIFY(model.regenerate(0x0000FF));
    QVERIFY(model.regenerate(grey));
    for (ColorValue c : allSwatches(model))
        QCOMPARE(c, grey);
}

void TestHarmonies::nonPositiveLeavesSwatches_data()
{
    QTest::addColumn<ColorValue>("working");
    QTest::newRow("black") << 0;
    QTest::newRow("empty cell marker") << -1;
    QTest::newRow("most negative") << INT_MIN;
}

void TestHarmonies::nonPositiveLeavesSwatches()
{
    QFETCH(ColorValue, working);

    HarmonyModel fresh;
    QVERIFY(!fresh.regenerate(working));
    for (ColorValue c : allSwatches(fresh))
        QCOMPARE(c, kWhite);

    HarmonyModel model;
    QVERIFY(model.regenerate(0x336699));
    const QList<ColorValue> before = allSwatches(model);
    QVERIFY(!model.regenerate(working));
    QCOMPARE(allSwatches(model), before);
}

// 0x0064FF is (255, 100, 0), hue 23.53 degrees. Turning it by 0 degrees rounds
// the hue to 24 and gives (255, 102, 0), so a swatch computed that way would
// differ from the working colour.
void TestHarmonies::workingColorIsNotConverted()
{
    constexpr ColorValue working = 0x0064FF;
    QVERIFY2(RotateHue(working, 0) != working, "precondition: the colour must not round-trip");

    HarmonyModel model;
    QVERIFY(model.regenerate(working));
    QCOMPARE(model.swatch(HarmonyGroup::Compl, 0), working);
    QCOMPARE(model.swatch(HarmonyGroup::SplitCompl, 2), working);
    QCOMPARE(model.swatch(HarmonyGroup::Analogous, 2), working);
    QCOMPARE(model.swatch(HarmonyGroup::Triad, 2), working);
    QCOMPARE(model.swatch(HarmonyGroup::Tetrad, 0), working);
}

void TestHarmonies::groupTexts_data()
{
    QTest::addColumn<HarmonyGroup>("group");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("count");

    QTest::newRow("compl") << HarmonyGroup::Compl << "Complements"
                           << "Add &Complements" << 2;
    QTest::newRow("split") << HarmonyGroup::SplitCompl << "Split Complements"
                           << "Add &Split Compliments" << 3;
    QTest::newRow("analogous") << HarmonyGroup::Analogous << "Analogous"
                               << "Add &Analogous" << 3;
    QTest::newRow("triad") << HarmonyGroup::Triad << "Triad"
                           << "Add &Triads" << 3;
    QTest::newRow("tetrad") << HarmonyGroup::Tetrad << "Tetrad"
                            << "Add &Tetrads" << 4;
}

void TestHarmonies::groupTexts()
{
    QFETCH(HarmonyGroup, group);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(int, count);

    const HarmonyGroupInfo &info = harmonyGroupInfo(group);
    QCOMPARE(QString::fromLatin1(info.label), label);
    QCOMPARE(QString::fromLatin1(info.addCaption), caption);
    QCOMPARE(info.swatchCount, count);

    HarmonyModel model;
    QCOMPARE(int(model.group(group).size()), count);
}

QTEST_GUILESS_MAIN(TestHarmonies)
#include "test_harmonies.moc"
