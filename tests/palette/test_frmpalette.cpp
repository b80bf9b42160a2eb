#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/DocumentArea.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmPalette.h"
#include "startup/mod_Main.h"
#include "support/FakePlatformServices.h"
#include "widgets/ColorDrag.h"
#include "widgets/ColorGrid.h"

#include <QAction>
#include <QDir>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

using Answer = PlatformServices::Answer;

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

} // namespace

class TestFrmPalette : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newPaletteNumbersNeverGoBack();
    void newPalettesCascade();
    void saveAsAsksBeforeReplacing_data();
    void saveAsAsksBeforeReplacing();
    void saveWithNameNeedsNoDialog();
    void closePrompt_data();
    void closePrompt();
    void closeAllStopsAtCancelledPrompt();
    void onlyActivePaletteTakesActiveColor();
    void colourGoesToTheFramedCell_data();
    void colourGoesToTheFramedCell();
    void keys_data();
    void keys();
    void undoOnNewPaletteBeeps();
    void readoutsFollowWholePaletteChanges_data();
    void readoutsFollowWholePaletteChanges();
    void dropsTakeColourByKind_data();
    void dropsTakeColourByKind();
    void openingUnreadableFileShowsWhyAndLeavesNoWindow();
    void rightClickOnEmptyCellOffersWhiteAndErase();
    void cellsFillTheGrid_data();
    void cellsFillTheGrid();
    void exportWritesTheFormat_data();
    void exportWritesTheFormat();
    void exportingEmptyPaletteWritesOnlyTheColorTable();
    void exportCancelledFailedOrWithoutPalette();
    void openingOtherProgramsPalettes_data();
    void openingOtherProgramsPalettes();

private:
    frmPalette *newPalette();
    frmPalette *openPalette(const QString &path);
    QAction *action(const char *name) const;

    FakePlatformServices m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
    std::unique_ptr<frm_MDIMain> m_main;
    QTemporaryDir m_dir;
};

void TestFrmPalette::init()
{
    m_fake = FakePlatformServices();
    m_scope = std::make_unique<FakePlatformServices::Scope>(m_fake);
    ProcessState::ActiveColor = 0;
    ProcessState::CloseCancelled = false;
    m_main.reset(mod_Main::Startup(0));
    // Start-up opens one palette; the tests make their own.
    for (QMdiSubWindow *window : m_main->documentArea()->subWindowList()) {
        static_cast<frmPalette *>(window->widget())->agreeToClose();
        window->close();
    }
    m_fake.messageBoxes.clear();
}

void TestFrmPalette::cleanup()
{
    for (QMdiSubWindow *window : m_main->documentArea()->subWindowList())
        static_cast<frmPalette *>(window->widget())->agreeToClose();
    m_main.reset();
    m_scope.reset();
}

frmPalette *TestFrmPalette::newPalette()
{
    frmPalette *palette = m_main->mnuFileNew_Click();
    m_main->documentArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow *>(palette->parentWidget()));
    return palette;
}

frmPalette *TestFrmPalette::openPalette(const QString &path)
{
    m_fake.fileDialogAnswers.enqueue(path);
    action("mnuFileOpen")->trigger();
    return m_main->activePaletteWindow();
}

QAction *TestFrmPalette::action(const char *name) const
{
    return m_main->findChild<QAction *>(QString::fromLatin1(name));
}

void TestFrmPalette::newPaletteNumbersNeverGoBack()
{
    // Start-up's palette was number 1.
    QCOMPARE(newPalette()->windowTitle(), QStringLiteral("Tintwright Palette 2"));
    frmPalette *third = newPalette();
    QCOMPARE(third->windowTitle(), QStringLiteral("Tintwright Palette 3"));
    third->parentWidget()->close();
    action("mnuFileNew")->trigger();
    QCOMPARE(m_main->activePaletteWindow()->windowTitle(), QStringLiteral("Tintwright Palette 4"));
}

