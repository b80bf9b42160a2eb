#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/Twips.h"
#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/ColorInfoPanel.h"
#include "mainwindow/DocumentArea.h"
#include "mainwindow/frm_MDIMain.h"
#include "startup/mod_Main.h"
#include "support/FakePlatformServices.h"
#include "widgets/ColorContextMenu.h"
#include "widgets/MdiChild.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

namespace {

// A document window that refuses to close when told to, as a changed
// palette does when the user cancels its save prompt.
class RefusingChild : public QWidget, public MdiChild {
public:
    bool refuse = false;
    int queries = 0;
    bool Form_QueryUnload() override
    {
        ++queries;
        return !refuse;
    }
    void agreeToClose() override { m_agreed = true; }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (!m_agreed && !Form_QueryUnload()) {
            ProcessState::CloseCancelled = true;
            event->ignore();
            return;
        }
        event->accept();
    }

private:
    bool m_agreed = false;
};

void clearStore()
{
    QFile::remove(SettingsFilePath());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstRunDefaults();
    void closeStoresStateAndRestartRestoresIt();
    void closingMinimisedKeepsStoredRectangle();
    void statusBoxesFollowEveryNotification();
    void unchangedHoverSamplesDoNotRewriteTheGrid();
    void colorInformationChoiceIsStored();
    void copyColorItemsPutTextsOnTheClipboard();
    void contextMenuRequestIsAppliedAndUndone();
    void closeAllStopsAtCancelledWindow();
    void closeIsCancelledByAChildAfterQueryStepWrote();
    void toolbarKeysAndTooltips();
    void menuMnemonicsWinOverTabMnemonics();

private:
    std::unique_ptr<frm_MDIMain> start();
    FakePlatformServices m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
};

void TestMainWindow::init()
{
    m_fake = FakePlatformServices();
    m_scope = std::make_unique<FakePlatformServices::Scope>(m_fake);
    clearStore();
    ProcessState::ActiveColor = 0;
    ProcessState::StartupDone = false;
    ProcessState::CloseCancelled = false;
}

void TestMainWindow::cleanup()
{
    m_scope.reset();
}

std::unique_ptr<frm_MDIMain> TestMainWindow::start()
{
    return std::unique_ptr<frm_MDIMain>(mod_Main::Startup(0));
}

