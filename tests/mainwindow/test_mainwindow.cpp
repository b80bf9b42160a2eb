#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/Twips.h"
#include "app/VendorSite.h"
#include "help/frm_About.h"
#include "mainwindow/ColorInfoPanel.h"
#include "palette/ucRecent.h"
#include "tools/FavoriteSlot.h"
#include "tools/FavoritesPage.h"
#include "tools/test_toolpages_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

namespace {

QString accessibleValue(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Value);
}

} // namespace

// The real main window as start-up builds it: what it stores and restores,
// its status boxes, menus and closing rules.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QFile::remove(SettingsFilePath());
        ProcessState::StartupDone = false;
        m_fixture.start();
        fake() = FakePlatformServices(); // checks start after start-up's own calls
    }
    void cleanup() { m_fixture.stop(); }

    void closeStoresStateAndRestartRestoresIt()
    {
        QVERIFY(ProcessState::StartupDone);
        QCOMPARE(main()->backgroundColor(), kWhite);
        QCOMPARE(main()->statusText(2), QStringLiteral("#000000"));
        main()->move(120, 90);
        main()->resize(900, 700);
        main()->ContextColor = 0x336699;
        main()->mnuSetAsBackGround_Click();
        ProcessState::ActiveColor = 0x0080FF;
        QVERIFY(main()->close());
        QCOMPARE(GetSetting("prefs", "lastcolor"), QStringLiteral("33023"));
        QCOMPARE(GetSetting("Prefs", "BackColor"), QStringLiteral("3368601"));
        QCOMPARE(GetSettingFloat("Settings", "MainWidth", 0), float(pixelsToTwips(900, nullptr)));

        restart();
        QCOMPARE(main()->pos(), QPoint(120, 90));
        QCOMPARE(main()->size(), QSize(900, 700));
        QCOMPARE(main()->backgroundColor(), 0x336699);
        QCOMPARE(ProcessState::ActiveColor, 0x0080FF);
        QCOMPARE(main()->statusText(2), QStringLiteral("#FF8000"));
    }

    void closingMinimisedKeepsStoredRectangle()
    {
        SaveSetting("Settings", "MainLeft", "1500");
        main()->move(300, 300);
        main()->showMinimized();
        QVERIFY(main()->isMinimized());
        QVERIFY(main()->close());
        QCOMPARE(GetSetting("Settings", "MainLeft"), QStringLiteral("1500"));
    }

    void statusBoxesFollowEveryNotification()
    {
        m_fixture.setWorkingColor(0x0000FF);
        QCOMPARE(main()->statusText(0), QStringLiteral("255-0-0"));
        QCOMPARE(main()->statusText(1), QStringLiteral("&HFF"));
        QCOMPARE(main()->statusText(2), QStringLiteral("#FF0000"));
        // Unknown messages change nothing.
        ProcessState::ActiveColor = 0x00FF00;
        cls_MsgServer::instance()->Notify(QStringLiteral("activecolorchanged"));
        QCOMPARE(main()->statusText(2), QStringLiteral("#FF0000"));
    }

    void unchangedHoverSamplesDoNotRewriteTheGrid()
    {
        ColorInfoPanel *panel = main()->colorInfoPanel();
        QVERIFY(panel->isSamplingEnabled());
        QVERIFY(panel->UpdateColorInfo(0x0080FF));
        QCOMPARE(panel->valueText(0), QStringLiteral("255.128.0 (33023)"));
        QVERIFY(!panel->UpdateColorInfo(0x0080FF));
        QVERIFY(!panel->UpdateColorInfo(-1));
        QCOMPARE(panel->HoverColor(), 0x0080FF);

        // The timer samples the pixel under the pointer through the services.
        fake().pixel = 0x00FF00;
        QTRY_COMPARE(panel->HoverColor(), 0x00FF00);
        QCOMPARE(panel->valueText(5), QStringLiteral("#00FF00"));
    }

    void colorInformationChoiceIsStored()
    {
        auto *box = main()->findChild<QCheckBox *>(QStringLiteral("chkColorInfo"));
        QVERIFY(box && box->isChecked());
        box->click();
        QVERIFY(!main()->colorInfoPanel()->ShowColorInfo());
        QCOMPARE(GetSetting("settings", "color_info"), QStringLiteral("False"));
        main()->close();
        restart();
        QVERIFY(!main()->colorInfoPanel()->ShowColorInfo());
        QVERIFY(!main()->findChild<QWidget *>(QStringLiteral("flxColorInfo"))->isVisibleTo(main()));
    }

    void copyColorItemsPutTextsOnTheClipboard()
    {
        ColorContextMenu *menu = main()->colorContextMenu();
        main()->ContextColor = 0x0080FF;
        for (QAction *copy : { menu->mnuCopyWebColor, menu->mnuCopyHexColor, menu->mnuCopyRGBColor,
                 menu->mnuCopyHSVColor, menu->mnuCopyCMYColor })
            copy->trigger();
        QCOMPARE(fake().clipboardHistory,
            QStringList({ "#FF8000", "FF8000", "255,128,0", "30.11767,1,1", "0,0.4980392,1" }));
    }

    void contextMenuRequestIsAppliedAndUndone()
    {
        ColorContextMenu *menu = main()->colorContextMenu();
        ColorContextMenu::Request request;
        request.color = 0x0080FF;
        request.addItem = ColorContextMenu::AddItem::Triads;
        request.disableCellItems = true;
        bool shownAsAsked = false;
        QTimer::singleShot(0, menu, [&] {
            shownAsAsked = !menu->mnuAdjustColor->menuAction()->isEnabled()
                && menu->mnuCopyWebColor->text() == QStringLiteral("#FF8000")
                && menu->mnuCopyRGBColor->text() == QStringLiteral("255,128,0")
                && menu->mnuCopyHSVColor->text() == QStringLiteral("HSV Color");
        });
        main()->showColorContextMenu(request, QPoint(10, 10));
        QVERIFY(shownAsAsked);
        QCOMPARE(m_fixture.lastMenu.visibleAddItems, QStringList { menu->mnuAddTriads->text() });
        QCOMPARE(main()->ContextColor, 0x0080FF);
        QVERIFY(!menu->mnuAddTriads->isVisible());
        QCOMPARE(menu->mnuCopyHexColor->text(), QStringLiteral("Hex Color"));

        // "Add this Color to Palette" makes the context colour active and says so.
        menu->mnuAddToPalette->trigger();
        QCOMPARE(ProcessState::ActiveColor, 0x0080FF);
        QCOMPARE(main()->statusText(0), QStringLiteral("255-128-0"));
    }

    void closeIsCancelledByAPaletteAfterQueryStepWrote()
    {
        frmPalette *palette = m_fixture.activeNewPalette();
        palette->SetCellColorRC(0, 0, 0x00FF00);
        ProcessState::ActiveColor = 0x123456;
        fake().messageAnswers.enqueue(PlatformServices::Answer::Cancel);
        QVERIFY(!main()->close());
        QVERIFY(main()->isVisible());
        QCOMPARE(GetSetting("Prefs", "LastColor"), QStringLiteral("1193046"));
        // Nothing of the unload step was written.
        QCOMPARE(GetSetting("Prefs", "BackColor", "missing"), QStringLiteral("missing"));
        fake().messageAnswers.enqueue(PlatformServices::Answer::No);
        QVERIFY(main()->close());
    }

    void keysOfMenusTabsAndToolbar()
    {
        QApplication::setActiveWindow(main());
        QVERIFY(QTest::qWaitForWindowActive(main()));
        // Alt+M belongs to the matching palette tab alone.
        QTest::keyClick(main(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(main()->toolsTabs()->currentIndex(), 3);
        // Alt+F is the File menu's, not the Favorites tab's.
        auto *file = main()->findChild<QMenu *>(QStringLiteral("mnuFile"));
        QTimer::singleShot(0, file, [file] { file->close(); });
        QTest::keyClick(main(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(main()->optionsTabs()->currentIndex(), 0);

        main()->mainToolBar()->actions().last()->trigger();
        QVERIFY(main()->AlwaysOnTop());
        QVERIFY(main()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    // Every address of the Help menu and About comes from the settings.
    void helpMenuAddresses()
    {
        const QString site = QStringLiteral("http://colours.example.org:8080/tw");
        const QString mail = QStringLiteral("help@example.org");
        SaveSetting(SettingsKeys::VendorSite, site + "/");
        SaveSetting(SettingsKeys::ContactEMail, mail);
        fake().httpReplies.enqueue({ true, QStringLiteral("3.0.0"), {} });
        main()->menus().mnuSupportWebSite->trigger();
        main()->menus().mnuCheckForUpdates->trigger();
        bool aboutOverMain = false; // About is modal, owned by the main window
        QTimer::singleShot(0, main(), [&] {
            QWidget *about = QApplication::activeModalWidget();
            aboutOverMain = qobject_cast<frm_About *>(about) && about->parent() == main();
            for (const char *link : { "lblEMail", "lblWebLink", "cmdOK" }) {
                if (auto *button = about ? about->findChild<QAbstractButton *>(link) : nullptr)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        main()->menus().mnuHepAbout->trigger();
        QVERIFY(aboutOverMain);
        QCOMPARE(fake().httpRequests, QList<QUrl>({ QUrl(site + "/version.txt") }));
        QCOMPARE(fake().openedUrls,
            QList<QUrl>({ QUrl(site + "/support/"), QUrl(site + "/download.php"),
                QUrl("mailto:" + mail), QUrl(site + "/support.php") }));

        // A stored site that is no web address reads as the default.
        SaveSetting(SettingsKeys::VendorSite, QStringLiteral("ftp://colours.example.org"));
        QCOMPARE(VendorSite::host(), QStringLiteral("www.tintwright.example"));
    }

    void favoriteSlotItemMarksItsCaption()
    {
        QCOMPARE(favorites()->slotColor(1), kControlFaceColor); // first run restores nothing
        QCOMPARE(accessibleValue(favorites()->slot(1)),
            favorites()->palette().color(QPalette::Window).name().toUpper());
        QAction *item = main()->colorContextMenu()->mnuFavSlot[1];
        for (ColorValue color : { 0xFF0000, 0x00FF00 }) {
            main()->ContextColor = color;
            item->trigger();
        }
        QCOMPARE(item->text(), QStringLiteral("Slot 2 *"));
        QCOMPARE(accessibleValue(favorites()->slot(1)), QStringLiteral("#00FF00"));
        QTest::mouseDClick(favorites()->slot(1), Qt::LeftButton);
        QCOMPARE(ProcessState::ActiveColor, 0x00FF00);
        main()->AddToFavourite(8, kBlack);
        main()->AddToFavourite(-1, kBlack);
        QCOMPARE(favorites()->slotColor(0), kControlFaceColor);
    }

    void storedFavorite_data()
    {
        QTest::addColumn<QString>("stored"); // null: no entry
        QTest::addColumn<ColorValue>("restored");
        QTest::newRow("pure blue") << "16711680" << 0xFF0000;
        QTest::newRow("missing: the background") << QString() << 0x336699;
        QTest::newRow("not a number: black") << "blue" << kBlack;
        QTest::newRow("fraction rounds to even") << "12.5" << 12;
        QTest::newRow("system colour code") << "-2147483633" << kControlFaceColor;
    }
    void storedFavorite()
    {
        QFETCH(QString, stored);
        SaveSetting("System", "RememberState", "Yes");
        SaveSetting("Prefs", "BackColor", "3368601");
        if (!stored.isNull())
            SaveSetting("Favorites", "Slot_5", stored);
        restart();
        QTEST(favorites()->slotColor(5), "restored");
    }

    void recentColorsNeedAnActivePalette()
    {
        ProcessState::StartupDone = true;
        main()->documentArea()->closeAllSubWindows();
        m_fixture.setWorkingColor(0x00FF00);
        frmPalette *palette = m_fixture.activeNewPalette();
        m_fixture.setWorkingColor(0x0080FF);
        main()->AddToRecentColors(-5, "#FB0000");
        emit main()->pRecent()->LeftDblClick(0x00FF00);
        QCOMPARE(palette->GetColor(0, 0), 0x00FF00);
        const QList<RecentColorsModel::Entry> recent { { kWhite, "#FFFFFF" },
            { 0x0080FF, "#FF8000" }, { 0x00FF00, "#00FF00" } };
        QCOMPARE(main()->pRecent()->model().entries(), recent);
    }

private:
    frm_MDIMain *main() const { return m_fixture.main(); }
    FakePlatformServices &fake() { return m_fixture.fake(); }
    FavoritesPage *favorites() const { return m_fixture.pages->favoritesPage(); }
    void restart()
    {
        m_fixture.stop();
        m_fixture.start();
    }
    ToolPagesFixture m_fixture;
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
