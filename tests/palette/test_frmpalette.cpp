#include "mainwindow/MainMenus.h"
#include "palette/PaletteFile.h"
#include "tools/test_toolpages_fixture.h"
#include "widgets/ColorDrag.h"
#include "widgets/ColorGrid.h"

#include <QDir>
#include <QMimeData>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using Answer = PlatformServices::Answer;
Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(ColorDrag::Source)

namespace {

// File > Export Palette from the top, by the extension each item writes.
const std::pair<const char *, const char *> kExportItems[]
    = { { "mnuExportToAct", "act" }, { "mnuExportToAI", "ai" }, { "mnuExportToHTML", "html" },
          { "mnuExportToXML", "xml" }, { "mnuExportToGPL", "gpl" }, { "mnuExportToASE", "ase" },
          { "mnuExportToCSS", "css" }, { "mnuExportToTokens", "json" } };

QString testData(const QString &name)
{
    return qEnvironmentVariable("TW_TEST_DATA") + u'/' + name;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
}

} // namespace

// The palette window in the real main window, which hosts it; the platform's
// dialogs are scripted.
class TestFrmPalette : public QObject {
    Q_OBJECT

    frmPalette *newPalette() { return m_fixture.activeNewPalette(); }
    QAction *action(const char *name) const
    {
        return m_fixture.main()->findChild<QAction *>(QString::fromLatin1(name));
    }
    frmPalette *openPalette(const QString &path)
    {
        fake().fileDialogAnswers.enqueue(path);
        menus().mnuFileOpen->trigger();
        return m_fixture.main()->activePaletteWindow();
    }
    const MainMenus &menus() const { return m_fixture.main()->menus(); }
    FakePlatformServices &fake() { return m_fixture.fake(); }

