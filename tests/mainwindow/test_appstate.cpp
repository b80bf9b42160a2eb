#include "app/Settings.h"
#include "palette/ucRecent.h"
#include "tools/FavoriteSlot.h"
#include "tools/FavoritesPage.h"
#include "tools/test_toolpages_fixture.h"

#include <QAccessible>
#include <QTest>

namespace {

QString accessibleValue(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Value);
}

} // namespace

class TestAppState : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.stop(); }
    void slotItemMarksItsCaption();
    void storedFavorite_data();
    void storedFavorite();
    void recentColorsNeedAnActivePalette();

private:
    FavoritesPage *favorites() const { return m_fixture.pages->favoritesPage(); }
    ToolPagesFixture m_fixture;
};

void TestAppState::init()
{
    QFile::remove(SettingsFilePath());
    ProcessState::StartupDone = false;
    m_fixture.start();
}

void TestAppState::slotItemMarksItsCaption()
{
    QCOMPARE(favorites()->slotColor(1), kControlFaceColor); // first run restores nothing
    QCOMPARE(accessibleValue(favorites()->slot(1)),
        favorites()->palette().color(QPalette::Window).name().toUpper());
    QAction *item = m_fixture.main()->colorContextMenu()->mnuFavSlot[1];
    for (ColorValue color : { 0xFF0000, 0x00FF00 }) {
        m_fixture.main()->ContextColor = color;
        item->trigger();
    }
    QCOMPARE(item->text(), QStringLiteral("Slot 2 *"));
    QCOMPARE(accessibleValue(favorites()->slot(1)), QStringLiteral("#00FF00"));
    QTest::mouseDClick(favorites()->slot(1), Qt::LeftButton);
    QCOMPARE(ProcessState::ActiveColor, 0x00FF00);
    m_fixture.main()->AddToFavourite(8, kBlack);
    m_fixture.main()->AddToFavourite(-1, kBlack);
    QCOMPARE(favorites()->slotColor(0), kControlFaceColor);
}

void TestAppState::storedFavorite_data()
{
    QTest::addColumn<QString>("stored"); // null: no entry
    QTest::addColumn<ColorValue>("restored");
    QTest::newRow("pure blue") << "16711680" << 0xFF0000;
    QTest::newRow("missing: the background") << QString() << 0x336699;
    QTest::newRow("not a number: black") << "blue" << kBlack;
    QTest::newRow("fraction rounds to even") << "12.5" << 12;
    QTest::newRow("system colour code") << "-2147483633" << kControlFaceColor;
}

void TestAppState::storedFavorite()
{
    QFETCH(QString, stored);
    SaveSetting("System", "RememberState", "Yes");
    SaveSetting("Prefs", "BackColor", "3368601");
    if (!stored.isNull())
        SaveSetting("Favorites", "Slot_5", stored);
    m_fixture.stop();
    m_fixture.start();
    QTEST(favorites()->slotColor(5), "restored");
}

void TestAppState::recentColorsNeedAnActivePalette()
{
    frm_MDIMain *main = m_fixture.main();
    ProcessState::StartupDone = true;
    main->documentArea()->closeAllSubWindows();
    m_fixture.setWorkingColor(0x00FF00);
    frmPalette *palette = m_fixture.activeNewPalette();
    m_fixture.setWorkingColor(0x0080FF);
    main->AddToRecentColors(-5, "#FB0000");
    emit main->pRecent()->LeftDblClick(0x00FF00);
    QCOMPARE(palette->GetColor(0, 0), 0x00FF00);
    const QList<RecentColorsModel::Entry> recent { { kWhite, "#FFFFFF" }, { 0x0080FF, "#FF8000" },
        { 0x00FF00, "#00FF00" } };
    QCOMPARE(main->pRecent()->model().entries(), recent);
}

QTEST_MAIN(TestAppState)
#include "test_appstate.moc"
