#include "palette/PaletteModel.h"

#include <QTest>

namespace {

constexpr ColorValue kMidTone = 0x642840; // r 64, g 40, b 100: s 60 %, v 39 %

// Hue in degrees, saturation and value in percent.
HSVColor percent(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    const HSVColor hsv
        = RGBToHSV(static_cast<float>(rgb.R), static_cast<float>(rgb.G), static_cast<float>(rgb.B));
    return HSVColor { hsv.H * 360, hsv.S * 100, hsv.V * 100 };
}

// Sixteen colours with saturation and value between 20 and 80 percent.
PaletteColors midTones()
{
    PaletteColors colors {};
    for (int i = 0; i < kPaletteCells; ++i)
        colors[i] = MakeColorValue(60 + 8 * i, 40 + 5 * i, 100 - 3 * i);
    return colors;
}

void fill(PaletteModel &model, const PaletteColors &colors)
{
    for (int slot = 0; slot < kPaletteCells; ++slot)
        model.SetCellColorRC(slot / 4, slot % 4, colors[slot]);
}

} // namespace

class TestPaletteAdjust : public QObject {
    Q_OBJECT

private slots:
    void adjustPalette_data();
    void adjustPalette();
    void limitsRecordNothing_data();
    void limitsRecordNothing();
    void adjustCell_data();
    void adjustCell();
    void keys_data();
    void keys();
};

void TestPaletteAdjust::adjustPalette_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("value"); // the key changes the value, else the saturation
    QTest::addColumn<float>("step");

    QTest::newRow("S+ lightens") << "S+" << true << 10.0f;
    QTest::newRow("V- desaturates") << "V-" << false << -10.0f;
}

void TestPaletteAdjust::adjustPalette()
{
    QFETCH(QString, key);
    QFETCH(bool, value);
    QFETCH(float, step);

    PaletteModel model;
    const PaletteColors original = midTones();
    fill(model, original);
    model.setCurrentCell(0, 0);

    model.AdjustPalette(key);

    QCOMPARE(model.undoEntryCount(), 2u * 16 * 16);
    QCOMPARE(model.currentCell(), (cCell { 3, 3 }));
    for (int slot = 0; slot < kPaletteCells; ++slot) {
        const HSVColor before = percent(original[slot]);
        const HSVColor after = percent(model.colors()[slot]);
        const float moved = value ? after.V - before.V : after.S - before.S;
        // Components come back as whole bytes, so a step lands within 1.5 %.
        QVERIFY2(qAbs(moved - step) < 1.5f, qPrintable(QString::number(slot)));
    }

    // Undo goes back cell by cell, the last cell first.
    QVERIFY(model.RollBack());
    QCOMPARE(model.GetColor(3, 3), original[15]);
    QVERIFY(model.GetColor(3, 2) != original[14]);
    for (int i = 1; i < kPaletteCells; ++i)
        QVERIFY(model.RollBack());
    QCOMPARE(model.colors(), original);
}

void TestPaletteAdjust::limitsRecordNothing_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<ColorValue>>("colors");

    QTest::newRow("lighten at 90 % or more")
        << "S+" << QList<ColorValue> { kWhite, 0x0000FF, MakeColorValue(230, 230, 230) };
    QTest::newRow("desaturate at 10 % or less")
        << "V-" << QList<ColorValue> { kWhite, kBlack, MakeColorValue(200, 190, 185) };
    QTest::newRow("unknown key") << "s+" << QList<ColorValue> { kMidTone };
}

void TestPaletteAdjust::limitsRecordNothing()
{
    QFETCH(QString, key);
    QFETCH(QList<ColorValue>, colors);

    PaletteModel model;
    for (int slot = 0; slot < kPaletteCells; ++slot)
        model.SetCellColorRC(slot / 4, slot % 4, colors.at(slot % colors.size()));
    model.setDirty(false);
    const PaletteColors before = model.colors();

    model.AdjustPalette(key);

    QCOMPARE(model.colors(), before);
    QCOMPARE(model.undoEntryCount(), 16u * 16);
    QVERIFY(!model.Dirty());
}

void TestPaletteAdjust::adjustCell_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<ColorValue>("start");
    QTest::addColumn<int>("snapshots"); // recorded by the adjustment
    QTest::addColumn<bool>("dirty");

    QTest::newRow("lighten a mid-tone") << "lighten" << kMidTone << 1 << true;
    QTest::newRow("black only marks the palette changed") << "lighten" << kBlack << 0 << true;
    QTest::newRow("empty cell stays empty") << "darken" << kEmptyCell << 0 << false;
    QTest::newRow("unknown word rewrites unchanged") << "Lighten" << kMidTone << 1 << true;
}

void TestPaletteAdjust::adjustCell()
{
    QFETCH(QString, word);
    QFETCH(ColorValue, start);
    QFETCH(int, snapshots);
    QFETCH(bool, dirty);

    PaletteModel model;
    model.SetCellColorRC(2, 1, start);
    model.setDirty(false);
    const auto recorded = model.undoEntryCount();

    model.AdjustCell(word);

    QCOMPARE(model.undoEntryCount() - recorded, 16u * snapshots);
    QCOMPARE(model.Dirty(), dirty);
    if (start == kEmptyCell || start == kBlack || start == kWhite)
        QCOMPARE(model.GetColor(2, 1), start);
    if (word == u"lighten" && start == kMidTone)
        QVERIFY(qAbs(percent(model.GetColor(2, 1)).V - percent(start).V - 10) < 1.5f);
}

void TestPaletteAdjust::keys_data()
{
    QTest::addColumn<char16_t>("character");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("filled"); // the current cell holds a colour
    QTest::addColumn<PaletteModel::KeyResult>("result");
    QTest::addColumn<bool>("changed"); // the current cell's colour changed

    using R = PaletteModel::KeyResult;
    QTest::newRow("w lightens") << u'w' << false << true << R::Handled << true;
    for (const char16_t upper : { u'W', u'Q', u'S', u'D' })
        QTest::addRow("capital %c does nothing", char(upper))
            << upper << false << true << R::Ignored << false;
    QTest::newRow("d on an empty cell") << u'd' << false << false << R::Ignored << false;
    QTest::newRow("w with Ctrl held") << u'w' << true << true << R::Ignored << false;
    QTest::newRow("Ctrl+Z undoes") << char16_t(26) << true << true << R::Handled << true;
    QTest::newRow("Ctrl+Z in a new palette")
        << char16_t(26) << true << false << R::Refused << false;
    QTest::newRow("Ctrl+X with nothing undone")
        << char16_t(24) << true << true << R::Refused << false;
    QTest::newRow("Ctrl+Y does nothing") << char16_t(25) << true << true << R::Ignored << false;
}

void TestPaletteAdjust::keys()
{
    QFETCH(char16_t, character);
    QFETCH(bool, ctrl);
    QFETCH(bool, filled);
    QFETCH(PaletteModel::KeyResult, result);
    QFETCH(bool, changed);

    PaletteModel model;
    if (filled)
        model.SetCellColorRC(1, 1, kMidTone);
    model.setCurrentCell(1, 1);
    const ColorValue before = model.GetColor(1, 1);

    QCOMPARE(model.handleKey(character, ctrl), result);
    QCOMPARE(model.GetColor(1, 1) != before, changed);
}

QTEST_GUILESS_MAIN(TestPaletteAdjust)
#include "test_paletteadjust.moc"
