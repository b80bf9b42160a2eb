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
    void init()
    {
        m_fake.messageBoxes.clear();
        m_main.reset(mod_Main::Startup(0)); // with its first palette
    }
    void cleanup()
    {
        for (QMdiSubWindow *window : windows()) {
            if (auto *palette = qobject_cast<frmPalette *>(window->widget()))
                palette->agreeToClose();
        }
        m_main.reset();
    }
    void saveAsksThenWritesPalettesFirst();
    void openStopsOnCancelOrFailure();

private:
    QByteArray run(const char *item, const QString &path, QList<Answer> answers = {})
    {
        if (!path.isNull())
            m_fake.fileDialogAnswers << path;
        m_fake.messageAnswers << answers;
        m_main->menuBar()->findChild<QAction *>(QLatin1String(item))->trigger();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString lastMessage() const { return m_fake.messageBoxes.constLast().text; }
    QList<QMdiSubWindow *> windows() const { return m_main->documentArea()->subWindowList(); }
    QString file(const char *name, const QByteArray &bytes = {}) const
    {
        QFile file(m_dir.filePath(QLatin1String(name)));
        if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }

    FakePlatformServices m_fake;
    FakePlatformServices::Scope m_scope { m_fake };
    std::unique_ptr<frm_MDIMain> m_main;
    QTemporaryDir m_dir;
};

void TestWorkspaceCommands::saveAsksThenWritesPalettesFirst()
{
    windows().constFirst()->close();
    QCOMPARE(run("mnuSaveWorkspace", file("my.palettes.tww")), QByteArray());
    QCOMPARE(lastMessage(), QStringLiteral("Workspace Saved to: my.palettes.tww"));

    run("mnuWebPreview", {});
    run("mnuWebPreview", {});
    m_main->createPaletteWindow()->setDirty(true);
    // Save the changed palette: yes, but no file chosen; then replace the file.
    m_fake.fileDialogAnswers << QString();
    const QByteArray bytes
        = run("mnuSaveWorkspace", file("my.palettes.tww"), { Answer::Yes, Answer::Yes });
    QCOMPARE(m_fake.messageBoxes.at(1).text, QStringLiteral("Save Changes?"));
    QCOMPARE(m_fake.messageBoxes.at(2).title, QStringLiteral("Workspace Exists"));
    QVERIFY2(bytes.startsWith("[palette]\r\n{\r\nfile=\r\nleft="), bytes);
    QCOMPARE(bytes.count("[webpreview]"), 2);
    QVERIFY(bytes.indexOf("[webpreview]") > bytes.indexOf("[palette]"));

    QVERIFY(run("mnuSaveWorkspace", file("no folder/w.tww")).isEmpty());
    QVERIFY(
        lastMessage().startsWith(QStringLiteral("Error: Failed to save Workspace!\r\nw.tww: ")));
}

void TestWorkspaceCommands::openStopsOnCancelOrFailure()
{
    auto *palette = qobject_cast<frmPalette *>(windows().constFirst()->widget());
    palette->setDirty(true);
    const QString path = file("a.tww",
        "[palette]\r\n{\r\nfile=C:\\Palettes\\Autumn.twp\r\n}\r\n"
        "[webpreview]\r\n{\r\nleft=3000\r\ntop=0\r\npic1=123456\r\n}\r\n");
    run("mnuOpenWorkspace", path, { Answer::Cancel });
    QCOMPARE(windows().size(), 1);
    QVERIFY(palette->Dirty());

    // No to saving the changes; the palette's Load reports the missing file.
    run("mnuOpenWorkspace", path, { Answer::No });
    QCOMPARE(windows().size(), 2);
    QCOMPARE(m_fake.messageBoxes.constLast().icon, PlatformServices::Icon::Critical);
    palette = qobject_cast<frmPalette *>(windows()[0]->widget());
    QCOMPARE(palette->FileName(), QStringLiteral("C:\\Palettes\\Autumn.twp"));
    QCOMPARE(windows()[1]->pos(), QPoint(200, 0));
    QVERIFY(qobject_cast<frm_WebPreview *>(windows()[1]->widget())->boxColor(0) != 123456);

    run("mnuOpenWorkspace", file("none.tww"));
    QCOMPARE(lastMessage(), QStringLiteral("Error: Workspace file not found!"));
    QCOMPARE(windows().size(), 2);
    run("mnuOpenWorkspace", file("bad.tww", "[vectorimg]\r\n{\r\nleft=wide\r\n}\r\n"));
    QCOMPARE(lastMessage(), QStringLiteral("Error: Failed to load Workspace!"));
    QCOMPARE(windows().size(), 0);
}

QTEST_MAIN(TestWorkspaceCommands)
#include "test_workspacecommands.moc"
