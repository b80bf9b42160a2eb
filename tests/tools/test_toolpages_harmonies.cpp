#include "tools/HarmonyPage.h"
#include "widgets/ColorFormats.h"
#include "widgets/ColorSwatch.h"

#include "test_toolpages_fixture.h"

#include <QTest>

Q_DECLARE_METATYPE(HarmonyGroup)

namespace {

QList<ColorValue> allSwatchColors(const HarmonyPage *page)
{
    QList<ColorValue> colors;
    for (HarmonyGroup group : AllHarmonyGroups) {
        for (int i = 0; i < harmonySwatchCount(group); ++i)
            colors << page->swatch(group, i)->color();
    }
    return colors;
}

QList<ColorValue> paletteCells(const frmPalette *palette, int first, int count)
{
    QList<ColorValue> cells;
    for (int i = first; i < first + count; ++i)
        cells << palette->model().colors()[i];
    return cells;
}

void addGroupRows()
{
    QTest::addColumn<HarmonyGroup>("group");
    QTest::newRow("complements") << HarmonyGroup::Compl;
    QTest::newRow("split complements") << HarmonyGroup::SplitCompl;
    QTest::newRow("analogous") << HarmonyGroup::Analogous;
    QTest::newRow("triad") << HarmonyGroup::Triad;
    QTest::newRow("tetrad") << HarmonyGroup::Tetrad;
}

QAction *addCommand(const frm_MDIMain *main, HarmonyGroup group)
{
    return main->colorContextMenu()->addItemAction(harmonyGroupInfo(group).addItem);
}

} // namespace

class TestToolPagesHarmonies : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture.start(); }
    void cleanup() { m_fixture.stop(); }
    void swatchesFollowTheWorkingColor_data();
    void swatchesFollowTheWorkingColor();
    void nonPositiveColorLeavesSwatches_data();
    void nonPositiveColorLeavesSwatches();
    void addCommandAppendsItsGroup_data();
    void addCommandAppendsItsGroup();
    void addCommandNeedsAnActivePalette_data();
    void addCommandNeedsAnActivePalette();
    void rightPressOffersOnlyTheGroupsAddItem_data();
    void rightPressOffersOnlyTheGroupsAddItem();
    void gesturesThatSelectASwatch_data();
    void gesturesThatSelectASwatch();

private:
    HarmonyPage *page() const { return m_fixture.pages->harmonyPage(); }
    ToolPagesFixture m_fixture;
};

void TestToolPagesHarmonies::swatchesFollowTheWorkingColor_data()
{
    QTest::addColumn<ColorValue>("working");
    QTest::addColumn<HarmonyGroup>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<ColorValue>("expected");
    QTest::newRow("red: complement is cyan") << 0x0000FF << HarmonyGroup::Compl << 1 << 0xFFFF00;
    QTest::newRow("red: complement 0 is red") << 0x0000FF << HarmonyGroup::Compl << 0 << 0x0000FF;
    QTest::newRow("red: triad 0 wraps to blue") << 0x0000FF << HarmonyGroup::Triad << 0 << 0xFF0000;
    QTest::newRow("red: triad 1 is green") << 0x0000FF << HarmonyGroup::Triad << 1 << 0x00FF00;
    QTest::newRow("red: triad 2 is red") << 0x0000FF << HarmonyGroup::Triad << 2 << 0x0000FF;
    QTest::newRow("red: tetrad 2 is cyan") << 0x0000FF << HarmonyGroup::Tetrad << 2 << 0xFFFF00;
    QTest::newRow("grey: split stays grey")
        << 0x808080 << HarmonyGroup::SplitCompl << 1 << 0x808080;
    QTest::newRow("grey: analogous stays grey")
        << 0x808080 << HarmonyGroup::Analogous << 0 << 0x808080;
}

void TestToolPagesHarmonies::swatchesFollowTheWorkingColor()
{
    QFETCH(ColorValue, working);
    QFETCH(HarmonyGroup, group);
    QFETCH(int, index);
    QFETCH(ColorValue, expected);
    m_fixture.setWorkingColor(working);
    QCOMPARE(page()->swatch(group, index)->color(), expected);
}

void TestToolPagesHarmonies::nonPositiveColorLeavesSwatches_data()
{
    QTest::addColumn<ColorValue>("working");
    QTest::newRow("black") << kBlack;
    QTest::newRow("empty-cell marker") << ColorValue(-1);
}

void TestToolPagesHarmonies::nonPositiveColorLeavesSwatches()
{
    QFETCH(ColorValue, working);
    m_fixture.setWorkingColor(0x0000FF);
    const QList<ColorValue> before = allSwatchColors(page());
    ProcessState::ActiveColor = working;
    m_fixture.pages->DoSyncDesktop();
    QCOMPARE(allSwatchColors(page()), before);
}

void TestToolPagesHarmonies::addCommandAppendsItsGroup_data()
{
    addGroupRows();
}

