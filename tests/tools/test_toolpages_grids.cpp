#include "tools/ColorGrids.h"
#include "tools/CommonColorsPage.h"
#include "tools/MatchingPalettePage.h"
#include "tools/ShadesPage.h"
#include "tools/WebSafePage.h"
#include "widgets/ColorFormats.h"
#include "widgets/ColorGrid.h"
#include "widgets/ColorSwatch.h"

#include "test_toolpages_fixture.h"

#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

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

QList<ColorValue> toList(const MatchingPaletteModel::Colors &colors)
{
    return QList<ColorValue>(colors.begin(), colors.end());
}

} // namespace

class TestToolPagesGrids : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.stop(); }
    void doubleClickMakesCellTheWorkingColor_data();
    void doubleClickMakesCellTheWorkingColor();
    void shadesKeepTheirRowAndScroll_data();
    void shadesKeepTheirRowAndScroll();
    void commonColorsReactToThePress_data();
    void commonColorsReactToThePress();
    void rightPressOpensMenuForTheCellUnderThePointer();
    void webSafeCellsFillThePage();
    void slidersFollowTheWorkingColor();
    void movingASliderRebuildsThePalette();
    void matchingMenuOpensOnRightRelease();
    void addAllOpensANewPalette();
    void copyAddsToTheActivePalette();
    void copyWithoutActivePaletteDoesNothing();

private:
    ToolPages *pages() const { return m_fixture.pages; }
    ToolPagesFixture m_fixture;
};

void TestToolPagesGrids::init()
{
    m_fixture.start();
    // Real geometry for the grids that scroll or fill their page.
    m_fixture.main()->optionsTabs()->setCurrentIndex(2); // "&Shades"
    m_fixture.main()->toolsTabs()->setCurrentIndex(2); // "&Web Safe Palette"
    QCoreApplication::processEvents();
}

void TestToolPagesGrids::doubleClickMakesCellTheWorkingColor_data()
{
    QTest::addColumn<QString>("gridName");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("shade") << QStringLiteral("flxGridShades") << 10 << 0;
    QTest::newRow("web-safe") << QStringLiteral("flxGridWebSafe") << 2 << 13;
    QTest::newRow("matching") << QStringLiteral("flxGridMatchingPalette") << 0 << 3;
}

void TestToolPagesGrids::doubleClickMakesCellTheWorkingColor()
{
    QFETCH(QString, gridName);
    QFETCH(int, row);
    QFETCH(int, column);
    m_fixture.setWorkingColor(0x0000FF);
    auto *grid = m_fixture.main()->findChild<ColorGrid *>(gridName);
    QVERIFY(grid);
    const ColorValue chosen = grid->cellColor(row, column);
    QVERIFY(chosen != 0x0000FF);

    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, row, column));

    QCOMPARE(ProcessState::ActiveColor, chosen);
    const ColorTexts texts = ColorFormats::readouts(chosen);
    QCOMPARE(m_fixture.main()->statusText(0), texts.decimal);
    QCOMPARE(m_fixture.main()->statusText(1), texts.ampersandHex);
    QCOMPARE(m_fixture.main()->statusText(2), texts.web);
    // Every derived view has followed, the shades included.
    QCOMPARE(pages()->shadesPage()->grid()->cellColor(19, 0), ColorGrids::shades(chosen)[19]);
}

void TestToolPagesGrids::shadesKeepTheirRowAndScroll_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("topRow");
    QTest::newRow("row 3 stays in view from the top") << 3 << 0;
    QTest::newRow("row 5 stays in view from the top") << 5 << 0;
    QTest::newRow("row 6 is the sixth visible") << 6 << 1;
    QTest::newRow("row 12 is the sixth visible") << 12 << 7;
}

void TestToolPagesGrids::shadesKeepTheirRowAndScroll()
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
    QCOMPARE(shades->cellColor(0, 0), kBlack);
    QCOMPARE(shades->cellColor(19, 0), ColorGrids::shades(0x0000FF)[19]);
}

