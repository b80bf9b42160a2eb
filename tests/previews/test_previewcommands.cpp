#include "core/ProcessState.h"
#include "mainwindow/DocumentArea.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmPalette.h"
#include "previews/frm_ScrollBar.h"
#include "startup/mod_Main.h"
#include "support/FakePlatformServices.h"

#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>

class TestPreviewCommands : public QObject {
    Q_OBJECT

private slots:
    void codeGeneratorFollowsActiveDesigner()
    {
        FakePlatformServices fake;
        FakePlatformServices::Scope scope(fake);
        std::unique_ptr<frm_MDIMain> main(mod_Main::Startup(0));
        const auto item = [&](const char *name) {
            return main->menuBar()->findChild<QAction *>(QString::fromLatin1(name));
        };
        DocumentArea *area = main->documentArea();
        QAction *generator = item("mnuCodeGenerator");
        QVERIFY(!generator->isEnabled());

        item("mnuScrollBarPreview")->trigger();
        auto *designer = qobject_cast<frm_ScrollBar *>(area->activeSubWindow()->widget());
        QVERIFY(designer && designer->isVisible());
        QVERIFY(generator->isEnabled());
        item("mnuWebPreview")->trigger();
        QVERIFY(!generator->isEnabled());

        area->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(designer->parentWidget()));
        designer->SetColour(ScrollBarModel::Track, 0x0000FF);
        generator->trigger();
        QVERIFY(fake.clipboardHistory.value(0).contains(QStringLiteral("TRACK-COLOR: #FF0000;")));
        designer->Move(1500, 750); // twips, as a workspace keeps them
        QCOMPARE(designer->parentWidget()->pos(), QPoint(100, 50));
        QCOMPARE(designer->Left(), 1500.0f);
        designer->parentWidget()->close();
        QVERIFY(!generator->isEnabled());

        for (QMdiSubWindow *window : area->subWindowList()) {
            if (auto *palette = qobject_cast<frmPalette *>(window->widget()))
                palette->agreeToClose();
        }
    }
};

QTEST_MAIN(TestPreviewCommands)
#include "test_previewcommands.moc"