// Each new window opens one title bar below and right of the one before,
// or in the place of one that has gone.
void TestFrmPalette::newPalettesCascade()
{
    QList<QWidget *> windows;
    for (int i = 0; i < 3; ++i)
        windows.append(newPalette()->parentWidget());
    const int step = windows[0]->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    QCOMPARE(windows[2]->pos() - windows[0]->pos(), QPoint(2 * step, 2 * step));
    windows[1]->close();
    QCOMPARE(newPalette()->parentWidget()->pos(), windows[1]->pos());
}

void TestFrmPalette::saveAsAsksBeforeReplacing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("No keeps the file") << int(Answer::No) << false;
    QTest::newRow("Yes replaces it") << int(Answer::Yes) << true;
}

void TestFrmPalette::saveAsAsksBeforeReplacing()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    const QString path = m_dir.filePath(QStringLiteral("existing.twp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old contents");
    file.close();

    frmPalette *palette = newPalette();
    palette->SetCellColorRC(0, 0, 0x0000FF);
    m_fake.fileDialogAnswers.enqueue(path);
    m_fake.messageAnswers.enqueue(Answer(answer));
    action("mnuFileSaveAs")->trigger();

    QCOMPARE(m_fake.fileDialogs.size(), 1);
    QCOMPARE(m_fake.fileDialogs[0].title, QStringLiteral("Select File Name"));
    QVERIFY(m_fake.fileDialogs[0].save);
    QCOMPARE(m_fake.messageBoxes.size(), 1);
    QCOMPARE(m_fake.messageBoxes[0].title, QStringLiteral("Palette Exists"));
    QCOMPARE(m_fake.messageBoxes[0].text,
        path + QStringLiteral(" already exits.\r\nDo you want to replace it?"));
    QCOMPARE(m_fake.messageBoxes[0].icon, PlatformServices::Icon::Exclamation);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QCOMPARE(contents == "old contents", !replaced);
    QCOMPARE(palette->Dirty(), !replaced);
    if (replaced)
        QCOMPARE(palette->windowTitle(), QStringLiteral("existing.twp"));
}

void TestFrmPalette::saveWithNameNeedsNoDialog()
{
    const QString path = m_dir.filePath(QStringLiteral("named.twp"));
    frmPalette *palette = newPalette();
    palette->SetCellColorRC(1, 1, 0x00FF00);
    m_fake.fileDialogAnswers.enqueue(path);
    action("mnuFileSave")->trigger();
    QCOMPARE(m_fake.fileDialogs.size(), 1);
    QVERIFY(!palette->Dirty());
    palette->SetCellColorRC(1, 2, 0x00FF00);
    action("mnuFileSave")->trigger();
    QCOMPARE(m_fake.fileDialogs.size(), 1);
    QVERIFY(!palette->Dirty());
    QCOMPARE(QFileInfo(path).size(), 64);
}

void TestFrmPalette::closePrompt_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("dialogPath"); // empty: the user cancels the dialog
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("No closes unsaved") << int(Answer::No) << QString() << true << false;
    QTest::newRow("Cancel keeps it open") << int(Answer::Cancel) << QString() << false << true;
    QTest::newRow("Yes, dialog cancelled") << int(Answer::Yes) << QString() << false << true;
    QTest::newRow("Yes, saved") << int(Answer::Yes) << QStringLiteral("saved.twp") << true << false;
}

void TestFrmPalette::closePrompt()
{
    QFETCH(int, answer);
    QFETCH(QString, dialogPath);
    QFETCH(bool, closes);
    QFETCH(bool, cancelled);
    frmPalette *palette = newPalette();
    QPointer<QWidget> window = palette->parentWidget();
    palette->SetCellColorRC(0, 0, 0x123456);
    m_fake.messageAnswers.enqueue(Answer(answer));
    m_fake.fileDialogAnswers.enqueue(dialogPath.isEmpty() ? QString() : m_dir.filePath(dialogPath));
    window->close();
    QCOMPARE(m_fake.messageBoxes.at(0).text, QStringLiteral("Save Changes?"));
    QCOMPARE(m_fake.messageBoxes.at(0).buttons, PlatformServices::Buttons::YesNoCancel);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(window.isNull() || !window->isVisible(), closes);
    QCOMPARE(ProcessState::CloseCancelled, cancelled);
    if (!closes)
        QVERIFY(palette->Dirty());
}

