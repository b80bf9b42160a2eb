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
    void newPalette();
    void freeCellOrder_data();
    void freeCellOrder();
    void setCellColorRC_data();
    void setCellColorRC();
    void negativePositionIsIgnored();
    void cellAt_data();
    void cellAt();
    void clicks_data();
    void clicks();
    void drops();
    void contextColor();
    void activeColorGoesToCurrentCell();
    void selectCell();
    void cloneCopiesNonEmptyCells();
    void cloneOfEmptyPaletteIsClean();
    void resetKeepsDocumentState();
    void settersEmitOnlyOnChange();
};

void TestPaletteModel::newPalette()
{
    const PaletteModel model;
    for (int slot = 0; slot < kPaletteCells; ++slot) {
        QCOMPARE(model.GetColor(slot / 4, slot % 4), kEmptyCell);
        QCOMPARE(model.shownColor(slot / 4, slot % 4), kWhite);
    }
    QCOMPARE(model.currentCell(), cell(0, 0));
    QCOMPARE(model.iRows(), 4);
    QCOMPARE(model.iCols(), 4);
    QVERIFY(!model.Dirty());
    QCOMPARE(model.caption(), QStringLiteral("Tintwright Palette"));
    QCOMPARE(model.undoEntryCount(), 0u);
}

void TestPaletteModel::freeCellOrder_data()
{
    QTest::addColumn<int>("filled"); // colours added to a new palette first
    QTest::addColumn<QList<cCell>>("erased"); // then emptied
    QTest::addColumn<QList<cCell>>("next"); // where the following colours go

    QTest::newRow("row-major from (0,0)")
        << 0 << QList<cCell> {} << QList<cCell> { cell(0, 0), cell(0, 1), cell(0, 2) };
    QTest::newRow("17th and 18th wrap to the top")
        << 16 << QList<cCell> {} << QList<cCell> { cell(0, 0), cell(0, 1), cell(0, 2) };
    QTest::newRow("erased cell first, then the cursor resumes")
        << 18 << QList<cCell> { cell(2, 2) } << QList<cCell> { cell(2, 2), cell(0, 2) };
    QTest::newRow("cursor wraps after (3,3)")
        << 32 << QList<cCell> {} << QList<cCell> { cell(0, 0), cell(0, 1) };
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
    QTest::newRow("row only clamps") << 7 << 0 << kRed << cell(3, 0) << kRed << kRed;
    QTest::newRow("-1 empties") << 0 << 0 << -1 << cell(0, 0) << kEmptyCell << kWhite;
    QTest::newRow("any negative empties") << 2 << 1 << -7 << cell(2, 1) << kEmptyCell << kWhite;
    QTest::newRow("white is a colour") << 0 << 3 << kWhite << cell(0, 3) << kWhite << kWhite;
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

void TestPaletteModel::negativePositionIsIgnored()
{
    PaletteModel model;
    model.SetCellColorRC(-1, 2, kRed);
    model.SetCellColorRC(2, -1, kRed);
    QCOMPARE(model.colors(), PaletteModel().colors());
    QCOMPARE(model.undoEntryCount(), 0u);
    QVERIFY(!model.Dirty());
}

void TestPaletteModel::cellAt_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<cCell>("expected");

    // Cells 36 wide and 40 high.
    QTest::newRow("origin") << 0.0f << 0.0f << cell(0, 0);
    QTest::newRow("last point of the first cell") << 35.4f << 39.4f << cell(0, 0);
    QTest::newRow("half rounds to even, up") << 35.5f << 39.5f << cell(1, 1);
    QTest::newRow("half rounds to even, down") << 36.5f << 40.5f << cell(1, 1);
    QTest::newRow("x gives the column") << 110.0f << 0.0f << cell(0, 3);
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
    QTest::newRow("first black click is silent") << QList<cCell> { cell(0, 2) } << QList<int> { 1 };
    QTest::newRow("empty cell does nothing") << QList<cCell> { cell(0, 3) } << QList<int> { 0 };
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
        QCOMPARE(model.iRow(), c.row);
        QCOMPARE(model.iCol(), c.col);
        QCOMPARE(outcome.setsActiveColor, outcomes.at(i) > 0);
        QCOMPARE(outcome.announce, outcomes.at(i) == 2);
        if (outcome.setsActiveColor)
            QCOMPARE(outcome.color, model.GetColor(c.row, c.col));
    }
}

