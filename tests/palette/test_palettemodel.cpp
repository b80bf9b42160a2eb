#include "palette/PaletteFile.h"
#include "palette/PaletteModel.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

Q_DECLARE_METATYPE(cCell)

namespace {

constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kGreen = 0x00FF00;
constexpr ColorValue kBlue = 0xFF0000;
constexpr ColorValue kMidTone = 0x642840; // r 64, g 40, b 100: s 60 %, v 39 %

cCell cell(int row, int col)
{
    return cCell { static_cast<int16_t>(row), static_cast<int16_t>(col) };
}

// Hue in degrees, saturation and value in percent.
HSVColor percent(ColorValue color)
{
    const RGBColor c = ColorToRGB(color);
    const HSVColor hsv = RGBToHSV(float(c.R), float(c.G), float(c.B));
    return HSVColor { hsv.H * 360, hsv.S * 100, hsv.V * 100 };
}

void fill(PaletteModel &model, const QList<ColorValue> &colors)
{
    for (int slot = 0; slot < kPaletteCells; ++slot)
        model.SetCellColorRC(slot / 4, slot % 4, colors.at(slot % colors.size()));
}

// Slots of a palette file: 32-bit little-endian values.
QByteArray slotBytes(std::initializer_list<qint32> values)
{
    QByteArray bytes;
    for (const qint32 value : values) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((quint32(value) >> shift) & 0xFF));
    }
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The palette document: cells, free-cell order, clicks, undo history,
// adjustments, keys and the palette file.
class TestPaletteModel : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void freeCellOrder_data()
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

    void freeCellOrder()
    {
        QFETCH(int, filled);
        QFETCH(QList<cCell>, erased);
        QFETCH(QList<cCell>, next);
        PaletteModel model;
        int n = 1; // colours 1, 2, 3, ... all distinct
        for (; n <= filled; ++n)
            model.SetNextCell(0x010101 * n);
        for (const cCell &c : erased)
            model.SetCellColorRC(c.row, c.col, kEmptyCell);
        for (const cCell &expected : next) {
            model.SetNextCell(0x010101 * n);
            QCOMPARE(model.GetColor(expected.row, expected.col), 0x010101 * n++);
        }
    }

    void setCellColorRC_data()
    {
        QTest::addColumn<cCell>("asked");
        QTest::addColumn<ColorValue>("color");
        QTest::addColumn<cCell>("written");
        QTest::addColumn<ColorValue>("shown");
        QTest::newRow("beyond the grid clamps") << cell(5, 9) << kBlue << cell(3, 3) << kBlue;
        QTest::newRow("-1 empties") << cell(0, 0) << -1 << cell(0, 0) << kWhite;
    }

    void setCellColorRC()
    {
        QFETCH(cCell, asked);
        QFETCH(ColorValue, color);
        QFETCH(cCell, written);
        PaletteModel model;
        model.SetCellColorRC(written.row, written.col, 0x123456); // so that -1 visibly empties
        model.setDirty(false);
        QSignalSpy readouts(&model, &PaletteModel::selectionChanged);
        model.SetCellColorRC(asked.row, asked.col, color);
        QCOMPARE(model.GetColor(written.row, written.col), color);
        QTEST(model.shownColor(written.row, written.col), "shown");
        QCOMPARE(model.currentCell(), written);
        QVERIFY(model.Dirty());
        QCOMPARE(model.undoEntryCount(), 32u);
        QCOMPARE(readouts.count(), 1);
        QTEST(readouts.at(0).at(0).value<ColorValue>(), "shown");
    }

    void clicks_data()
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

    void clicks()
    {
        QFETCH(QList<cCell>, clicks);
        QFETCH(QList<int>, outcomes);
        PaletteModel model;
        fill(model, { kRed, kRed, kBlack, kEmptyCell });
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

    void clone()
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
        QVERIFY(copy.Dirty() && copy.FileName().isEmpty());
        QCOMPARE(copy.caption(), QStringLiteral("Tintwright Palette 2"));
    }

    void undoScripts_data()
    {
        // One step per character: A, B, C write red, green, blue into (0,0);
        // u undoes, r redoes, e empties (0,0).
        QTest::addColumn<QString>("script");
        QTest::addColumn<ColorValue>("cell"); // (0,0) afterwards
        QTest::addColumn<int>("undoSteps");
        QTest::addColumn<int>("redoSteps");
        QTest::addColumn<bool>("lastStepDone"); // false: nothing to undo or redo
        QTest::newRow("undo in a new palette") << "u" << kEmptyCell << 0 << 0 << false;
        QTest::newRow("redo it") << "Aur" << kRed << 1 << 0 << true;
        QTest::newRow("second redo refused") << "Aurr" << kRed << 1 << 0 << false;
        QTest::newRow("partial redo") << "ABuur" << kRed << 1 << 1 << true;
        QTest::newRow("new write clears redo") << "ABuuCr" << kBlue << 1 << 0 << false;
        QTest::newRow("undo an erase") << "Aeu" << kRed << 1 << 1 << true;
        QTest::newRow("undo past the start") << "ABuuu" << kEmptyCell << 0 << 2 << false;
    }

    void undoScripts()
    {
        QFETCH(QString, script);
        PaletteModel model;
        bool done = true;
        for (const QChar step : script) {
            if (step == u'u')
                done = model.RollBack();
            else if (step == u'r')
                done = model.RollForward();
            else
                model.SetCellColorRC(0, 0,
                    step == u'e' ? kEmptyCell : ColorValue(0xFF) << 8 * (step.unicode() - u'A'));
        }
        QTEST(model.GetColor(0, 0), "cell");
        QTEST(int(model.undoEntryCount() / 16), "undoSteps");
        QTEST(int(model.redoEntryCount() / 16), "redoSteps");
        QTEST(done, "lastStepDone");
    }

    void undoRestoresEmptyAndWhiteCells()
    {
        PaletteModel model;
        model.SetCellColorRC(1, 1, kWhite);
        model.SetCellColorRC(2, 2, kRed);
        model.SetCellColorRC(1, 1, kGreen);
        model.setCurrentCell(0, 0);
        QSignalSpy repaint(&model, &PaletteModel::cellsReset);
        QVERIFY(model.RollBack() && model.RollBack());
        QCOMPARE(model.GetColor(1, 1), kWhite); // a white colour, not an empty cell
        QCOMPARE(model.GetColor(2, 2), kEmptyCell); // empty when recorded, empty again
        QCOMPARE(model.shownColor(2, 2), kWhite);
        QCOMPARE(model.GetFreeCell(), cell(0, 0));
        QCOMPARE(model.currentCell(), cell(3, 3));
        QCOMPARE(repaint.count(), 2);
    }

    void saveUndoInfoRecordsWithoutChange()
    {
        PaletteModel model;
        model.SetCellColorRC(0, 0, kRed);
        model.SetCellColorRC(0, 1, kGreen);
        QVERIFY(model.RollBack());
        model.SaveUndoInfo();
        QCOMPARE(model.currentCell(), cell(3, 3));
        QCOMPARE(model.redoEntryCount(), 0u);
        const PaletteColors before = model.colors();
        QVERIFY(model.RollBack());
        QCOMPARE(model.colors(), before);
        QCOMPARE(model.undoEntryCount(), 16u);
    }

    void adjustPalette_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("value"); // the key changes the value, else the saturation
        QTest::addColumn<float>("step");
        QTest::newRow("S+ lightens") << "S+" << true << 10.0f;
        QTest::newRow("V- desaturates") << "V-" << false << -10.0f;
    }

    void adjustPalette()
    {
        QFETCH(QString, key);
        QFETCH(bool, value);
        QFETCH(float, step);
        PaletteModel model;
        for (int i = 0; i < kPaletteCells; ++i) // saturation and value 20..80 %
            model.SetCellColorRC(i / 4, i % 4, MakeColorValue(60 + 8 * i, 40 + 5 * i, 100 - 3 * i));
        const PaletteColors original = model.colors();
        model.setCurrentCell(0, 0);
        model.AdjustPalette(key);
        QCOMPARE(model.undoEntryCount(), 2u * 16 * 16);
        QCOMPARE(model.currentCell(), cell(3, 3));
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

    void adjustPaletteAtItsLimitsRecordsNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QList<ColorValue>>("colors");
        QTest::newRow("lighten at 90 % or more")
            << "S+" << QList<ColorValue> { kWhite, kRed, MakeColorValue(230, 230, 230) };
        QTest::newRow("desaturate at 10 % or less")
            << "V-" << QList<ColorValue> { kWhite, kBlack, MakeColorValue(200, 190, 185) };
        QTest::newRow("unknown key") << "s+" << QList<ColorValue> { kMidTone };
    }

    void adjustPaletteAtItsLimitsRecordsNothing()
    {
        QFETCH(QString, key);
        QFETCH(QList<ColorValue>, colors);
        PaletteModel model;
        fill(model, colors);
        model.setDirty(false);
        const PaletteColors before = model.colors();
        model.AdjustPalette(key);
        QCOMPARE(model.colors(), before);
        QCOMPARE(model.undoEntryCount(), 16u * 16);
        QVERIFY(!model.Dirty());
    }

    void adjustCell_data()
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

    void adjustCell()
    {
        QFETCH(QString, word);
        QFETCH(ColorValue, start);
        PaletteModel model;
        model.SetCellColorRC(2, 1, start);
        model.setDirty(false);
        model.AdjustCell(word);
        QTEST(int(model.undoEntryCount() / 16) - 1, "snapshots");
        QTEST(model.Dirty(), "dirty");
        const float lighter = percent(model.GetColor(2, 1)).V - percent(start).V;
        if (start == kMidTone)
            QCOMPARE(qAbs(lighter - 10) < 1.5f, word == u"lighten");
        else
            QCOMPARE(model.GetColor(2, 1), start);
    }

    void keys_data()
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

    void keys()
    {
        QFETCH(char16_t, character);
        QFETCH(bool, ctrl);
        QFETCH(bool, filled);
        PaletteModel model;
        if (filled)
            model.SetCellColorRC(1, 1, kMidTone);
        model.setCurrentCell(1, 1);
        const ColorValue before = model.GetColor(1, 1);
        QTEST(model.handleKey(character, ctrl), "result");
        QTEST(model.GetColor(1, 1) != before, "changed");
    }

    // Negative slots stay empty (written back as -1), values above 0xFFFFFF
    // are kept as they are and bytes beyond the palette are kept on saving.
    void openAndSaveKeepEveryByte()
    {
        const QString file = m_dir.filePath(QStringLiteral("foreign.twp"));
        const QByteArray tail = QByteArrayLiteral("kept beyond the palette");
        const QByteArray bytes
            = slotBytes({ 0x1000000, INT32_MAX, -1, INT32_MIN, kRed }) + QByteArray(44, '\xFF');
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes + tail) == 64 + tail.size());
        out.close();
        PaletteModel model;
        model.setFileName(file);
        const auto result = model.Load();
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(model.GetColor(0, 0), 0x1000000);
        QCOMPARE(model.shownColor(0, 0), kBlack); // shown as its low 24 bits
        QCOMPARE(model.shownColor(0, 1), kWhite);
        QCOMPARE(model.GetColor(0, 3), kEmptyCell);
        QCOMPARE(model.GetColor(1, 0), kRed);
        QVERIFY(!model.Dirty());
        QCOMPARE(model.caption(), QStringLiteral("foreign.twp"));
        QCOMPARE(model.currentCell(), cell(3, 3));
        QCOMPARE(model.undoEntryCount(), 3u * 16); // one step per colour

        QVERIFY(model.Save(file).ok);
        QCOMPARE(readAll(file), QByteArray(bytes).replace(12, 4, QByteArray(4, '\xFF')) + tail);
        model.SetCellColorRC(3, 3, kBlue);
        QVERIFY(model.Save(file).ok);
        QCOMPARE(readAll(file), PaletteFile::encode(model.colors()) + tail);
        for (int i = 0; i < 4; ++i)
            QVERIFY(model.RollBack());
        QCOMPARE(model.colors(), PaletteModel().colors());
        // A short file gives the whole slots it holds.
        const PaletteFile::Slots read
            = PaletteFile::decode(slotBytes({ kRed, kBlue }) + QByteArray(3, 0));
        QVERIFY(read[0] == kRed && read[1] == kBlue && !read[2]);
    }

    // A folder cannot be saved over, nor a folder or FIFO opened; nothing
    // changes.
    void refusedFilesChangeNothing()
    {
        QList<std::pair<QString, QString>> refused { { "folder.twp", "Is a directory" } };
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.twp")));
#ifdef Q_OS_UNIX
        // Reading a FIFO would block.
        QCOMPARE(::mkfifo(QFile::encodeName(m_dir.filePath("fifo.twp")).constData(), 0600), 0);
        refused.append({ QStringLiteral("fifo.twp"), QStringLiteral("Not a regular file") });
#endif
        for (const auto &[name, error] : refused) {
            PaletteModel model;
            model.setFileName(m_dir.filePath(name));
            const auto result = model.Load();
            QVERIFY(!result.ok);
            QCOMPARE(result.error, error);
            QCOMPARE(model.caption(), PaletteModel::defaultCaption());
            QCOMPARE(model.undoEntryCount(), 0u);
        }
        PaletteModel model;
        model.setFileName(m_dir.filePath(QStringLiteral("old.twp")));
        model.SetCellColorRC(1, 0, kRed);
        const auto result = model.Save(m_dir.filePath(QStringLiteral("folder.twp")));
        QVERIFY(!result.ok && !result.error.isEmpty());
        QCOMPARE(model.FileName(), m_dir.filePath(QStringLiteral("old.twp")));
        QCOMPARE(model.caption(), PaletteModel::defaultCaption());
        QVERIFY(model.Dirty());
    }
};

QTEST_GUILESS_MAIN(TestPaletteModel)
#include "test_palettemodel.moc"
