#include "core/ProcessState.h"
#include "mainwindow/DocumentArea.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmPalette.h"
#include "startup/mod_Main.h"
#include "support/FakePlatformServices.h"

#include <QAction>
#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Icon = PlatformServices::Icon;

namespace {

const QString kItems[] = { "mnuExportToAct", "mnuExportToAI", "mnuExportToHTML", "mnuExportToXML",
    "mnuExportToGPL", "mnuExportToASE", "mnuExportToCSS", "mnuExportToTokens" };

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

class TestExportCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exportWritesTheFormat_data();
    void exportWritesTheFormat();
    void emptyPalette_data();
    void emptyPalette();
    void cancelledDialogWritesNothing();
    void failedWriteShowsWhy();
    void withoutActivePaletteItemsOnlyBeep();
    void activePaletteFollowsActivation();
    void openingForeignFiles_data();
    void openingForeignFiles();

private:
    frmPalette *openPalette(const QString &path);
    void trigger(const QString &item) const;

    FakePlatformServices m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
    std::unique_ptr<frm_MDIMain> m_main;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestExportCommands::init()
{
    m_fake = FakePlatformServices();
    m_scope = std::make_unique<FakePlatformServices::Scope>(m_fake);
    m_dir = std::make_unique<QTemporaryDir>();
    m_main.reset(mod_Main::Startup(0));
    m_main->documentArea()->closeAllSubWindows();
    QVERIFY(m_main->documentArea()->subWindowList().isEmpty());
}

void TestExportCommands::cleanup()
{
    for (QMdiSubWindow *window : m_main->documentArea()->subWindowList())
        static_cast<frmPalette *>(window->widget())->agreeToClose();
    m_main.reset();
    m_scope.reset();
}

frmPalette *TestExportCommands::openPalette(const QString &path)
{
    m_fake.fileDialogAnswers.enqueue(path);
    trigger("mnuFileOpen");
    return m_main->activePaletteWindow();
}

void TestExportCommands::trigger(const QString &item) const
{
    auto *action = m_main->findChild<QAction *>(item);
    QVERIFY2(action && action->isEnabled(), qPrintable(item));
    action->trigger();
}

void TestExportCommands::exportWritesTheFormat_data()
{
    QTest::addColumn<QString>("command"); // a menu item, or "key:" and a key of ExportTo
    QTest::addColumn<QString>("golden");
    QTest::addColumn<QString>("filter");
    const char *rows[][3] = {
        { "mnuExportToAct", "act", "Adobe Color Table (*.act)" },
        { "mnuExportToAI", "ai", "Adobe Illustrator file (*.ai)" },
        { "mnuExportToHTML", "html", "HTML Files (*.html)" },
        { "mnuExportToXML", "xml", "XML Files (*.xml)" },
        { "mnuExportToGPL", "gpl", "GIMP Palettes (*.gpl)" },
        { "mnuExportToASE", "ase", "Adobe Swatch Exchange (*.ase)" },
        { "mnuExportToCSS", "css", "CSS Style Sheets (*.css)" },
        { "mnuExportToTokens", "json", "Design Tokens (*.json)" },
        { "key:ai", "html", "HTML Files (*.html)" },
        { "key:HTML", "html", "HTML Files (*.html)" },
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << row[0] << row[1] << row[2];
}

void TestExportCommands::exportWritesTheFormat()
{
    QFETCH(QString, command);
    QFETCH(QString, golden);
    frmPalette *palette = openPalette(testData("red-and-blue.twp"));
    QVERIFY(palette);
    const QString target = m_dir->filePath("out." + golden);
    m_fake.fileDialogAnswers.enqueue(target);
    if (command.startsWith("key:"))
        palette->ExportTo(command.mid(4));
    else
        trigger(command);

    const auto &dialog = m_fake.fileDialogs.last();
    QCOMPARE(dialog.title, QStringLiteral("Select Export File:"));
    QVERIFY(dialog.save);
    QTEST(dialog.filters.first(), "filter");
    QCOMPARE(dialog.defaultSuffix, golden);
    QVERIFY(m_fake.messageBoxes.isEmpty());
    QCOMPARE(contents(target), contents(testData("red-and-blue." + golden)));
    QVERIFY(!palette->Dirty());
}

void TestExportCommands::emptyPalette_data()
{
    QTest::addColumn<QString>("item");
    for (const QString &item : kItems)
        QTest::newRow(qPrintable(item)) << item;
}

void TestExportCommands::emptyPalette()
{
    QFETCH(QString, item);
    m_main->mnuFileNew_Click();
    const QString target = m_dir->filePath("empty");
    m_fake.fileDialogAnswers.enqueue(target);
    trigger(item);
    if (item == "mnuExportToAct") {
        QVERIFY(m_fake.messageBoxes.isEmpty());
        QCOMPARE(contents(target), QByteArray(768, '\0'));
        return;
    }
    QVERIFY(!QFile::exists(target));
    QCOMPARE(m_fake.messageBoxes.size(), 1);
    QCOMPARE(m_fake.messageBoxes[0].text, QStringLiteral("The Tintwright Palette is Empty!"));
    QCOMPARE(m_fake.messageBoxes[0].icon, Icon::Information);
    QCOMPARE(m_fake.messageBoxes[0].title, QString());
}

void TestExportCommands::cancelledDialogWritesNothing()
{
    openPalette(testData("red-and-blue.twp"));
    for (const QString &item : kItems)
        trigger(item);
    QCOMPARE(m_fake.fileDialogs.size(), 1 + std::size(kItems));
    QVERIFY(m_fake.messageBoxes.isEmpty());
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestExportCommands::failedWriteShowsWhy()
{
    openPalette(testData("red-and-blue.twp"));
    // A folder cannot be replaced by a file; it stays as it is.
    for (const char *item : { "mnuExportToAI", "mnuExportToHTML" }) {
        m_fake.fileDialogAnswers.enqueue(m_dir->path());
        trigger(item);
    }
    QCOMPARE(m_fake.messageBoxes.size(), 2);
    const QString error = QStringLiteral("Error: %1 is a folder, not a file\r\n").arg(m_dir->path());
    QCOMPARE(m_fake.messageBoxes[0].text, error + "Export Failed!");
    QCOMPARE(m_fake.messageBoxes[1].text, error + "Export Failed");
    QCOMPARE(m_fake.messageBoxes[1].icon, Icon::Critical);
    QVERIFY(QFileInfo(m_dir->path()).isDir());
}

void TestExportCommands::withoutActivePaletteItemsOnlyBeep()
{
    for (const QString &item : kItems)
        trigger(item);
    QCOMPARE(m_fake.beeps, int(std::size(kItems)));
    QVERIFY(m_fake.fileDialogs.isEmpty());
}

void TestExportCommands::activePaletteFollowsActivation()
{
    frmPalette *first = m_main->mnuFileNew_Click();
    QCOMPARE(m_main->ActivePalette.data(), first);
    frmPalette *second = m_main->mnuFileNew_Click();
    QCOMPARE(m_main->ActivePalette.data(), second);
    m_main->documentArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow *>(first->parentWidget()));
    QCOMPARE(m_main->ActivePalette.data(), first);
    first->parentWidget()->close();
    QCOMPARE(m_main->ActivePalette.data(), second);
    second->parentWidget()->close();
    QVERIFY(m_main->ActivePalette.isNull());
}

void TestExportCommands::openingForeignFiles_data()
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
    QTest::newRow("malformed")
        << QByteArray("GIMP Palette\nred\n") << -1
        << "x.gpl cannot be opened.\r\nLine 2 is not a colour: it does not start with three whole "
           "numbers for red, green and blue.";
}

void TestExportCommands::openingForeignFiles()
{
    QFETCH(QByteArray, data);
    QFETCH(int, colors);
    QFETCH(QString, message);
    // Named .gpl whatever it holds: the content decides, not the name.
    const QString path = m_dir->filePath("x.gpl");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
    file.close();
    frmPalette *palette = openPalette(path);
    QCOMPARE(m_fake.fileDialogs[0].filters,
        QStringList({ "Tint Wright Palettes (*.twp)", "GIMP Palettes (*.gpl)",
            "Adobe Swatch Exchange (*.ase)", "All Files (*.*)" }));
    QCOMPARE(m_fake.messageBoxes.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(m_fake.messageBoxes[0].text, message);
    if (colors < 0) {
        QVERIFY(!palette);
        return;
    }
    QCOMPARE(mod_Export::BuildExportList(palette->model().colors()).size(), colors);
    QCOMPARE(palette->windowTitle(), QStringLiteral("x.gpl"));
    QVERIFY(palette->FileName().isEmpty());
    QVERIFY(!palette->Dirty());
    // Saving asks for a palette file name; the file it came from stays.
    trigger("mnuFileSave");
    QCOMPARE(m_fake.fileDialogs.last().defaultSuffix, QStringLiteral("twp"));
    QCOMPARE(contents(path), data);
}

QTEST_MAIN(TestExportCommands)
#include "test_exportcommands.moc"