void TestFrmPalette::closeAllStopsAtCancelledPrompt()
{
    newPalette();
    frmPalette *changed = newPalette();
    newPalette();
    changed->SetCellColorRC(0, 0, 0x00FF00);
    m_fake.messageAnswers.enqueue(Answer::Cancel);
    action("mnuCloseAll")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Clean windows close without a word; the changed one asks once and its
    // Cancel stops Close All with that window still open.
    QCOMPARE(m_fake.messageBoxes.size(), 1);
    QVERIFY(ProcessState::CloseCancelled);
    const QList<QMdiSubWindow *> left = m_main->documentArea()->subWindowList();
    QVERIFY(!left.isEmpty());
    QVERIFY(std::any_of(left.begin(), left.end(),
        [changed](QMdiSubWindow *window) { return window->widget() == changed; }));
}

void TestFrmPalette::onlyActivePaletteTakesActiveColor()
{
    frmPalette *inactive = newPalette();
    frmPalette *active = newPalette();
    ProcessState::ActiveColor = 0x0080FF;
    m_main->cMsgs->Notify(kActiveColorChanged);
    QCOMPARE(active->GetColor(0, 0), 0x0080FF);
    QCOMPARE(active->readout(2), QStringLiteral("#FF8000"));
    QCOMPARE(inactive->GetColor(0, 0), kEmptyCell);
    QVERIFY(active->Dirty());
}

void TestFrmPalette::colourGoesToTheFramedCell_data()
{
    QTest::addColumn<bool>("middleButton"); // else the Right arrow key moves the frame
    QTest::newRow("arrow key") << false;
    QTest::newRow("middle button") << true;
}

// Whatever moves the grid's frame moves the cell new colours are written to.
void TestFrmPalette::colourGoesToTheFramedCell()
{
    QFETCH(bool, middleButton);
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
    ProcessState::ActiveColor = 0x00FFFF;
    m_main->cMsgs->Notify(kActiveColorChanged);
    QCOMPARE(palette->GetColor(1, 2), 0x00FFFF);
    QCOMPARE(palette->GetColor(1, 1), kEmptyCell);
    QCOMPARE(QPoint(palette->model().iCol(), palette->model().iRow()), QPoint(2, 1));
}

void TestFrmPalette::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expected"); // colour of (0, 0) afterwards
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("focus"); // the control that has the focus; empty: the grid
    // (0, 0) holds a mid red 0x000080 (v 50 %), written after (0, 1).
    // v 50.2 % steps to 60.2 % (153.5 rounds up to 154) and 40.2 % (102.5 to 103).
    QTest::newRow("w lightens") << int('w') << 0 << 0x00009A << 0 << QString();
    QTest::newRow("q darkens") << int('q') << 0 << 0x000067 << 0 << QString();
    QTest::newRow("capital W does nothing") << int('W') << 0 << 0x000080 << 0 << QString();
    QTest::newRow("Ctrl+Y does nothing")
        << int(Qt::Key_Y) << int(Qt::ControlModifier) << 0x000080 << 0 << QString();
    QTest::newRow("Ctrl+Z undoes")
        << int(Qt::Key_Z) << int(Qt::ControlModifier) << -1 << 0 << QString();
    // The window sees its keys before any of its controls.
    QTest::newRow("w in a readout box") << int('w') << 0 << 0x00009A << 0 << "txtPanel1";
    QTest::newRow("Ctrl+Z in a readout box")
        << int(Qt::Key_Z) << int(Qt::ControlModifier) << -1 << 0 << "txtPanel2";
    QTest::newRow("q on the toolbar") << int('q') << 0 << 0x000067 << 0 << "tbrPalette";
}