void TestToolPagesHarmonies::addCommandAppendsItsGroup()
{
    QFETCH(HarmonyGroup, group);
    frmPalette *palette = m_fixture.activeNewPalette();
    m_fixture.setWorkingColor(0x0080FF); // the palette stores it in its cell 0
    QCOMPARE(palette->model().colors()[0], 0x0080FF);

    addCommand(m_fixture.main(), group)->trigger();

    const int count = harmonySwatchCount(group);
    QList<ColorValue> swatches;
    for (int i = 0; i < count; ++i)
        swatches << page()->swatch(group, i)->color();
    QCOMPARE(paletteCells(palette, 1, count), swatches);
    QCOMPARE(palette->model().colors()[1 + count], kEmptyCell);
    if (group == HarmonyGroup::Tetrad)
        QCOMPARE(palette->model().colors()[1], 0x0080FF); // the working colour first
}

void TestToolPagesHarmonies::addCommandNeedsAnActivePalette_data()
{
    QTest::addColumn<bool>("otherChildActive"); // else no child window at all
    QTest::newRow("another kind of window active") << true;
    QTest::newRow("no child window") << false;
}

void TestToolPagesHarmonies::addCommandNeedsAnActivePalette()
{
    QFETCH(bool, otherChildActive);
    frmPalette *palette = m_fixture.activeNewPalette();
    m_fixture.setWorkingColor(0x0080FF);
    const PaletteColors before = palette->model().colors();
    DocumentArea *area = m_fixture.main()->documentArea();
    if (otherChildActive) {
        QMdiSubWindow *other = area->addSubWindow(new QWidget);
        other->show();
        area->setActiveSubWindow(other);
    } else {
        for (QMdiSubWindow *window : area->subWindowList()) {
            qobject_cast<frmPalette *>(window->widget())->agreeToClose();
            window->close();
        }
    }
    QVERIFY(!m_fixture.main()->activePaletteWindow());

    m_fixture.main()->colorContextMenu()->mnuAddTetrads->trigger();
    if (otherChildActive)
        QCOMPARE(palette->model().colors(), before);
}

void TestToolPagesHarmonies::rightPressOffersOnlyTheGroupsAddItem_data()
{
    addGroupRows();
}

void TestToolPagesHarmonies::rightPressOffersOnlyTheGroupsAddItem()
{
    QFETCH(HarmonyGroup, group);
    m_fixture.setWorkingColor(0x0000FF);
    const ColorValue before = ProcessState::ActiveColor;
    ColorSwatch *swatch = page()->swatch(group, 1);

    QTest::mousePress(swatch, Qt::RightButton);
    QTest::mouseRelease(swatch, Qt::RightButton);

    QCOMPARE(m_fixture.lastMenu.count, 1);
    QCOMPARE(m_fixture.lastMenu.visibleAddItems,
        QStringList { addCommand(m_fixture.main(), group)->text() });
    QCOMPARE(m_fixture.lastMenu.contextColor, swatch->color());
    QCOMPARE(ProcessState::ActiveColor, before);
    // Hidden again once the menu has closed.
    QVERIFY(!addCommand(m_fixture.main(), group)->isVisible());
}

void TestToolPagesHarmonies::gesturesThatSelectASwatch_data()
{
    QTest::addColumn<HarmonyGroup>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("release"); // else the button stays down
    QTest::addColumn<bool>("selects");
    QTest::newRow("triad: left click")
        << HarmonyGroup::Triad << 0 << Qt::LeftButton << true << true;
    QTest::newRow("triad: left press only")
        << HarmonyGroup::Triad << 0 << Qt::LeftButton << false << false;
    QTest::newRow("triad: middle click")
        << HarmonyGroup::Triad << 0 << Qt::MiddleButton << true << false;
    QTest::newRow("tetrad: left click")
        << HarmonyGroup::Tetrad << 3 << Qt::LeftButton << true << true;
    QTest::newRow("complement: left press")
        << HarmonyGroup::Compl << 1 << Qt::LeftButton << false << true;
    QTest::newRow("complement: middle press")
        << HarmonyGroup::Compl << 1 << Qt::MiddleButton << false << true;
}

void TestToolPagesHarmonies::gesturesThatSelectASwatch()
{
    QFETCH(HarmonyGroup, group);
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, release);
    QFETCH(bool, selects);
    m_fixture.setWorkingColor(0x0000FF);
    ColorSwatch *swatch = page()->swatch(group, index);
    const ColorValue chosen = swatch->color();

    QTest::mousePress(swatch, button);
    if (release)
        QTest::mouseRelease(swatch, button);

    const ColorValue expected = selects ? chosen : 0x0000FF;
    QCOMPARE(ProcessState::ActiveColor, expected);
    QCOMPARE(m_fixture.main()->statusText(2), ColorFormats::readouts(expected).web);
    // The page has regenerated around the chosen colour.
    QCOMPARE(page()->swatch(HarmonyGroup::Compl, 0)->color(), expected);
    if (!release)
        QTest::mouseRelease(swatch, button);
}

QTEST_MAIN(TestToolPagesHarmonies)
#include "test_toolpages_harmonies.moc"
