#include "palette/PaletteModel.h"

#include <QSignalSpy>
#include <QTest>

namespace {

constexpr ColorValue kA = 0x0000FF;
constexpr ColorValue kB = 0x00FF00;
constexpr ColorValue kC = 0xFF0000;

} // namespace

class TestUndoHistory : public QObject {
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
    void restoresEmptyAndWhiteCells();
    void saveUndoInfoRecordsWithoutChange();
};

void TestUndoHistory::sequences_data()
{
    // One step per character: A, B, C write that colour into (0,0); u undoes,
    // r redoes, e empties (0,0).
    QTest::addColumn<QString>("script");
    QTest::addColumn<ColorValue>("cell"); // (0,0) afterwards
    QTest::addColumn<int>("undoSteps");
    QTest::addColumn<int>("redoSteps");
    QTest::addColumn<bool>("lastStepDone"); // false: nothing to undo or redo

    QTest::newRow("undo in a new palette") << "u" << kEmptyCell << 0 << 0 << false;
    QTest::newRow("redo it") << "Aur" << kA << 1 << 0 << true;
    QTest::newRow("second redo refused") << "Aurr" << kA << 1 << 0 << false;
    QTest::newRow("partial redo") << "ABuur" << kA << 1 << 1 << true;
    QTest::newRow("new write clears redo") << "ABuuCr" << kC << 1 << 0 << false;
    QTest::newRow("undo an erase") << "Aeu" << kA << 1 << 1 << true;
    QTest::newRow("undo past the start") << "ABuuu" << kEmptyCell << 0 << 2 << false;
}

void TestUndoHistory::sequences()
{
    QFETCH(QString, script);
    QFETCH(ColorValue, cell);
    QFETCH(int, undoSteps);
    QFETCH(int, redoSteps);
    QFETCH(bool, lastStepDone);

    PaletteModel model;
    bool done = true;
    for (const QChar step : script) {
        switch (step.unicode()) {
        case u'A':
            model.SetCellColorRC(0, 0, kA);
            break;
        case u'B':
            model.SetCellColorRC(0, 0, kB);
            break;
        case u'C':
            model.SetCellColorRC(0, 0, kC);
            break;
        case u'e':
            model.SetCellColorRC(0, 0, kEmptyCell);
            break;
        case u'u':
            done = model.RollBack();
            break;
        case u'r':
            done = model.RollForward();
            break;
        }
    }
    QCOMPARE(model.GetColor(0, 0), cell);
    QCOMPARE(model.undoEntryCount(), 16u * undoSteps);
    QCOMPARE(model.redoEntryCount(), 16u * redoSteps);
    QCOMPARE(done, lastStepDone);
}

void TestUndoHistory::restoresEmptyAndWhiteCells()
{
    PaletteModel model;
    model.SetCellColorRC(1, 1, kWhite);
    model.SetCellColorRC(2, 2, kA);
    model.SetCellColorRC(1, 1, kB);
    model.setCurrentCell(0, 0);
    QSignalSpy repaint(&model, &PaletteModel::cellsReset);

    QVERIFY(model.RollBack());
    QVERIFY(model.RollBack());

    QCOMPARE(model.GetColor(1, 1), kWhite); // a white colour, not an empty cell
    QCOMPARE(model.GetColor(2, 2), kEmptyCell); // empty when recorded, empty again
    QCOMPARE(model.shownColor(2, 2), kWhite);
    QCOMPARE(model.GetFreeCell(), (cCell { 0, 0 }));
    QCOMPARE(model.currentCell(), (cCell { 3, 3 }));
    QCOMPARE(repaint.count(), 2);
}

void TestUndoHistory::saveUndoInfoRecordsWithoutChange()
{
    PaletteModel model;
    model.SetCellColorRC(0, 0, kA);
    model.SetCellColorRC(0, 1, kB);
    QVERIFY(model.RollBack());
    model.SaveUndoInfo();
    QCOMPARE(model.currentCell(), (cCell { 3, 3 }));
    QCOMPARE(model.redoEntryCount(), 0u);
    const PaletteColors before = model.colors();
    QVERIFY(model.RollBack());
    QCOMPARE(model.colors(), before);
    QCOMPARE(model.undoEntryCount(), 16u);
}

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "test_undohistory.moc"