void TestPaletteModel::drops()
{
    PaletteModel model;
    QVERIFY2(!model.dropColor(0, 0, kBlack), "the remembered drop colour starts at black");
    QVERIFY(model.dropColor(5, 5, kRed));
    QVERIFY(!model.dropColor(1, 1, kRed));
    QVERIFY(model.dropColor(1, 1, kBlue));
    QCOMPARE(model.GetColor(0, 0), kBlack);
    QCOMPARE(model.GetColor(3, 3), kRed);
    QCOMPARE(model.GetColor(1, 1), kBlue);
    QCOMPARE(model.undoEntryCount(), 4u * 16);
    QVERIFY(model.Dirty());
}

void TestPaletteModel::contextColor()
{
    PaletteModel model;
    model.SetCellColorRC(1, 1, kRed);
    QCOMPARE(model.contextColor(2, 3), kWhite);
    QCOMPARE(model.currentCell(), cell(2, 3));
    QCOMPARE(model.contextColor(1, 1), kRed);
    QCOMPARE(model.currentCell(), cell(1, 1));
}

void TestPaletteModel::activeColorGoesToCurrentCell()
{
    PaletteModel model;
    model.setCurrentCell(2, 1);
    model.applyActiveColor(kBlue);
    QCOMPARE(model.GetColor(2, 1), kBlue);
    QCOMPARE(model.currentCell(), cell(2, 1));
}

void TestPaletteModel::selectCell()
{
    PaletteModel model;
    model.SelectCell(3, 2);
    QCOMPARE(model.iRow(), 3);
    QCOMPARE(model.iCol(), 2);
    QCOMPARE(model.currentCell(), cell(3, 2));
    model.SelectCell(4, 0);
    QCOMPARE(model.currentCell(), cell(3, 2));
    QCOMPARE(model.iRow(), 3);
}

void TestPaletteModel::cloneCopiesNonEmptyCells()
{
    PaletteModel source;
    source.SetCellColorRC(0, 1, kRed);
    source.SetCellColorRC(3, 2, kBlack);
    source.setFileName(QStringLiteral("/tmp/source.twp"));

    PaletteModel copy;
    copy.SetCellColorRC(2, 2, kBlue); // not in the source: stays
    copy.setCaption(QStringLiteral("Tintwright Palette 2"));
    copy.Clone(source);

    QCOMPARE(copy.GetColor(0, 1), kRed);
    QCOMPARE(copy.GetColor(3, 2), kBlack);
    QCOMPARE(copy.GetColor(2, 2), kBlue);
    QCOMPARE(copy.GetColor(0, 0), kEmptyCell);
    QCOMPARE(copy.undoEntryCount(), 3u * 16);
    QVERIFY(copy.Dirty());
    QVERIFY(copy.FileName().isEmpty());
    QCOMPARE(copy.caption(), QStringLiteral("Tintwright Palette 2"));
}

void TestPaletteModel::cloneOfEmptyPaletteIsClean()
{
    const PaletteModel source;
    PaletteModel copy;
    copy.setDirty(true);
    copy.Clone(source);
    QVERIFY(!copy.Dirty());
    QCOMPARE(copy.colors(), source.colors());
    QCOMPARE(copy.undoEntryCount(), 0u);
}

void TestPaletteModel::resetKeepsDocumentState()
{
    PaletteModel model;
    model.SetCellColorRC(1, 1, kRed);
    model.setFileName(QStringLiteral("/tmp/x.twp"));
    QSignalSpy repaint(&model, &PaletteModel::cellsReset);

    model.Reset();

    QCOMPARE(model.GetColor(1, 1), kEmptyCell);
    QCOMPARE(repaint.count(), 1);
    QVERIFY(model.Dirty());
    QCOMPARE(model.FileName(), QStringLiteral("/tmp/x.twp"));
    QCOMPARE(model.undoEntryCount(), 16u);

    model.Init();
    QCOMPARE(model.undoEntryCount(), 0u);
    QCOMPARE(model.currentCell(), cell(0, 0));
}

void TestPaletteModel::settersEmitOnlyOnChange()
{
    PaletteModel model;
    QSignalSpy dirty(&model, &PaletteModel::dirtyChanged);
    QSignalSpy fileName(&model, &PaletteModel::fileNameChanged);
    QSignalSpy caption(&model, &PaletteModel::captionChanged);
    QSignalSpy current(&model, &PaletteModel::currentCellChanged);

    for (int i = 0; i < 2; ++i) {
        model.setDirty(true);
        model.setFileName(QStringLiteral("a.twp"));
        model.setCaption(QStringLiteral("a.twp"));
        model.setCurrentCell(1, 2);
        model.SetCellColorRC(1, 2, kRed);
    }
    QCOMPARE(dirty.count(), 1);
    QCOMPARE(fileName.count(), 1);
    QCOMPARE(caption.count(), 1);
    QCOMPARE(current.count(), 1);
}

QTEST_GUILESS_MAIN(TestPaletteModel)
#include "test_palettemodel.moc"
