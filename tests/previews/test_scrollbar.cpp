#include "preview_drops.h"
#include "previews/ColorTarget.h"
#include "previews/ScrollBarPainter.h"
#include "previews/frm_ScrollBar.h"
#include "support/FakePlatformServices.h"

#include <QTest>

using M = ScrollBarModel;

Q_DECLARE_METATYPE(ScrollBarModel::Colors)

namespace {

constexpr ColorValue kXpFace = 0xD8E9EC; // RGB 236, 233, 216
constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kGreen = 0x00FF00;
// Seven colours no two alike, none the board's grey.
constexpr M::Colors kVivid
    = { 0x0000C0, 0x60C0F0, 0xFFF0F0, 0x00A000, 0x804000, 0x400040, 0x00FFFF };

QRgb rgbOf(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    return qRgb(rgb.R, rgb.G, rgb.B);
}

} // namespace

class TestScrollBar : public QObject {
    Q_OBJECT

private slots:
    void init() { m_scope = std::make_unique<FakePlatformServices::Scope>(m_fake = {}); }
    void cleanup() { m_scope.reset(); }
    void generatedCode();
    void buttonAndThumbRows_data();
    void buttonAndThumbRows();
    void drawingMatchesGolden_data();
    void drawingMatchesGolden();
    void dropsAndUndo_data();
    void dropsAndUndo();
    void workspaceOperations();

private:
    FakePlatformServices m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
};

void TestScrollBar::generatedCode()
{
    const M model(kXpFace);
    const QStringList lines = model.GenCode().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 12); // eleven lines, each ended by CR LF
    QCOMPARE(lines.first(), QString());
    QCOMPARE(lines.at(1), QStringLiteral("<STYLE TYPE=\"TEXT/CSS\">"));
    QCOMPARE(lines.at(2), QStringLiteral("<!-- BODY {"));
    QCOMPARE(lines.at(3), QStringLiteral("SCROLLBAR-FACE-COLOR: #ECE9D8;"));
    QCOMPARE(lines.at(8), QStringLiteral("SCROLLBAR-ARROW-COLOR: #000000;"));
    QCOMPARE(lines.at(10), QStringLiteral("} --> </STYLE> "));
    QCOMPARE(lines.last(), QString());
    QVERIFY(!model.GenCode().remove(QStringLiteral("\r\n")).contains(QLatin1Char('\n')));
}

void TestScrollBar::buttonAndThumbRows_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("top button") << 19 << 36;
    QTest::newRow("thumb") << 87 << 167;
    QTest::newRow("bottom button") << 220 << 237;
}

void TestScrollBar::buttonAndThumbRows()
{
    QFETCH(int, first);
    QFETCH(int, last);
    // Each box's right edge is one dark-shadow column from its first row to
    // its last; its left edge starts with the 3D light on the first row.
    const QImage board = ScrollBarPainter::render(kVivid);
    const QRgb dark = rgbOf(kVivid[M::DarkShadow]);
    for (int y = first - 1; y <= last + 1; ++y)
        QCOMPARE(board.pixel(162, y) == dark, y >= first && y <= last);
    QCOMPARE(board.pixel(146, first), rgbOf(kVivid[M::Light3D]));
    QCOMPARE(board.pixel(147, first + 1), rgbOf(kVivid[M::Highlight]));
    QCOMPARE(board.pixel(161, last - 1), rgbOf(kVivid[M::Shadow]));
    QCOMPARE(board.pixel(148, first + 2), rgbOf(kVivid[M::Face]));
}

void TestScrollBar::drawingMatchesGolden_data()
{
    QTest::addColumn<M::Colors>("colors");
    QTest::newRow("scrollbar-reset") << M(kXpFace).colors();
    QTest::newRow("scrollbar-vivid") << kVivid;
}

void TestScrollBar::drawingMatchesGolden()
{
    QFETCH(M::Colors, colors);
    const QString path = qEnvironmentVariable("TW_TEST_DATA") + QLatin1Char('/')
        + QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png");
    const QImage drawn = ScrollBarPainter::render(colors);
    if (qEnvironmentVariableIsSet("TW_UPDATE_GOLDEN"))
        QVERIFY(drawn.save(path));
    const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!golden.isNull(), qPrintable(path));
    QCOMPARE(drawn, golden);
}

void TestScrollBar::dropsAndUndo_data()
{
    // Steps on the face box: "red"/"green" swatches, "label" a text label in
    // red, "u"/"r" undo/redo, "reset".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<ColorValue>("shown"); // -1: the window's face colour
    QTest::addColumn<int>("beeps");

    QTest::newRow("a text label carries black") << QStringList { "label" } << kBlack << 0;
    QTest::newRow("two drops, two undos") << QStringList { "red", "green", "u", "u" } << -1 << 0;
    QTest::newRow("... and one redo")
        << QStringList { "red", "green", "u", "u", "r" } << kRed << 0;
    QTest::newRow("reset empties the stacks")
        << QStringList { "red", "reset", "u", "r" } << -1 << 2;
}

void TestScrollBar::dropsAndUndo()
{
    QFETCH(QStringList, steps);
    QFETCH(ColorValue, shown);
    QFETCH(int, beeps);

    frm_ScrollBar window(nullptr);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Form_Load();
    const ColorValue face = window.GetColor(M::Face);
    ColorTarget *box = window.colorBox(M::Face);
    for (const QString &step : steps) {
        if (step == QLatin1String("u"))
            window.Undo();
        else if (step == QLatin1String("r"))
            window.Redo();
        else if (step == QLatin1String("reset"))
            window.Reset();
        else if (step == QLatin1String("label"))
            dropOn(box, textLabel(kRed));
        else
            dropOn(box, swatch(step == QLatin1String("red") ? kRed : kGreen));
    }
    const ColorValue expected = shown < 0 ? face : shown;
    QCOMPARE(window.GetColor(M::Face), expected);
    QCOMPARE(box->color(), expected);
    QCOMPARE(window.boardImage().pixel(150, 100), rgbOf(expected)); // inside the thumb
    QCOMPARE(m_fake.beeps, beeps);
}

void TestScrollBar::workspaceOperations()
{
    frm_ScrollBar window(nullptr);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(window.GetColor(7), kEmptyCell);
    QCOMPARE(window.GetColor(-1), kEmptyCell);
    QVERIFY(!window.SetColour(7, kRed));
    QVERIFY(window.SetColour(M::Track, kGreen));
    QCOMPARE(window.colorBox(M::Track)->color(), MakeColorValue(240, 240, 240));
    window.pctBoard_Paint();
    QCOMPARE(window.colorBox(M::Track)->color(), kGreen);
    QCOMPARE(window.boardImage().pixel(146, 40), rgbOf(kGreen)); // a track pixel
    window.Undo(); // setting a colour is no step
    QCOMPARE(m_fake.beeps, 1);

    window.GenCode();
    QVERIFY(m_fake.clipboardHistory.value(0).contains(QStringLiteral("TRACK-COLOR: #00FF00;")));
    QCOMPARE(m_fake.messageBoxes.value(0).title, QStringLiteral("Scroll Bar Skin"));
}

QTEST_MAIN(TestScrollBar)
#include "test_scrollbar.moc"
