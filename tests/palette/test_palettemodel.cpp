#include "palette/PaletteModel.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(cCell)

namespace {

constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kBlue = 0xFF0000;

// Distinct colours for filling a palette: 1, 2, 3, ...
ColorValue nth(int n)
{
    return 0x010101 * n;
}

cCell cell(int row, int col)
{
    return cCell { static_cast<int16_t>(row), static_cast<int16_t>(col) };
}

} // namespace

class TestPaletteModel : public QObject {
    Q_OBJECT

private slots:
    void freeCellOrder_data();
    void freeCellOrder();
    void setCellColorRC_data();
    void setCellColorRC();
    void cellAt_data();
    void cellAt();
    void clicks_data();
    void clicks();
    void clone();
};

void TestPaletteModel::freeCellOrder_data()
{
    QTest::addColumn<int>("filled"); // colours added to a new palette first
    QTest::addColumn<QList<cCell>>("erased"); // then emptied
    QTest::addColumn<QList<cCell>>("next"); // where the following colours go

    QTest::newRow("17th and 18th wrap to the top")
        << 16 << QList<cCell> {} << QList<cCell> { cell(0, 0), cell(0, 1), cell(0, 2) };
    QTest::newRow("erased cell first, then the cursor resumes")
        << 18 << QList<cCell> { cell(2, 2) } << QList<cCell> { cell(2, 2), cell(0, 2) };
    QTest::newRow("first gap wins") << 4 << QList<cCell> { cell(0, 2), cell(0, 1) }
                                    << QList<cCell> { cell(0, 1), cell(0, 2), cell(1, 0) };
}

void TestPaletteModel::freeCellOrder()
{
    QFETCH(int, filled);
    QFETCH(QList<cCell>, erased);
    QFETCH(QList<cCell>, next);

    PaletteModel model;
    int n = 1;
    for (; n <= filled; ++n)
        model.SetNextCell(nth(n));
    for (const cCell &c : erased)
        model.SetCellColorRC(c.row, c.col, kEmptyCell);
    for (const cCell &expected : next) {
        model.SetNextCell(nth(n));
        QCOMPARE(model.GetColor(expected.row, expected.col), nth(n));
        ++n;
    }
}

void TestPaletteModel::setCellColorRC_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<cCell>("written");
    QTest::addColumn<ColorValue>("stored");
    QTest::addColumn<ColorValue>("shown");

    QTest::newRow("in range") << 1 << 2 << kRed << cell(1, 2) << kRed << kRed;
    QTest::newRow("beyond the grid clamps") << 5 << 9 << kBlue << cell(3, 3) << kBlue << kBlue;
    QTest::newRow("-1 empties") << 0 << 0 << -1 << cell(0, 0) << kEmptyCell << kWhite;
}

void TestPaletteModel::setCellColorRC()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(ColorValue, color);
    QFETCH(cCell, written);
    QFETCH(ColorValue, stored);
    QFETCH(ColorValue, shown);

    PaletteModel model;
    model.SetCellColorRC(written.row, written.col, 0x123456); // so that -1 visibly empties
    model.setDirty(false);
    QSignalSpy readouts(&model, &PaletteModel::selectionChanged);

    model.SetCellColorRC(row, col, color);

    QCOMPARE(model.GetColor(written.row, written.col), stored);
    QCOMPARE(model.shownColor(written.row, written.col), shown);
    QCOMPARE(model.currentCell(), written);
    QVERIFY(model.Dirty());
    QCOMPARE(model.undoEntryCount(), 32u);
    QCOMPARE(readouts.count(), 1);
    QCOMPARE(readouts.at(0).at(0).value<ColorValue>(), shown);
}

void TestPaletteModel::cellAt_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<cCell>("expected");

    // Cells 36 wide and 40 high.
    QTest::newRow("half rounds to even, up") << 35.5f << 39.5f << cell(1, 1);
    QTest::newRow("beyond the grid clamps") << 500.0f << 500.0f << cell(3, 3);
    QTest::newRow("before the grid clamps") << -50.0f << -50.0f << cell(0, 0);
}

void TestPaletteModel::cellAt()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(cCell, expected);
    QCOMPARE(PaletteModel::cellAt(x, y, 36, 40), expected);
}

void TestPaletteModel::clicks_data()
{
    QTest::addColumn<QList<cCell>>("clicks");
    // Per click: 0 nothing happens, 1 active colour set silently, 2 announced.
    QTest::addColumn<QList<int>>("outcomes");

    // The palette: red, red, black, empty in the top row.
    QTest::newRow("same colour twice announces once")
        << QList<cCell> { cell(0, 0), cell(0, 1) } << QList<int> { 2, 1 };
    QTest::newRow("alternating colours announce each time")
        << QList<cCell> { cell(0, 0), cell(0, 2), cell(0, 1) } << QList<int> { 2, 2, 2 };
    QTest::newRow("empty cell between keeps the memory")
        << QList<cCell> { cell(0, 0), cell(0, 3), cell(0, 1) } << QList<int> { 2, 0, 1 };
}

void TestPaletteModel::clicks()
{
    QFETCH(QList<cCell>, clicks);
    QFETCH(QList<int>, outcomes);

    PaletteModel model;
    model.SetCellColorRC(0, 0, kRed);
    model.SetCellColorRC(0, 1, kRed);
    model.SetCellColorRC(0, 2, kBlack);

    for (qsizetype i = 0; i < clicks.size(); ++i) {
        const cCell c = clicks.at(i);
        const auto outcome = model.clickCell(c.row, c.col);
        QCOMPARE(model.currentCell(), c);
        QCOMPARE(outcome.setsActiveColor, outcomes.at(i) > 0);
        QCOMPARE(outcome.announce, outcomes.at(i) == 2);
        if (outcome.setsActiveColor)
            QCOMPARE(outcome.color, model.GetColor(c.row, c.col));
    }
}

void TestPaletteModel::clone()
{
    PaletteModel copy;
    copy.setDirty(true);
    copy.Clone(PaletteModel());
    QVERIFY(!copy.Dirty());
    QCOMPARE(copy.undoEntryCount(), 0u);

    PaletteModel source;
    source.SetCellColorRC(0, 1, kRed);
    source.SetCellColorRC(3, 2, kBlack);
    source.setFileName(QStringLiteral("/tmp/source.twp"));
    copy.SetCellColorRC(2, 2, kBlue); // not in the source: stays
    copy.setCaption(QStringLiteral("Tintwright Palette 2"));
    copy.Clone(source);

    QCOMPARE(copy.GetColor(0, 1), kRed);
    QCOMPARE(copy.GetColor(3, 2), kBlack);
    QCOMPARE(copy.GetColor(2, 2), kBlue);
    QCOMPARE(copy.undoEntryCount(), 3u * 16);
    QVERIFY(copy.Dirty());
    QVERIFY(copy.FileName().isEmpty());
    QCOMPARE(copy.caption(), QStringLiteral("Tintwright Palette 2"));
}

QTEST_GUILESS_MAIN(TestPaletteModel)
#include "test_palettemodel.moc"