    ToolPagesFixture m_fixture;
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        m_fixture.start();
        m_fixture.closeChildren(); // start-up's palette, number 1
    }
    void cleanup() { m_fixture.stop(); }

    // Numbers never go back; each window opens one title bar below and right
    // of the one before, or in the place of one that has gone.
    void newPalettes()
    {
        QList<QWidget *> windows;
        for (int i = 2; i <= 4; ++i) {
            frmPalette *palette = newPalette();
            QCOMPARE(palette->windowTitle(), QStringLiteral("Tintwright Palette %1").arg(i));
            windows.append(palette->parentWidget());
        }
        const int step = windows[0]->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        QCOMPARE(windows[2]->pos() - windows[0]->pos(), QPoint(2 * step, 2 * step));
        windows[1]->close();
        menus().mnuFileNew->trigger();
        frmPalette *fifth = m_fixture.main()->activePaletteWindow();
        QCOMPARE(fifth->windowTitle(), QStringLiteral("Tintwright Palette 5"));
        QCOMPARE(fifth->parentWidget()->pos(), windows[1]->pos());
    }

    void saveAsAsksBeforeReplacing_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No keeps the file") << Answer::No;
        QTest::newRow("Yes replaces it") << Answer::Yes;
    }

    void saveAsAsksBeforeReplacing()
    {
        QFETCH(Answer, answer);
        const QString path = m_dir.filePath(QStringLiteral("existing.twp"));
        write(path, "old contents");
        frmPalette *palette = newPalette();
        palette->SetCellColorRC(0, 0, 0x0000FF);
        fake().fileDialogAnswers.enqueue(path);
        fake().messageAnswers.enqueue(answer);
        menus().mnuFileSaveAs->trigger();
        QVERIFY(fake().fileDialogs.value(0).save);
        QCOMPARE(fake().messageBoxes.size(), 1);
        QVERIFY(fake().messageBoxes[0].text.startsWith(path));
        const bool replaced = answer == Answer::Yes;
        QCOMPARE(contents(path) == "old contents", !replaced);
        QCOMPARE(palette->Dirty(), !replaced);
        QCOMPARE(palette->windowTitle() == QStringLiteral("existing.twp"), replaced);
        if (!replaced)
            return;
        // Named now, the palette saves without a dialog.
        palette->SetCellColorRC(1, 2, 0x00FF00);
        menus().mnuFileSave->trigger();
        QCOMPARE(fake().fileDialogs.size(), 1);
        QVERIFY(!palette->Dirty());
        QCOMPARE(PaletteFile::decode(contents(path))[6], 0x00FF00);
    }

    void closePrompt_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("dialogPath"); // empty: the user cancels the dialog
        QTest::addColumn<bool>("closes");
        QTest::newRow("Cancel keeps it open") << Answer::Cancel << QString() << false;
        QTest::newRow("Yes, dialog cancelled") << Answer::Yes << QString() << false;
        QTest::newRow("Yes, saved") << Answer::Yes << QStringLiteral("saved.twp") << true;
    }

    void closePrompt()
    {
        QFETCH(Answer, answer);
        QFETCH(QString, dialogPath);
        QFETCH(bool, closes);
        frmPalette *palette = newPalette();
        QPointer<QWidget> window = palette->parentWidget();
        palette->SetCellColorRC(0, 0, 0x123456);
        fake().messageAnswers.enqueue(answer);
        fake().fileDialogAnswers.enqueue(
            dialogPath.isEmpty() ? QString() : m_dir.filePath(dialogPath));
        window->close();
        QCOMPARE(fake().messageBoxes.value(0).buttons, PlatformServices::Buttons::YesNoCancel);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window.isNull() || !window->isVisible(), closes);
        QCOMPARE(ProcessState::CloseCancelled, !closes);
        if (!closes)
            QVERIFY(palette->Dirty());
    }

    void closeAllStopsAtCancelledPrompt()
    {
        newPalette();
        QPointer<frmPalette> changed = newPalette();
        newPalette();
        changed->SetCellColorRC(0, 0, 0x00FF00);
        fake().messageAnswers.enqueue(Answer::Cancel);
        menus().mnuCloseAll->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Clean windows close without a word; the changed one asks once and its
        // Cancel stops Close All with that window still open.
        QCOMPARE(fake().messageBoxes.size(), 1);
        QVERIFY(ProcessState::CloseCancelled);
        QVERIFY(changed && changed->isVisible());
    }

    // Whatever moves the grid's frame, the arrow keys or the middle button,
    // moves the cell new colours are written to; only the active palette
    // takes them.
    void colourGoesToTheFramedCell_data()
    {
        QTest::addColumn<bool>("middleButton"); // else the Right arrow key moves the frame
        QTest::newRow("arrow key") << false;
        QTest::newRow("middle button") << true;
    }

    void colourGoesToTheFramedCell()
    {
        QFETCH(bool, middleButton);
        frmPalette *inactive = newPalette();
        frmPalette *palette = newPalette();
        ColorGrid *grid = palette->grid();
        QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(0, 0));
        const auto centre
            = [grid](int col) { return grid->visualItemRect(grid->item(1, col)).center(); };
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(1));
        if (middleButton)
            QTest::mouseClick(grid->viewport(), Qt::MiddleButton, {}, centre(2));
        else
            QTest::keyClick(grid, Qt::Key_Right);
        m_fixture.setWorkingColor(0x00FFFF);
        QCOMPARE(palette->GetColor(1, 2), 0x00FFFF);
        QCOMPARE(palette->GetColor(1, 1), kEmptyCell);
        QCOMPARE(QPoint(palette->model().iCol(), palette->model().iRow()), QPoint(2, 1));
        QCOMPARE(palette->readout(2), QStringLiteral("#FFFF00"));
        QVERIFY(palette->Dirty());
        QCOMPARE(inactive->GetColor(0, 0), kEmptyCell);
    }

    // The window sees its keys before any of its controls.
    void keys_data()
    {
        QTest::addColumn<int>("key"); // a character, or with Ctrl a Qt::Key
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<QString>("focus"); // the control that has the focus; empty: the grid
        QTest::addColumn<int>("expected"); // colour of (0, 0) afterwards
        // (0, 0) holds a mid red 0x000080 (v 50 %), written after (0, 1).
        // v 50.2 % steps to 60.2 % (153.5 rounds up to 154) and 40.2 % (102.5 to 103).
        QTest::newRow("w lightens") << int('w') << false << QString() << 0x00009A;
        QTest::newRow("w in a readout box") << int('w') << false << "txtPanel1" << 0x00009A;
        QTest::newRow("Ctrl+Z in a readout box") << int(Qt::Key_Z) << true << "txtPanel2" << -1;
        QTest::newRow("q on the toolbar") << int('q') << false << "tbrPalette" << 0x000067;
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(bool, ctrl);
        QFETCH(QString, focus);
        frmPalette *palette = newPalette();
        palette->SetCellColorRC(0, 1, 0x00FF00);
        palette->SetCellColorRC(0, 0, 0x000080);
        QWidget *target = focus.isEmpty() ? palette->grid() : palette->findChild<QWidget *>(focus);
        QVERIFY(target);
        if (ctrl)
            QTest::keyClick(target, Qt::Key(key), Qt::ControlModifier);
        else
            QTest::keyClick(target, char(key));
        QTEST(palette->GetColor(0, 0), "expected");
        QCOMPARE(fake().beeps, 0);
    }

    void undoOnNewPaletteBeeps()
    {
        frmPalette *palette = newPalette();
        menus().mnuEditUndo->trigger();
        menus().mnuRedo->trigger();
        QCOMPARE(fake().beeps, 2);
        QTest::keyClick(palette->grid(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(fake().beeps, 3);
    }

    void readoutsFollowWholePaletteChanges_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Clear") << "Reset";
        QTest::newRow("Undo") << "Undo";
    }

    void readoutsFollowWholePaletteChanges()
    {
        QFETCH(QString, button);
        frmPalette *palette = newPalette();
        palette->SetCellColorRC(3, 3, 0x0080FF);
        QCOMPARE(palette->readout(2), QStringLiteral("#FF8000"));
        fake().messageAnswers.enqueue(Answer::Yes);
        palette->toolBar()->findChild<QAction *>(button)->trigger();
        QCOMPARE(palette->GetColor(3, 3), kEmptyCell);
        QCOMPARE(palette->readout(0), QStringLiteral("255-255-255"));
        QCOMPARE(palette->readout(2), QStringLiteral("#FFFFFF"));
    }

    void dropsTakeColourByKind_data()
    {
        using Kind = ColorDrag::SourceKind;
        QTest::addColumn<ColorDrag::Source>("source");
        QTest::addColumn<int>("expected");
        QTest::newRow("grid cell") << ColorDrag::Source { Kind::Grid, 0x00FF00, {} } << 0x00FF00;
        QTest::newRow("swatch tag")
            << ColorDrag::Source { Kind::Swatch, 0, "16711680" } << 0xFF0000;
        QTest::newRow("label text colour")
            << ColorDrag::Source { Kind::Label, 0x0080FF, {} } << 0x0080FF;
        QTest::newRow("any other control") << ColorDrag::Source { Kind::Other, 0x00FF00, {} } << 0;
    }

    void dropsTakeColourByKind()
    {
        QFETCH(ColorDrag::Source, source);
        QFETCH(int, expected);
        frmPalette *palette = newPalette();
        palette->parentWidget()->resize(400, 400);
        QWidget *viewport = palette->grid()->viewport();
        std::unique_ptr<QMimeData> mime(ColorDrag::createMimeData(source));
        const QPoint at(viewport->width() - 3, viewport->height() - 3); // bottom-right cell
        QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &drop);
        QCOMPARE(palette->GetColor(3, 3), expected);
        QCOMPARE(ProcessState::ActiveColor, expected);
        QVERIFY(palette->Dirty());
    }

    void rightClickOnEmptyCellOffersWhiteAndErase()
    {
        frmPalette *palette = newPalette();
        palette->SetCellColorRC(2, 2, 0x00FF00);
        ColorGrid *grid = palette->grid();
        const auto rightClick = [grid](int cell) {
            const QPoint centre = grid->visualItemRect(grid->item(cell, cell)).center();
            QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, centre);
        };
        ColorContextMenu *menu = m_fixture.main()->colorContextMenu();
        rightClick(1);
        QVERIFY(m_fixture.lastMenu.visible.contains(menu->mnuEraseColor));
        QVERIFY(!m_fixture.lastMenu.visible.contains(menu->mnuAddToPalette));
        QCOMPARE(m_fixture.lastMenu.contextColor, kWhite);
        // Erase acts on the cell the right-click made current.
        rightClick(2);
        QCOMPARE(m_fixture.lastMenu.contextColor, 0x00FF00);
        menu->mnuEraseColor->trigger();
        QCOMPARE(palette->GetColor(2, 2), kEmptyCell);
        QCOMPARE(grid->cellColor(2, 2), kWhite);
    }

    // Whatever the window's size, the cells cover the grid: no sliver of
    // background at its right or bottom edge.
    void cellsFillTheGrid()
    {
        frmPalette *palette = newPalette();
        ColorGrid *grid = palette->grid();
        for (const QSize size : { QSize(), QSize(403, 398), QSize(404, 399), QSize(777, 300) }) {
            if (size.isValid())
                palette->parentWidget()->resize(size);
            int width = 0;
            for (int column = 0; column < grid->columnCount(); ++column)
                width += grid->columnWidth(column);
            int height = 0;
            for (int row = 0; row < grid->rowCount(); ++row)
                height += grid->rowHeight(row);
            QCOMPARE(QSize(width, height), grid->viewport()->size());
        }
    }

    void exportWritesTheFormat_data()
    {
        QTest::addColumn<QString>("command"); // a menu item, or a key of ExportTo
        QTest::addColumn<QString>("extension");
        for (const auto &[item, extension] : kExportItems)
            QTest::newRow(item) << item << extension;
        for (const char *key : { "ai", "HTML" }) // anything but "AI", "Act" and "xml"
            QTest::newRow(key) << QString::fromLatin1(key) << QStringLiteral("html");
    }

    void exportWritesTheFormat()
    {
        QFETCH(QString, command);
        QFETCH(QString, extension);
        frmPalette *palette = openPalette(testData("red-and-blue.twp"));
        const QString target = m_dir.filePath(command + u'.' + extension);
        fake().fileDialogAnswers.enqueue(target);
        if (command.startsWith("mnu"))
            action(qPrintable(command))->trigger();
        else
            palette->ExportTo(command);
        const auto &dialog = fake().fileDialogs.last();
        QVERIFY(dialog.save && dialog.filters.first().endsWith("(*." + extension + ')'));
        QVERIFY(fake().messageBoxes.isEmpty());
        QCOMPARE(contents(target), contents(testData("red-and-blue." + extension)));
        QVERIFY(!palette->Dirty());
    }

    void exportingEmptyPaletteWritesOnlyTheColorTable()
    {
        newPalette();
        QDir folder(m_dir.filePath("empty"));
        QVERIFY(folder.mkpath("."));
        for (const auto &[item, extension] : kExportItems) {
            fake().fileDialogAnswers.enqueue(folder.filePath(extension));
            action(item)->trigger();
        }
        QCOMPARE(folder.entryList(QDir::Files), QStringList { "act" });
        QCOMPARE(contents(folder.filePath("act")), QByteArray(768, '\0'));
        QCOMPARE(fake().messageBoxes.size(), 7); // the palette is empty
    }

    void exportCancelledFailedOrWithoutPalette()
    {
        frmPalette *palette = openPalette(testData("red-and-blue.twp"));
        action("mnuExportToAI")->trigger(); // the dialog is cancelled: nothing happens
        // A folder cannot be replaced by a file; it stays as it is.
        fake().fileDialogAnswers.enqueue(m_dir.path());
        action("mnuExportToHTML")->trigger();
        QCOMPARE(fake().messageBoxes.size(), 1);
        QVERIFY(fake().messageBoxes[0].text.contains(m_dir.path() + " is a folder, not a file"));
        QCOMPARE(fake().messageBoxes[0].icon, PlatformServices::Icon::Critical);
        // Closing the palette clears the active palette: the items only beep.
        palette->parentWidget()->close();
        for (const auto &item : kExportItems)
            action(item.first)->trigger();
        QCOMPARE(fake().beeps, 8);
        QCOMPARE(fake().fileDialogs.size(), 1 + 2);
    }

    // The content decides, whatever the name: all are named .gpl here. A file
    // that does not open shows why and leaves no window.
    void openingOtherProgramsPalettes_data()
    {
        QTest::addColumn<QByteArray>("data"); // null: there is no file
        QTest::addColumn<int>("colors"); // -1: the file does not open
        QTest::addColumn<QString>("problem");
        QByteArray many = "GIMP Palette\n";
        for (int i = 0; i < 20; ++i)
            many += QByteArray::number(i) + " 0 0\n";
        QTest::newRow("swatch exchange") << contents(testData("red-and-blue.ase")) << 2 << "";
        QTest::newRow("more than 16 colours: the first 16 and a word") << many << 16 << "";
        QTest::newRow("malformed: the reason")
            << QByteArray("GIMP Palette\nred\n") << -1 << "Line 2";
        QTest::newRow("missing") << QByteArray() << -1 << "";
    }

    void openingOtherProgramsPalettes()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, colors);
        QFETCH(QString, problem);
        const QString path = m_dir.filePath("x.gpl");
        if (!data.isNull())
            write(path, data);
        frmPalette *palette = openPalette(path);
        QVERIFY(!fake().fileDialogs.at(0).save);
        QCOMPARE(fake().messageBoxes.size(), colors == 2 ? 0 : 1);
        if (colors < 0) {
            QVERIFY(fake().messageBoxes[0].text.contains(problem));
            QCOMPARE(fake().messageBoxes[0].icon, PlatformServices::Icon::Critical);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!palette && m_fixture.main()->documentArea()->subWindowList().isEmpty());
            return;
        }
        QCOMPARE(mod_Export::BuildExportList(palette->model().colors()).size(), colors);
        QCOMPARE(palette->windowTitle(), QStringLiteral("x.gpl"));
        QVERIFY(palette->FileName().isEmpty() && !palette->Dirty());
        // Saving asks for a palette file name; the file it came from stays.
        menus().mnuFileSave->trigger();
        QCOMPARE(fake().fileDialogs.last().defaultSuffix, QStringLiteral("twp"));
        QCOMPARE(contents(path), data);
    }
};

QTEST_MAIN(TestFrmPalette)
#include "test_frmpalette.moc"