void TestMainWindow::firstRunDefaults()
{
    QVERIFY(SettingsFilePath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    auto main = start();
    QVERIFY(ProcessState::StartupDone);
    QCOMPARE(main->windowTitle(), QStringLiteral("Tintwright"));
    QCOMPARE(main->pos(), QPoint(twipsToPixels(1455, main.get()), twipsToPixels(1050, main.get())));
    QCOMPARE(
        main->size(), QSize(twipsToPixels(12495, main.get()), twipsToPixels(9345, main.get())));
    QCOMPARE(main->backgroundColor(), kWhite);
    QVERIFY(main->colorInfoPanel()->ShowColorInfo());
    QCOMPARE(ProcessState::ActiveColor, 0);
    QCOMPARE(main->statusText(0), QStringLiteral("0-0-0"));
    QCOMPARE(main->statusText(1), QStringLiteral("&H0"));
    QCOMPARE(main->statusText(2), QStringLiteral("#000000"));
}

void TestMainWindow::closeStoresStateAndRestartRestoresIt()
{
    {
        auto main = start();
        main->move(120, 90);
        main->resize(900, 700);
        main->ContextColor = 0x336699;
        main->mnuSetAsBackGround_Click();
        ProcessState::ActiveColor = 0x0080FF;
        QVERIFY(main->close());
    }
    QCOMPARE(GetSetting("prefs", "lastcolor"), QStringLiteral("33023"));
    QCOMPARE(GetSetting("Prefs", "BackColor"), QStringLiteral("3368601"));
    QCOMPARE(GetSettingFloat("Settings", "MainWidth", 0), float(pixelsToTwips(900, nullptr)));

    auto main = start();
    QCOMPARE(main->pos(), QPoint(120, 90));
    QCOMPARE(main->size(), QSize(900, 700));
    QCOMPARE(main->backgroundColor(), 0x336699);
    QCOMPARE(ProcessState::ActiveColor, 0x0080FF);
    QCOMPARE(main->statusText(2), QStringLiteral("#FF8000"));
}

void TestMainWindow::closingMinimisedKeepsStoredRectangle()
{
    SaveSetting("Settings", "MainLeft", "1500");
    auto main = start();
    main->move(300, 300);
    main->showMinimized();
    QVERIFY(main->isMinimized());
    QVERIFY(main->close());
    QCOMPARE(GetSetting("Settings", "MainLeft"), QStringLiteral("1500"));
}

void TestMainWindow::statusBoxesFollowEveryNotification()
{
    auto main = start();
    ProcessState::ActiveColor = 0x0000FF;
    cls_MsgServer::instance()->Notify(kActiveColorChanged);
    QCOMPARE(main->statusText(0), QStringLiteral("255-0-0"));
    QCOMPARE(main->statusText(1), QStringLiteral("&HFF"));
    QCOMPARE(main->statusText(2), QStringLiteral("#FF0000"));
    // Unknown messages change nothing.
    ProcessState::ActiveColor = 0x00FF00;
    cls_MsgServer::instance()->Notify(QStringLiteral("activecolorchanged"));
    QCOMPARE(main->statusText(2), QStringLiteral("#FF0000"));
}

void TestMainWindow::unchangedHoverSamplesDoNotRewriteTheGrid()
{
    auto main = start();
    ColorInfoPanel *panel = main->colorInfoPanel();
    QVERIFY(panel->isSamplingEnabled());
    QVERIFY(panel->UpdateColorInfo(0x0080FF));
    QCOMPARE(panel->HoverColor(), 0x0080FF);
    QCOMPARE(panel->valueText(0), QStringLiteral("255.128.0 (33023)"));
    QVERIFY(!panel->UpdateColorInfo(0x0080FF));
    QVERIFY(!panel->UpdateColorInfo(-1));
    QCOMPARE(panel->HoverColor(), 0x0080FF);

    // The timer samples the pixel under the pointer through the services.
    m_fake.pixel = 0x00FF00;
    QTRY_COMPARE(panel->HoverColor(), 0x00FF00);
    QCOMPARE(panel->valueText(5), QStringLiteral("#00FF00"));
}

void TestMainWindow::colorInformationChoiceIsStored()
{
    {
        auto main = start();
        auto *box = main->findChild<QCheckBox *>(QStringLiteral("chkColorInfo"));
        QVERIFY(box && box->isChecked());
        box->click();
        QVERIFY(!main->colorInfoPanel()->ShowColorInfo());
        QCOMPARE(GetSetting("settings", "color_info"), QStringLiteral("False"));
        main->close();
    }
    auto main = start();
    QVERIFY(!main->colorInfoPanel()->ShowColorInfo());
    QVERIFY(!main->findChild<QWidget *>(QStringLiteral("flxColorInfo"))->isVisibleTo(main.get()));
}

void TestMainWindow::copyColorItemsPutTextsOnTheClipboard()
{
    auto main = start();
    ColorContextMenu *menu = main->colorContextMenu();
    main->ContextColor = 0x0080FF;
    menu->mnuCopyWebColor->trigger();
    menu->mnuCopyHexColor->trigger();
    menu->mnuCopyRGBColor->trigger();
    menu->mnuCopyHSVColor->trigger();
    menu->mnuCopyCMYColor->trigger();
    QCOMPARE(m_fake.clipboardHistory,
        QStringList({ "#FF8000", "FF8000", "255,128,0", "30.11767,1,1", "0,0.4980392,1" }));
}

void TestMainWindow::contextMenuRequestIsAppliedAndUndone()
{
    auto main = start();
    ColorContextMenu *menu = main->colorContextMenu();
    QCOMPARE(menu->mnuCopyRGBColor->text(), QStringLiteral("RGB Color "));

    ColorContextMenu::Request request;
    request.color = 0x0080FF;
    request.addItem = ColorContextMenu::AddItem::Triads;
    request.disableCellItems = true;
    QTimer::singleShot(0, menu, [menu] {
        QVERIFY(menu->mnuAddTriads->isVisible());
        QVERIFY(!menu->mnuAddTetrads->isVisible());
        QVERIFY(!menu->mnuAdjustColor->menuAction()->isEnabled());
        QCOMPARE(menu->mnuCopyHexColor->text(), QStringLiteral("FF8000"));
        QCOMPARE(menu->mnuCopyWebColor->text(), QStringLiteral("#FF8000"));
        QCOMPARE(menu->mnuCopyRGBColor->text(), QStringLiteral("255,128,0"));
        QCOMPARE(menu->mnuCopyHSVColor->text(), QStringLiteral("HSV Color"));
        menu->close();
    });
    main->showColorContextMenu(request, QPoint(10, 10));
    QCOMPARE(main->ContextColor, 0x0080FF);
    QVERIFY(!menu->mnuAddTriads->isVisible());
    QCOMPARE(menu->mnuCopyHexColor->text(), QStringLiteral("Hex Color"));

    // "Add this Color to Palette" makes the context colour active and says so.
    menu->mnuAddToPalette->trigger();
    QCOMPARE(ProcessState::ActiveColor, 0x0080FF);
    QCOMPARE(main->statusText(0), QStringLiteral("255-128-0"));
}

void TestMainWindow::closeAllStopsAtCancelledWindow()
{
    auto main = start();
    DocumentArea *area = main->documentArea();
    qDeleteAll(area->subWindowList()); // the palette start-up opened
    auto *first = new RefusingChild;
    auto *second = new RefusingChild;
    auto *third = new RefusingChild;
    second->refuse = true;
    for (RefusingChild *child : { first, second, third }) {
        area->addSubWindow(child)->show();
    }
    area->setActiveSubWindow(area->subWindowList().at(2)); // third
    main->findChild<QAction *>(QStringLiteral("mnuCloseAll"))->trigger();
    // The active window closes first; activation then moves on until the
    // window whose user cancels, which stops the loop.
    QVERIFY(ProcessState::CloseCancelled);
    QVERIFY(area->subWindowList().size() >= 1);
    QVERIFY(area->subWindowList().size() <= 2);
    bool secondOpen = false;
    for (QMdiSubWindow *window : area->subWindowList())
        secondOpen |= window->widget() == second;
    QVERIFY(secondOpen);
}

void TestMainWindow::closeIsCancelledByAChildAfterQueryStepWrote()
{
    auto main = start();
    auto *child = new RefusingChild;
    child->refuse = true;
    main->documentArea()->addSubWindow(child)->show();
    ProcessState::ActiveColor = 0x123456;
    QVERIFY(!main->close());
    QVERIFY(main->isVisible());
    QCOMPARE(GetSetting("Prefs", "LastColor"), QStringLiteral("1193046"));
    // Nothing of the unload step was written.
    QCOMPARE(GetSetting("Prefs", "BackColor", "missing"), QStringLiteral("missing"));
    child->refuse = false;
    QVERIFY(main->close());
}

void TestMainWindow::toolbarKeysAndTooltips()
{
    auto main = start();
    QStringList keys;
    QStringList tooltips;
    for (QAction *action : main->mainToolBar()->actions()) {
        keys << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
        if (!action->isSeparator())
            tooltips << action->toolTip();
    }
    QCOMPARE(keys,
        QStringList({ "New", "Open", "Save", "|", "webpreview", "vectorimgpreview", "sbrpreview",
            "EyeDropper", "|", "always_on_top" }));
    QCOMPARE(tooltips.mid(3),
        QStringList({ "Web Preview", "Vector Image Preview", "Scroll Bar Preview",
            "Eyedropper Tool", "Always On Top" }));
    main->mainToolBar()->actions().last()->trigger();
    QVERIFY(main->AlwaysOnTop());
    QVERIFY(main->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestMainWindow::menuMnemonicsWinOverTabMnemonics()
{
    auto main = start();
    QApplication::setActiveWindow(main.get());
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
    // Alt+M belongs to the matching palette tab alone.
    QTest::keyClick(main.get(), Qt::Key_M, Qt::AltModifier);
    QCOMPARE(main->toolsTabs()->currentIndex(), 3);
    // Alt+F is the File menu's, not the Favorites tab's.
    auto *file = main->findChild<QMenu *>(QStringLiteral("mnuFile"));
    QTimer::singleShot(0, file, [file] { file->close(); });
    QTest::keyClick(main.get(), Qt::Key_F, Qt::AltModifier);
    QCOMPARE(main->optionsTabs()->currentIndex(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