void TestToolPagesGrids::commonColorsReactToThePress_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<ColorValue>("expected");
    QTest::newRow("left on red") << 14 << Qt::LeftButton << 0x0000FF;
    QTest::newRow("middle on dark red") << 3 << Qt::MiddleButton << 0x000080;
    QTest::newRow("right changes nothing") << 14 << Qt::RightButton << 0x123456;
}

void TestToolPagesGrids::commonColorsReactToThePress()
{
    QFETCH(int, row);
    QFETCH(Qt::MouseButton, button);
    QFETCH(ColorValue, expected);
    ColorGrid *common = pages()->commonColorsPage()->grid();
    QCOMPARE(common->currentRow(), 0);
    QCOMPARE(common->cellColor(15, 0), 0xFF00FF);
    m_fixture.setWorkingColor(0x123456);

    // The press alone does it, before any release.
    QTest::mousePress(common->viewport(), button, {}, cellCentre(common, row, 0));
    QCOMPARE(ProcessState::ActiveColor, expected);
    QTest::mouseRelease(common->viewport(), button, {}, cellCentre(common, row, 0));
}

void TestToolPagesGrids::rightPressOpensMenuForTheCellUnderThePointer()
{
    m_fixture.setWorkingColor(0x0000FF);
    for (const char *name : { "flxGridShades", "flxGridWebSafe", "flxCommon" }) {
        auto *grid = m_fixture.main()->findChild<ColorGrid *>(QString::fromLatin1(name));
        const int shows = m_fixture.lastMenu.count;
        const QPoint cell(grid->columnCount() - 1, grid->rowCount() - 1);
        QTest::mousePress(
            grid->viewport(), Qt::RightButton, {}, cellCentre(grid, cell.y(), cell.x()));
        QCOMPARE(m_fixture.lastMenu.count, shows + 1);
        QCOMPARE(m_fixture.lastMenu.contextColor, grid->cellColor(cell.y(), cell.x()));
        QVERIFY(m_fixture.lastMenu.visibleAddItems.isEmpty());
        QTest::mouseRelease(
            grid->viewport(), Qt::RightButton, {}, cellCentre(grid, cell.y(), cell.x()));
    }
    QCOMPARE(ProcessState::ActiveColor, 0x0000FF);
}

void TestToolPagesGrids::webSafeCellsFillThePage()
{
    ColorGrid *webSafe = pages()->webSafePage()->grid();
    QCOMPARE(webSafe->cellColor(5, 35), kWhite);
    QCOMPARE(webSafe->cellColor(0, 6), 0x003300);
    int width = 0;
    for (int column = 0; column < webSafe->columnCount(); ++column)
        width += webSafe->columnWidth(column);
    int height = 0;
    for (int row = 0; row < webSafe->rowCount(); ++row)
        height += webSafe->rowHeight(row);
    QCOMPARE(QSize(width, height), webSafe->viewport()->size());
    QCOMPARE(webSafe->geometry(), webSafe->parentWidget()->rect());
}

void TestToolPagesGrids::slidersFollowTheWorkingColor()
{
    MatchingPalettePage *matching = pages()->matchingPalettePage();
    m_fixture.setWorkingColor(0x336699); // red 153, green 102, blue 51
    const QList<int> components = { 153, 102, 51 };
    for (int k = 1; k <= 3; ++k) {
        QCOMPARE(matching->slider(k)->value(), components[k - 1]);
        auto *box
            = matching->findChild<QLineEdit *>(QStringLiteral("txtMatchingPaletteRGB%1").arg(k));
        QCOMPARE(box->text(), QString::number(components[k - 1]));
    }
    auto *prime = matching->findChild<ColorSwatch *>(QStringLiteral("pctPrimeSwatch"));
    QCOMPARE(prime->color(), 0x336699);

    m_fixture.setWorkingColor(0x0000FF); // sliders at 255, 0, 0
    QCOMPARE(prime->color(), 0x0000FF);
    const QList<ColorValue> shown = rowColors(matching->grid(), 0);
    QCOMPARE(shown, toList(MatchingPaletteModel::BuildMatchingPalette(255, 0, 0)));
    QCOMPARE(shown[0], 0x0000FF); // asked for 115 % brightness
    QCOMPARE(shown[5], 0x000001); // black is never stored as 0
    QCOMPARE(shown[6], kWhite);
    QCOMPARE(shown[7], 0x000001);
}

