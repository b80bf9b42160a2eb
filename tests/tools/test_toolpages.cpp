#include "previews/frm_ScrollBar.h"
#include "tools/ColorGrids.h"
#include "tools/CommonColorsPage.h"
#include "tools/HarmonyPage.h"
#include "tools/MatchingPalettePage.h"
#include "tools/ShadesPage.h"
#include "widgets/ColorFormats.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorSwatch.h"

#include "test_toolpages_fixture.h"

#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(HarmonyGroup)

namespace {

QAction *addCommand(const frm_MDIMain *main, HarmonyGroup group)
{
    return main->colorContextMenu()->addItemAction(harmonyGroupInfo(group).addItem);
}

QPoint cellCentre(const ColorGrid *grid, int row, int column)
{
    return grid->visualRect(grid->model()->index(row, column)).center();
}

QList<ColorValue> rowColors(const ColorGrid *grid, int row)
{
    QList<ColorValue> colors;
    for (int column = 0; column < grid->columnCount(); ++column)
        colors << grid->cellColor(row, column);
    return colors;
}

} // namespace

class TestToolPages : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.start();
        // Real geometry for the grids that scroll or fill their page.
        m_fixture.main()->optionsTabs()->setCurrentIndex(2); // "&Shades"
        m_fixture.main()->toolsTabs()->setCurrentIndex(2); // "&Web Safe Palette"
        QCoreApplication::processEvents();
    }

    void cleanup() { m_fixture.stop(); }

    // The shade and web-safe grids take double-clicks the same way.
    void doubleClickMakesCellTheWorkingColor()
    {
        m_fixture.setWorkingColor(0x0000FF);
        ColorGrid *grid = pages()->matchingPalettePage()->grid();
        const ColorValue chosen = grid->cellColor(0, 3);
        QVERIFY(chosen != 0x0000FF);

        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 0, 3));

        QCOMPARE(ProcessState::ActiveColor, chosen);
        QCOMPARE(m_fixture.main()->statusText(2), ColorFormats::readouts(chosen).web);
        // Every derived view has followed, the shades included.
        QCOMPARE(pages()->shadesPage()->grid()->cellColor(19, 0), ColorGrids::shades(chosen)[19]);
    }

    void shadesKeepTheirRowAndScroll_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("topRow");
        QTest::newRow("row 5 stays in view from the top") << 5 << 0;
        QTest::newRow("row 6 is the sixth visible") << 6 << 1;
    }

    void shadesKeepTheirRowAndScroll()
    {
        QFETCH(int, row);
        QFETCH(int, topRow);
        ColorGrid *shades = pages()->shadesPage()->grid();
        // Eight rows in view, so that every tabled top row can be scrolled to.
        shades->setFixedHeight(8 * 32 + 2 * shades->frameWidth());
        QCoreApplication::processEvents();
        QCOMPARE(shades->viewport()->height(), 8 * 32);
        shades->setCurrentCell(row, 0);
        shades->scrollToTop();

        m_fixture.setWorkingColor(0x0000FF);

        QCOMPARE(shades->currentRow(), row);
        QCOMPARE(shades->rowAt(0), topRow);
    }

    void commonColorsReactToThePress_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<ColorValue>("expected");
        QTest::newRow("left on red") << 14 << Qt::LeftButton << 0x0000FF;
        QTest::newRow("middle on dark red") << 3 << Qt::MiddleButton << 0x000080;
    }

    void commonColorsReactToThePress()
    {
        QFETCH(int, row);
        QFETCH(Qt::MouseButton, button);
        QFETCH(ColorValue, expected);
        ColorGrid *common = pages()->commonColorsPage()->grid();
        QCOMPARE(common->currentRow(), 0);
        m_fixture.setWorkingColor(0x123456);

        // The press alone does it, before any release.
        QTest::mousePress(common->viewport(), button, {}, cellCentre(common, row, 0));
        QCOMPARE(ProcessState::ActiveColor, expected);
        QTest::mouseRelease(common->viewport(), button, {}, cellCentre(common, row, 0));
    }

    void rightPressOpensMenuForTheCellUnderThePointer()
    {
        m_fixture.setWorkingColor(0x0000FF);
        for (const char *name : { "flxGridShades", "flxGridWebSafe", "flxCommon" }) {
            auto *grid = m_fixture.main()->findChild<ColorGrid *>(QString::fromLatin1(name));
            const int shows = m_fixture.lastMenu.count;
            const int row = grid->rowCount() - 1, column = grid->columnCount() - 1;
            const QPoint at = cellCentre(grid, row, column);
            QTest::mousePress(grid->viewport(), Qt::RightButton, {}, at);
            QCOMPARE(m_fixture.lastMenu.count, shows + 1);
            QCOMPARE(m_fixture.lastMenu.contextColor, grid->cellColor(row, column));
            QVERIFY(m_fixture.lastMenu.visibleAddItems.isEmpty());
            QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, at);
        }
        QCOMPARE(ProcessState::ActiveColor, 0x0000FF);

        // The matching palette's menu waits for the release.
        m_fixture.main()->toolsTabs()->setCurrentIndex(3);
        ColorGrid *grid = pages()->matchingPalettePage()->grid();
        const QPoint centre = cellCentre(grid, 0, 2);
        QTest::mousePress(grid->viewport(), Qt::RightButton, {}, centre);
        QCOMPARE(m_fixture.lastMenu.count, 3);
        QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, centre);
        QCOMPARE(m_fixture.lastMenu.count, 4);
        QCOMPARE(m_fixture.lastMenu.contextColor, grid->cellColor(0, 2));
    }

    // The sliders follow the working colour; moving one chooses a prime colour
    // only, and the working colour stays.
    void matchingSliders()
    {
        MatchingPalettePage *matching = pages()->matchingPalettePage();
        auto *prime = matching->findChild<ColorSwatch *>(QStringLiteral("pctPrimeSwatch"));
        const auto box = [matching](int k) {
            return matching->findChild<QLineEdit *>(
                QStringLiteral("txtMatchingPaletteRGB%1").arg(k));
        };
        m_fixture.setWorkingColor(0x336699); // red 153, green 102, blue 51
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(matching->slider(k)->value(), 204 - 51 * k);
        QCOMPARE(prime->color(), 0x336699);

        m_fixture.setWorkingColor(0x0000FF);
        matching->slider(2)->setValue(128);
        QCOMPARE(box(2)->text(), QStringLiteral("128"));
        QCOMPARE(prime->color(), 0x0080FF);
        const MatchingPaletteModel::Colors row
            = MatchingPaletteModel::BuildMatchingPalette(255, 128, 0);
        QCOMPARE(rowColors(matching->grid(), 0), QList<ColorValue>(row.begin(), row.end()));
        QCOMPARE(ProcessState::ActiveColor, 0x0000FF);
    }

    // Copy appends the row to the active palette; Add All opens a new one.
    void matchingButtonsFillPalettes()
    {
        MatchingPalettePage *matching = pages()->matchingPalettePage();
        frmPalette *palette = m_fixture.activeNewPalette(); // number 2
        m_fixture.setWorkingColor(0x0000FF); // into cell 0
        palette->setDirty(false);
        const auto undoBefore = palette->model().undoEntryCount();
        const QList<ColorValue> expected = rowColors(matching->grid(), 0);

        QTest::mouseClick(
            matching->findChild<QToolButton *>(QStringLiteral("cmdCopy")), Qt::LeftButton);

        const PaletteColors &cells = palette->model().colors();
        QCOMPARE(cells[0], 0x0000FF);
        QCOMPARE(QList<ColorValue>(cells.begin() + 1, cells.begin() + 9), expected);
        QCOMPARE(cells[9], kEmptyCell);
        QVERIFY(palette->Dirty());
        QVERIFY(palette->model().undoEntryCount() > undoBefore);

        DocumentArea *area = m_fixture.main()->documentArea();
        const auto windowsBefore = area->subWindowList().size();
        QTest::mouseClick(
            matching->findChild<QToolButton *>(QStringLiteral("cmdAddAll")), Qt::LeftButton);
        QCOMPARE(area->subWindowList().size(), windowsBefore + 1);
        auto *added = qobject_cast<frmPalette *>(area->subWindowList().last()->widget());
        QVERIFY(added);
        const PaletteColors &addedCells = added->model().colors();
        QCOMPARE(QList<ColorValue>(addedCells.begin(), addedCells.begin() + 8), expected);
        QCOMPARE(QList<ColorValue>(addedCells.begin() + 8, addedCells.end()),
            QList<ColorValue>(8, kEmptyCell));
        QVERIFY(added->Dirty());
        // Only File > New numbers palettes.
        QCOMPARE(added->windowTitle(), QStringLiteral("Tintwright Palette"));
        QCOMPARE(m_fixture.main()->mnuFileNew_Click()->windowTitle(),
            QStringLiteral("Tintwright Palette 3"));
    }

    // Each swatch shows the model's colour.
    void swatchesFollowTheWorkingColor()
    {
        m_fixture.setWorkingColor(0x0064FF);
        HarmonyModel expected;
        expected.regenerate(0x0064FF);
        for (HarmonyGroup group : AllHarmonyGroups) {
            for (int i = 0; i < harmonySwatchCount(group); ++i)
                QCOMPARE(page()->swatch(group, i)->color(), expected.swatch(group, i));
        }
    }

    // A right press offers only its group's add command, which appends the
    // group after the working colour in the active palette.
    void groupsAddCommand_data()
    {
        QTest::addColumn<HarmonyGroup>("group");
        for (HarmonyGroup group : AllHarmonyGroups)
            QTest::newRow(harmonyGroupInfo(group).arrayName) << group;
    }

    void groupsAddCommand()
    {
        QFETCH(HarmonyGroup, group);
        frmPalette *palette = m_fixture.activeNewPalette();
        m_fixture.setWorkingColor(0x0080FF); // the palette stores it in its cell 0
        ColorSwatch *swatch = page()->swatch(group, 1);
        QTest::mousePress(swatch, Qt::RightButton);
        QTest::mouseRelease(swatch, Qt::RightButton);
        QAction *add = addCommand(m_fixture.main(), group);
        QCOMPARE(m_fixture.lastMenu.count, 1);
        QCOMPARE(m_fixture.lastMenu.visibleAddItems, QStringList { add->text() });
        QCOMPARE(m_fixture.lastMenu.contextColor, swatch->color());
        QCOMPARE(ProcessState::ActiveColor, 0x0080FF);
        QVERIFY(!add->isVisible()); // hidden again once the menu has closed

        add->trigger();
        const int count = harmonySwatchCount(group);
        const PaletteColors &cells = palette->model().colors();
        QCOMPARE(cells[0], 0x0080FF);
        for (int i = 0; i < count; ++i)
            QCOMPARE(cells[1 + i], page()->swatch(group, i)->color());
        QCOMPARE(cells[1 + count], kEmptyCell);
    }

    // The add commands and the matching palette's Copy change no palette but
    // the active one, with another kind of window active and with none at all.
    void commandsNeedAnActivePalette()
    {
        frmPalette *palette = m_fixture.activeNewPalette();
        m_fixture.setWorkingColor(0x0080FF);
        const PaletteColors before = palette->model().colors();
        DocumentArea *area = m_fixture.main()->documentArea();
        QMdiSubWindow *other = area->addSubWindow(new QWidget);
        other->show();
        area->setActiveSubWindow(other);
        for (int pass = 0; pass < 2; ++pass) {
            m_fixture.main()->colorContextMenu()->mnuAddTetrads->trigger();
            m_fixture.pages->matchingPalettePage()->cmdCopy_Click();
            QVERIFY(!m_fixture.main()->activePaletteWindow());
            if (pass == 0)
                QCOMPARE(palette->model().colors(), before);
            m_fixture.closeChildren();
        }
    }

    void gesturesThatSelectASwatch_data()
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

    void gesturesThatSelectASwatch()
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

    // The code generator follows the active scroll bar designer.
    void codeGeneratorFollowsActiveDesigner()
    {
        DocumentArea *area = m_fixture.main()->documentArea();
        QAction *generator = m_fixture.main()->menus().mnuCodeGenerator;
        QVERIFY(!generator->isEnabled());
        m_fixture.main()->menus().mnuScrollBarPreview->trigger();
        auto *designer = qobject_cast<frm_ScrollBar *>(area->activeSubWindow()->widget());
        QVERIFY(designer && designer->isVisible() && generator->isEnabled());
        m_fixture.main()->menus().mnuWebPreview->trigger();
        QVERIFY(!generator->isEnabled());

        area->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(designer->parentWidget()));
        designer->SetColour(ScrollBarModel::Track, 0x0000FF);
        generator->trigger();
        QVERIFY(m_fixture.fake().clipboardHistory.value(0).contains(
            QStringLiteral("TRACK-COLOR: #FF0000;")));
        designer->parentWidget()->close();
        QVERIFY(!generator->isEnabled());
    }

private:
    ToolPages *pages() const { return m_fixture.pages; }
    HarmonyPage *page() const { return m_fixture.pages->harmonyPage(); }
    ToolPagesFixture m_fixture;
};

QTEST_MAIN(TestToolPages)
#include "test_toolpages.moc"
