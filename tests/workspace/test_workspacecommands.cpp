#include "mainwindow/DocumentArea.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmPalette.h"
#include "previews/frm_WebPreview.h"
#include "startup/mod_Main.h"
#include "support/FakePlatformServices.h"

#include <QFile>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

using Answer = PlatformServices::Answer;

class TestWorkspaceCommands : public QObject {
    Q_OBJECT

private slots:
    void saveAndOpen();

private:
    // Runs a menu command that asks for `name` in the test folder, with the
    // message answers given; returns the file's contents afterwards.
    QByteArray run(const char *item, const char *name = nullptr, QList<Answer> answers = {})
    {
        if (name)
            m_fake.fileDialogAnswers << m_dir.filePath(QLatin1String(name));
        m_fake.messageAnswers << answers;
        m_main->menuBar()->findChild<QAction *>(QLatin1String(item))->trigger();
        QFile file(m_dir.filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const char *name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QString lastMessage() const { return m_fake.messageBoxes.constLast().text; }
    QList<QMdiSubWindow *> windows() const { return m_main->documentArea()->subWindowList(); }

    FakePlatformServices m_fake;
    FakePlatformServices::Scope m_scope { m_fake };
    std::unique_ptr<frm_MDIMain> m_main { mod_Main::Startup(0) }; // with its first palette
    QTemporaryDir m_dir;
};

void TestWorkspaceCommands::saveAndOpen()
{
    windows().constFirst()->close();
    QCOMPARE(run("mnuSaveWorkspace", "my.palettes.tww"), QByteArray());
    QCOMPARE(lastMessage(), QStringLiteral("Workspace Saved to: my.palettes.tww"));

    run("mnuWebPreview");
    run("mnuWebPreview");
    m_main->createPaletteWindow()->setDirty(true);
    // Save the changed palette: yes, but no file chosen; then replace the file.
    m_fake.fileDialogAnswers << QString();
    const QByteArray bytes
        = run("mnuSaveWorkspace", "my.palettes.tww", { Answer::Yes, Answer::Yes });
    QCOMPARE(m_fake.messageBoxes.at(1).text, QStringLiteral("Save Changes?"));
    QCOMPARE(m_fake.messageBoxes.at(2).title, QStringLiteral("Workspace Exists"));
    QVERIFY2(bytes.startsWith("[palette]\r\n{\r\nfile=\r\nleft="), bytes);
    QCOMPARE(bytes.count("[webpreview]"), 2);
    QVERIFY(run("mnuSaveWorkspace", "no folder/w.tww").isEmpty());
    QVERIFY(
        lastMessage().startsWith(QStringLiteral("Error: Failed to save Workspace!\r\nw.tww: ")));

    // Cancel at the changed palette's question: the open stops, nothing closed.
    write("a.tww",
        "[palette]\r\n{\r\nfile=C:\\Palettes\\Autumn.twp\r\n}\r\n"
        "[webpreview]\r\n{\r\nleft=3000\r\ntop=0\r\npic1=123456\r\n}\r\n");
    run("mnuOpenWorkspace", "a.tww", { Answer::Cancel });
    QCOMPARE(windows().size(), 3);
    // No: the palette's Load reports the missing file; the preview takes
    // its place, not its colours, from the file.
    const qsizetype messages = m_fake.messageBoxes.size();
    run("mnuOpenWorkspace", "a.tww", { Answer::No });
    QCOMPARE(m_fake.messageBoxes.size(), messages + 2);
    QCOMPARE(m_fake.messageBoxes.constLast().icon, PlatformServices::Icon::Critical);
    QCOMPARE(windows().size(), 2);
    QCOMPARE(qobject_cast<frmPalette *>(windows()[0]->widget())->FileName(),
        QStringLiteral("C:\\Palettes\\Autumn.twp"));
    QCOMPARE(windows()[1]->pos(), QPoint(200, 0));
    QVERIFY(qobject_cast<frm_WebPreview *>(windows()[1]->widget())->boxColor(0) != 123456);

    run("mnuOpenWorkspace", "none.tww");
    QCOMPARE(lastMessage(), QStringLiteral("Error: Workspace file not found!"));
    QCOMPARE(windows().size(), 2);
    write("bad.tww", "[vectorimg]\r\n{\r\nleft=wide\r\n}\r\n");
    run("mnuOpenWorkspace", "bad.tww");
    QCOMPARE(lastMessage(), QStringLiteral("Error: Failed to load Workspace!"));
    QCOMPARE(windows().size(), 0);
}

QTEST_MAIN(TestWorkspaceCommands)
#include "test_workspacecommands.moc"