void TestFrmPalette::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, expected);
    QFETCH(int, beeps);
    QFETCH(QString, focus);
    frmPalette *palette = newPalette();
    palette->SetCellColorRC(0, 1, 0x00FF00);
    palette->SetCellColorRC(0, 0, 0x000080);
    QWidget *target = focus.isEmpty() ? palette->grid() : palette->findChild<QWidget *>(focus);
    QVERIFY(target);
    if (modifiers)
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    else
        QTest::keyClick(target, char(key));
    QCOMPARE(palette->GetColor(0, 0), expected);
    QCOMPARE(m_fake.beeps, beeps);
}

void TestFrmPalette::undoOnNewPaletteBeeps()
{
    frmPalette *palette = newPalette();
    action("mnuEditUndo")->trigger();
    action("mnuRedo")->trigger();
    QCOMPARE(m_fake.beeps, 2);
    QTest::keyClick(palette->grid(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(m_fake.beeps, 3);
}

void TestFrmPalette::readoutsFollowWholePaletteChanges_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Clear") << "Reset";
    QTest::newRow("Undo") << "Undo";
}

void TestFrmPalette::readoutsFollowWholePaletteChanges()
{
    QFETCH(QString, button);
    frmPalette *palette = newPalette();
    palette->SetCellColorRC(3, 3, 0x0080FF);
    QCOMPARE(palette->readout(2), QStringLiteral("#FF8000"));
    m_fake.messageAnswers.enqueue(Answer::Yes);
    palette->toolBar()->findChild<QAction *>(button)->trigger();
    QCOMPARE(palette->GetColor(3, 3), kEmptyCell);
    QCOMPARE(palette->readout(0), QStringLiteral("255-255-255"));
    QCOMPARE(palette->readout(2), QStringLiteral("#FFFFFF"));
}

void TestFrmPalette::dropsTakeColourByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("expected");
    QTest::newRow("grid cell") << int(ColorDrag::SourceKind::Grid) << 0x00FF00 << QString()
                               << 0x00FF00;
    QTest::newRow("swatch tag") << int(ColorDrag::SourceKind::Swatch) << 0 << "16711680"
                                << 0xFF0000;
    QTest::newRow("label text colour")
        << int(ColorDrag::SourceKind::Label) << 0x0080FF << QString() << 0x0080FF;
    QTest::newRow("any other control")
        << int(ColorDrag::SourceKind::Other) << 0x00FF00 << QString() << 0;
}

void TestFrmPalette::dropsTakeColourByKind()
{
    QFETCH(int, kind);
    QFETCH(int, color);
    QFETCH(QString, tag);
    QFETCH(int, expected);
    frmPalette *palette = newPalette();
    palette->parentWidget()->resize(400, 400);
    QWidget *viewport = palette->grid()->viewport();
    std::unique_ptr<QMimeData> mime(
        ColorDrag::createMimeData({ ColorDrag::SourceKind(kind), color, tag }));
    // Bottom-right cell.
    const QPoint at(viewport->width() - 3, viewport->height() - 3);
    QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    QCOMPARE(palette->GetColor(3, 3), expected);
    QCOMPARE(ProcessState::ActiveColor, expected);
    QVERIFY(palette->Dirty());
}

void TestFrmPalette::openingUnreadableFileShowsWhyAndLeavesNoWindow()
{
    m_fake.fileDialogAnswers.enqueue(m_dir.filePath(QStringLiteral("missing.twp")));
    action("mnuFileOpen")->trigger();
    QCOMPARE(m_fake.fileDialogs.at(0).title, QStringLiteral("Select Palette File"));
    QVERIFY(!m_fake.fileDialogs.at(0).save);
    QCOMPARE(m_fake.messageBoxes.size(), 1);
    QCOMPARE(m_fake.messageBoxes[0].icon, PlatformServices::Icon::Critical);
    QVERIFY(!m_fake.messageBoxes[0].text.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_main->documentArea()->subWindowList().isEmpty());
}

