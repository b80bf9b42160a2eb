#include "tools/HarmonyModel.h"

#include <QTest>

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
    void pureRed_data();
    void pureRed();
    void greysStayGrey_data();
    void greysStayGrey();
    void nonPositiveLeavesSwatches_data();
    void nonPositiveLeavesSwatches();
    void workingColorIsNotConverted();
};

// Pure red turned by whole degrees; components * 255 rounded half to even.
void TestHarmonies::pureRed_data()
{
    QTest::addColumn<HarmonyGroup>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<ColorValue>("expected");

    constexpr ColorValue red = 0x0000FF;
    QTest::newRow("compl 1 +180") << HarmonyGroup::Compl << 1 << 0xFFFF00;
    QTest::newRow("split 0 +135") << HarmonyGroup::SplitCompl << 0 << 0x40FF00;
    // -45 wraps to 315.
    QTest::newRow("analogous 0 -45") << HarmonyGroup::Analogous << 0 << 0xBF00FF;
    QTest::newRow("triad 0 -120") << HarmonyGroup::Triad << 0 << 0xFF0000;
    QTest::newRow("triad 1 +120") << HarmonyGroup::Triad << 1 << 0x00FF00;
    QTest::newRow("triad 2 working") << HarmonyGroup::Triad << 2 << red;
    QTest::newRow("tetrad 1 +90, 127.5 to 128") << HarmonyGroup::Tetrad << 1 << 0x00FF80;
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

// Turning 0x0064FF by 0 degrees rounds its hue and changes it, so the working
// colour's swatches must be copied, not computed.
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

QTEST_GUILESS_MAIN(TestHarmonies)
#include "test_harmonies.moc"
