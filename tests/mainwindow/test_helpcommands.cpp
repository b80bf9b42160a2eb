#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/VendorSite.h"
#include "help/frm_About.h"
#include "mainwindow/frm_MDIMain.h"
#include "startup/mod_Main.h"
#include "support/FakePlatformServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

// The Help menu and About on the real main window.
class TestHelpCommands : public QObject {
    Q_OBJECT

private slots:
    // Every address comes from the settings.
    void helpMenu()
    {
        const QString site = QStringLiteral("http://colours.example.org:8080/tw");
        const QString mail = QStringLiteral("help@example.org");
        SaveSetting(SettingsKeys::VendorSite, site + "/");
        SaveSetting(SettingsKeys::ContactEMail, mail);
        FakePlatformServices fake;
        FakePlatformServices::Scope scope(fake);
        fake.httpReplies.enqueue({ true, QStringLiteral("3.0.0"), {} });
        frm_MDIMain *main = mod_Main::Startup(0);
        main->menus().mnuSupportWebSite->trigger();
        main->menus().mnuCheckForUpdates->trigger();
        bool aboutOverMain = false; // About is modal, owned by the main window
        QTimer::singleShot(0, main, [&] {
            QWidget *about = QApplication::activeModalWidget();
            aboutOverMain = qobject_cast<frm_About *>(about) && about->parent() == main;
            for (const char *link : { "lblEMail", "lblWebLink", "cmdOK" }) {
                if (auto *button = about ? about->findChild<QAbstractButton *>(link) : nullptr)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        main->menus().mnuHepAbout->trigger();
        delete main;
        QVERIFY(aboutOverMain);

        QCOMPARE(fake.httpRequests, QList<QUrl>({ QUrl(site + "/version.txt") }));
        QCOMPARE(fake.openedUrls,
            QList<QUrl>({ QUrl(site + "/support/"), QUrl(site + "/download.php"),
                QUrl("mailto:" + mail), QUrl(site + "/support.php") }));

        // A stored site that is no web address reads as the default.
        SaveSetting(SettingsKeys::VendorSite, QStringLiteral("ftp://colours.example.org"));
        QCOMPARE(VendorSite::host(), QStringLiteral("www.tintwright.example"));
    }
};

QTEST_MAIN(TestHelpCommands)
#include "test_helpcommands.moc"