void TestFrmPalette::rightClickOnEmptyCellOffersWhiteAndErase()
{
    frmPalette *palette = newPalette();
    palette->SetCellColorRC(2, 2, 0x00FF00);
    ColorContextMenu *menu = m_main->colorContextMenu();
    bool eraseVisible = false;
    QTimer::singleShot(0, menu, [&] {
        eraseVisible = menu->mnuEraseColor->isVisible() && !menu->mnuAddToPalette->isVisible();
        menu->close();
    });
    ColorGrid *grid = palette->grid();
    const QRect cell = grid->visualItemRect(grid->item(1, 1));
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, cell.center());
    QVERIFY(eraseVisible);
    QCOMPARE(m_main->ContextColor, kWhite);

    // Erase acts on the cell the right-click made current.
    QTimer::singleShot(0, menu, [menu] { menu->close(); });
    QTest::mouseRelease(
        grid->viewport(), Qt::RightButton, {}, grid->visualItemRect(grid->item(2, 2)).center());
    QCOMPARE(m_main->ContextColor, 0x00FF00);
    menu->mnuEraseColor->trigger();
    QCOMPARE(palette->GetColor(2, 2), kEmptyCell);
    QCOMPARE(grid->cellColor(2, 2), kWhite);
}

void TestFrmPalette::cellsFillTheGrid_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("base size") << QSize();
    QTest::newRow("widths not divisible by four") << QSize(403, 398);
    QTest::newRow("one pixel more") << QSize(404, 399);
    QTest::newRow("wide and short") << QSize(777, 300);
}

// Whatever the window's size, the cells cover the grid: no sliver of
// background at its right or bottom edge.
void TestFrmPalette::cellsFillTheGrid()
{
    QFETCH(QSize, size);
    frmPalette *palette = newPalette();
    if (size.isValid())
        palette->parentWidget()->resize(size);
    ColorGrid *grid = palette->grid();
    int width = 0;
    for (int column = 0; column < grid->columnCount(); ++column)
        width += grid->columnWidth(column);
    int height = 0;
    for (int row = 0; row < grid->rowCount(); ++row)
        height += grid->rowHeight(row);
    QCOMPARE(width, grid->viewport()->width());
    QCOMPARE(height, grid->viewport()->height());
}

void TestFrmPalette::exportWritesTheFormat_data()
{
    QTest::addColumn<QString>("command"); // a menu item, or a key of ExportTo
    QTest::addColumn<QString>("extension");
    for (const auto &[item, extension] : kExportItems)
        QTest::newRow(item) << item << extension;
    for (const char *key : { "ai", "HTML" }) // anything but "AI", "Act" and "xml"
        QTest::newRow(key) << QString::fromLatin1(key) << QStringLiteral("html");
}

void TestFrmPalette::exportWritesTheFormat()
{
    QFETCH(QString, command);
    QFETCH(QString, extension);
    frmPalette *palette = openPalette(testData("red-and-blue.twp"));
    const QString target = m_dir.filePath(command + u'.' + extension);
    m_fake.fileDialogAnswers.enqueue(target);
    if (command.startsWith("mnu"))
        action(qPrintable(command))->trigger();
    else
        palette->ExportTo(command);

    const auto &dialog = m_fake.fileDialogs.last();
    QCOMPARE(dialog.title, QStringLiteral("Select Export File:"));
    QVERIFY(dialog.save && dialog.filters.first().endsWith("(*." + extension + ')'));
    QVERIFY(m_fake.messageBoxes.isEmpty());
    QCOMPARE(contents(target), contents(testData("red-and-blue." + extension)));
    QVERIFY(!palette->Dirty());
}