void TestToolPagesGrids::movingASliderRebuildsThePalette()
{
    MatchingPalettePage *matching = pages()->matchingPalettePage();
    m_fixture.setWorkingColor(0x0000FF);
    const ColorValue working = ProcessState::ActiveColor;
    matching->slider(2)->setValue(128);
    auto *green = matching->findChild<QLineEdit *>(QStringLiteral("txtMatchingPaletteRGB2"));
    QCOMPARE(green->text(), QStringLiteral("128"));
    QCOMPARE(
        matching->findChild<ColorSwatch *>(QStringLiteral("pctPrimeSwatch"))->color(), 0x0080FF);
    QCOMPARE(rowColors(matching->grid(), 0),
        toList(MatchingPaletteModel::BuildMatchingPalette(255, 128, 0)));
    // The sliders choose a prime colour only; the working colour stays.
    QCOMPARE(ProcessState::ActiveColor, working);
}

void TestToolPagesGrids::matchingMenuOpensOnRightRelease()
{
    m_fixture.main()->toolsTabs()->setCurrentIndex(3);
    m_fixture.setWorkingColor(0x0000FF);
    ColorGrid *grid = pages()->matchingPalettePage()->grid();
    const QPoint centre = cellCentre(grid, 0, 2);
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, centre);
    QCOMPARE(m_fixture.lastMenu.count, 0);
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, centre);
    QCOMPARE(m_fixture.lastMenu.count, 1);
    // The grid's own pixel there: the cell's colour.
    QCOMPARE(m_fixture.lastMenu.contextColor, grid->cellColor(0, 2));
}

void TestToolPagesGrids::addAllOpensANewPalette()
{
    MatchingPalettePage *matching = pages()->matchingPalettePage();
    m_fixture.setWorkingColor(0x0000FF);
    const QList<ColorValue> expected = rowColors(matching->grid(), 0);
    DocumentArea *area = m_fixture.main()->documentArea();
    const auto windowsBefore = area->subWindowList().size();

    QTest::mouseClick(
        matching->findChild<QToolButton *>(QStringLiteral("cmdAddAll")), Qt::LeftButton);

    QCOMPARE(area->subWindowList().size(), windowsBefore + 1);
    auto *palette = qobject_cast<frmPalette *>(area->subWindowList().last()->widget());
    QVERIFY(palette);
    const PaletteColors &cells = palette->model().colors();
    QCOMPARE(QList<ColorValue>(cells.begin(), cells.begin() + 8), expected);
    QCOMPARE(QList<ColorValue>(cells.begin() + 8, cells.end()), QList<ColorValue>(8, kEmptyCell));
    QVERIFY(palette->Dirty());
    // Only File > New numbers palettes; start-up's was number 1.
    QCOMPARE(palette->windowTitle(), QStringLiteral("Tintwright Palette"));
    QCOMPARE(m_fixture.main()->mnuFileNew_Click()->windowTitle(),
        QStringLiteral("Tintwright Palette 2"));
}

void TestToolPagesGrids::copyAddsToTheActivePalette()
{
    MatchingPalettePage *matching = pages()->matchingPalettePage();
    frmPalette *palette = m_fixture.activeNewPalette();
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
}

void TestToolPagesGrids::copyWithoutActivePaletteDoesNothing()
{
    DocumentArea *area = m_fixture.main()->documentArea();
    for (QMdiSubWindow *window : area->subWindowList()) {
        qobject_cast<frmPalette *>(window->widget())->agreeToClose();
        window->close();
    }
    QVERIFY(!m_fixture.main()->activePaletteWindow());
    pages()->matchingPalettePage()->cmdCopy_Click();
    QVERIFY(!m_fixture.main()->activePaletteWindow());
}

QTEST_MAIN(TestToolPagesGrids)
#include "test_toolpages_grids.moc"