void TestFrmPalette::exportingEmptyPaletteWritesOnlyTheColorTable()
{
    newPalette();
    QDir folder(m_dir.filePath("empty"));
    QVERIFY(folder.mkpath("."));
    for (const auto &[item, extension] : kExportItems) {
        m_fake.fileDialogAnswers.enqueue(folder.filePath(extension));
        action(item)->trigger();
    }
    QCOMPARE(folder.entryList(QDir::Files), QStringList { "act" });
    QCOMPARE(contents(folder.filePath("act")), QByteArray(768, '\0'));
    QCOMPARE(m_fake.messageBoxes.size(), 7);
    QCOMPARE(m_fake.messageBoxes.last().text, QStringLiteral("The Tintwright Palette is Empty!"));
    QCOMPARE(m_fake.messageBoxes.last().icon, PlatformServices::Icon::Information);
}

void TestFrmPalette::exportCancelledFailedOrWithoutPalette()
{
    frmPalette *palette = openPalette(testData("red-and-blue.twp"));
    for (const auto &item : kExportItems)
        action(item.first)->trigger(); // the dialog is cancelled: nothing happens
    QCOMPARE(m_fake.fileDialogs.size(), 1 + 8);
    QVERIFY(m_fake.messageBoxes.isEmpty());
    // A folder cannot be replaced by a file; it stays as it is.
    for (const char *item : { "mnuExportToAI", "mnuExportToHTML" }) {
        m_fake.fileDialogAnswers.enqueue(m_dir.path());
        action(item)->trigger();
    }
    const QString error = QStringLiteral("Error: %1 is a folder, not a file\r\n").arg(m_dir.path());
    QCOMPARE(m_fake.messageBoxes.value(0).text, error + "Export Failed!");
    QCOMPARE(m_fake.messageBoxes.value(1).text, error + "Export Failed");
    QCOMPARE(m_fake.messageBoxes.value(1).icon, PlatformServices::Icon::Critical);
    // Closing the palette clears the active palette: the items only beep.
    palette->parentWidget()->close();
    for (const auto &item : kExportItems)
        action(item.first)->trigger();
    QCOMPARE(m_fake.beeps, 8);
    QCOMPARE(m_fake.fileDialogs.size(), 1 + 8 + 2);
}

void TestFrmPalette::openingOtherProgramsPalettes_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("colors"); // -1: the file does not open
    QTest::addColumn<QString>("message");
    QByteArray many = "GIMP Palette\n";
    for (int i = 0; i < 20; ++i)
        many += QByteArray::number(i) + " 0 0\n";
    QTest::newRow("swatch exchange") << contents(testData("red-and-blue.ase")) << 2 << QString();
    QTest::newRow("more than 16 colours")
        << many << 16
        << "The file holds 20 colours; a palette has 16 cells, so it shows the first 16.";
    QTest::newRow("malformed") << QByteArray("GIMP Palette\nred\n") << -1
                               << "x.gpl cannot be opened.\r\nLine 2 is not a colour: it does not "
                                  "start with three whole numbers for red, green and blue.";
}

void TestFrmPalette::openingOtherProgramsPalettes()
{
    QFETCH(QByteArray, data);
    QFETCH(int, colors);
    QFETCH(QString, message);
    // Named .gpl whatever it holds: the content decides.
    const QString path = m_dir.filePath("x.gpl");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush());
    frmPalette *palette = openPalette(path);
    QCOMPARE(m_fake.fileDialogs[0].filters.mid(1, 2),
        QStringList({ "GIMP Palettes (*.gpl)", "Adobe Swatch Exchange (*.ase)" }));
    QCOMPARE(m_fake.messageBoxes.value(0).text, message);
    if (colors < 0) {
        QVERIFY(!palette);
        return;
    }
    QCOMPARE(mod_Export::BuildExportList(palette->model().colors()).size(), colors);
    QCOMPARE(palette->windowTitle(), QStringLiteral("x.gpl"));
    QVERIFY(palette->FileName().isEmpty() && !palette->Dirty());
    // Saving asks for a palette file name; the file it came from stays.
    action("mnuFileSave")->trigger();
    QCOMPARE(m_fake.fileDialogs.last().defaultSuffix, QStringLiteral("twp"));
    QCOMPARE(contents(path), data);
}

QTEST_MAIN(TestFrmPalette)
#include "test_frmpalette.moc"
