#include "tools/ColorDesignerModel.h"
#include "tools/ColorGrids.h"
#include "tools/HarmonyModel.h"
#include "tools/HueChart.h"
#include "tools/MatchingPaletteModel.h"
#include "tools/RGBSelectorModel.h"

#include <QSet>
#include <QTest>

#include <climits>

namespace {

// The plane and strip at their size on a 96 dpi screen.
const QSize PlaneSize(259, 68);
const QSize StripSize(20, 68);

RGBSelectorModel drawnModel(int axis, int value, qreal ratio = 1.0)
{
    RGBSelectorModel model;
    model.setPlaneSize(PlaneSize);
    model.setStripSize(StripSize);
    model.setRGBAxis(axis);
    model.setValue(axis, value);
    model.draw(ratio);
    return model;
}

ColorValue imagePixel(const QImage &image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return MakeColorValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QList<ColorValue> allSwatches(const HarmonyModel &model)
{
    QList<ColorValue> result;
    for (HarmonyGroup g : AllHarmonyGroups) {
        for (ColorValue c : model.group(g))
            result.append(c);
    }
    return result;
}

// Readable in a failure message.
QString hexList(const MatchingPaletteModel::Colors &colors)
{
    QStringList texts;
    for (ColorValue c : colors)
        texts << QString::number(c, 16);
    return texts.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(MatchingPaletteModel::Colors)

using Model = ColorDesignerModel::Model;
using Values = ColorDesignerModel::Values;

// The models behind the tool pages, without windows.
class TestToolModels : public QObject {
    Q_OBJECT

private slots:
    // Row i is (H, S, 5 * i %). With V = 0.05 * i the brightest component is
    // round(V * 255): row 1 gives 12.75 -> 13, row 19 gives 242.25 -> 242.
    void shades()
    {
        QCOMPARE(ColorGrids::shades(0x0000FF)[1], 0x00000D);
        QCOMPARE(ColorGrids::shades(0x0000FF)[19], 0x0000F2);
        // Orange (255, 128, 0): hue 30.12 degrees, read as 30: f = .5, so the
        // green component is half of red. Row 1: .025 * 255 = 6.375 -> 6.
        QCOMPARE(ColorGrids::shades(0x0080FF)[1], 0x00060D);
        // Black has no hue or saturation either, so its shades are greys.
        QCOMPARE(ColorGrids::shades(kBlack)[1], 0x0D0D0D);
        // A shade bright enough to keep the rounded hue, double-clicked,
        // refills the column with the same colours.
        for (const auto &[working, row] :
            { std::pair { 0x0000FF, 10 }, std::pair { 0x0080FF, 19 } })
            QCOMPARE(
                ColorGrids::shades(ColorGrids::shades(working)[row]), ColorGrids::shades(working));
    }

    void webSafe()
    {
        QCOMPARE(ColorGrids::webSafeColor(3, 14), 0x666699); // red 153, green and blue 102
        QCOMPARE(ColorGrids::webSafeColor(5, 35), kWhite);
        QSet<ColorValue> seen;
        for (int r = 0; r < ColorGrids::WebSafeRows; ++r) {
            for (int c = 0; c < ColorGrids::WebSafeColumns; ++c) {
                const RGBColor rgb = ColorToRGB(ColorGrids::webSafeColor(r, c));
                QVERIFY(rgb.R % 51 == 0 && rgb.G % 51 == 0 && rgb.B % 51 == 0);
                seen.insert(ColorGrids::webSafeColor(r, c));
            }
        }
        QCOMPARE(seen.size(), 216);
    }

    // Pure red turned by whole degrees; components * 255 rounded half to even.
    void harmoniesOfPureRed()
    {
        HarmonyModel model;
        QVERIFY(model.regenerate(0x0000FF));
        const std::tuple<HarmonyGroup, int, ColorValue> cases[] = {
            { HarmonyGroup::Compl, 1, 0xFFFF00 }, // +180
            { HarmonyGroup::SplitCompl, 0, 0x40FF00 }, // +135
            { HarmonyGroup::Analogous, 0, 0xBF00FF }, // -45 wraps to 315
            { HarmonyGroup::Triad, 0, 0xFF0000 }, // -120
            { HarmonyGroup::Triad, 1, 0x00FF00 },
            { HarmonyGroup::Triad, 2, 0x0000FF }, // the working colour
            { HarmonyGroup::Tetrad, 1, 0x00FF80 }, // +90, 127.5 to 128
        };
        for (const auto &[group, index, expected] : cases)
            QCOMPARE(model.swatch(group, index), expected);
    }

    void harmoniesOfGreysAndNonPositiveColours()
    {
        HarmonyModel model;
        for (const ColorValue grey : { 0x010101, 0xFFFFFF }) {
            QVERIFY(model.regenerate(0x0000FF) && model.regenerate(grey));
            QCOMPARE(allSwatches(model), QList<ColorValue>(HarmonySwatchTotal, grey));
        }
        // Black and the empty-cell marker leave the swatches as they were.
        for (const ColorValue working : { kBlack, kEmptyCell }) {
            HarmonyModel fresh;
            QVERIFY(!fresh.regenerate(working));
            QCOMPARE(allSwatches(fresh), QList<ColorValue>(HarmonySwatchTotal, kWhite));
            QVERIFY(model.regenerate(0x336699));
            const QList<ColorValue> before = allSwatches(model);
            QVERIFY(!model.regenerate(working));
            QCOMPARE(allSwatches(model), before);
        }
    }

    // Turning 0x0064FF by 0 degrees rounds its hue and changes it, so the
    // working colour's swatches must be copied, not computed.
    void harmoniesKeepTheWorkingColourExact()
    {
        constexpr ColorValue working = 0x0064FF;
        QVERIFY2(RotateHue(working, 0) != working, "precondition: the colour must not round-trip");
        HarmonyModel model;
        QVERIFY(model.regenerate(working));
        QCOMPARE(model.swatch(HarmonyGroup::Compl, 0), working);
        QCOMPARE(model.swatch(HarmonyGroup::SplitCompl, 2), working);
        QCOMPARE(model.swatch(HarmonyGroup::Analogous, 2), working);
        QCOMPARE(model.swatch(HarmonyGroup::Triad, 2), working);
        QCOMPARE(model.swatch(HarmonyGroup::Tetrad, 0), working);
    }

    // One prime per hue row, plus black. Expected cells follow from
    // HSVToColor's rounding (half to even of a 32-bit float product, so .7 *
    // 255 gives 178) and its reading of S or V above 1 as percent; black cells
    // read 0x000001.
    void matchingPalette_data()
    {
        QTest::addColumn<ColorValue>("prime");
        QTest::addColumn<MatchingPaletteModel::Colors>("expected");
        using C = MatchingPaletteModel::Colors;
        QTest::newRow("red, hue 0..30")
            << 0x0000FF
            << C { 0x0000FF, 0x0000B2, 0x0000B2, 0x0048D9, 0x003CB2, 0x000001, 0xFFFFFF, 0x000001 };
        // Stepped up from black: every cell is a grey.
        QTest::newRow("black") << 0
                               << C { 0x000001, 0x4C4C4C, 0x4C4C4C, 0x262626, 0x4C4C4C, 0xFFFFFF,
                                      0x000001, 0xFFFFFF };
        QTest::newRow("orange, hue 30..60")
            << 0x00AAFF
            << C { 0x00C4FF, 0x0077B2, 0xCCB43D, 0xFFF2B2, 0xFFFFFF, 0x000001, 0xFFFFFF, 0x000001 };
        QTest::newRow("green, hue 60..180")
            << 0x00FF00
            << C { 0x00FF00, 0x00B200, 0x00FFAA, 0x00D990, 0x00B277, 0x000001, 0xFFFFFF, 0x000001 };
        QTest::newRow("steel blue, hue 180..220, up")
            << 0x996633
            << C { 0x734C26, 0xE6994C, 0x338899, 0x4095BF, 0x4CB2E6, 0x666666, 0x999999, 0x000001 };
        QTest::newRow("blue, hue 220..300")
            << 0xFF0000
            << C { 0xFF0000, 0xB20000, 0xFF9999, 0xD98282, 0xB26B6B, 0x000001, 0xFFFFFF, 0x000001 };
        // Hue 359.76 rounds to 360 in columns 0 and 1, and wraps to 0 in the others.
        QTest::newRow("hue 300.., wraps to 0")
            << 0x0100FF
            << C { 0x0000FF, 0x0000B2, 0x6666FF, 0x5757D9, 0x4747B2, 0x000001, 0xFFFFFF, 0x000001 };
    }

    void matchingPalette()
    {
        QFETCH(ColorValue, prime);
        QFETCH(MatchingPaletteModel::Colors, expected);
        const RGBColor rgb = ColorToRGB(prime);
        QCOMPARE(hexList(MatchingPaletteModel::BuildMatchingPalette(rgb.R, rgb.G, rgb.B)),
            hexList(expected));
    }

    // No cell is ever black, and a grey prime gives greys only.
    void matchingPaletteSweep()
    {
        for (int r = 0; r <= 255; r += 15) {
            for (int g = 0; g <= 255; g += 15) {
                for (int b = 0; b <= 255; b += 15) {
                    for (ColorValue c : MatchingPaletteModel::BuildMatchingPalette(r, g, b)) {
                        const RGBColor rgb = ColorToRGB(c);
                        const bool grey = c == 0x000001 || (rgb.R == rgb.G && rgb.G == rgb.B);
                        if (c <= 0 || c > 0xFFFFFF || (r == g && g == b && !grey))
                            QFAIL(qPrintable(
                                QStringLiteral("%1,%2,%3 gave %4").arg(r).arg(g).arg(b).arg(c)));
                    }
                }
            }
        }
    }

    void matchingModelTracksPrime()
    {
        MatchingPaletteModel model;
        QCOMPARE(model.primeColor(), 0);
        QCOMPARE(model.colors(), MatchingPaletteModel::BuildMatchingPalette(0, 0, 0));
        QVERIFY(!model.setPrime(0, 0, 0));
        // The working colour is split into the sliders' components.
        QVERIFY(model.setPrime(255, 128, 0));
        QVERIFY(!model.setPrime(0x0080FF));
        // Outside the sliders' range counts as their end.
        QVERIFY(model.setPrime(300, -4, 7));
        QCOMPARE(model.primeColor(), MakeColorValue(255, 0, 7));
        QCOMPARE(model.color(6), MatchingPaletteModel::BuildMatchingPalette(255, 0, 7)[6]);
    }

    void rgbPlaneForRedAt128()
    {
        const RGBSelectorModel model = drawnModel(1, 128);
        const QImage &plane = model.planeImage();
        QCOMPARE(plane.size(), PlaneSize);
        QCOMPARE(imagePixel(plane, 0, 0), MakeColorValue(128, 0, 0));
        QCOMPARE(imagePixel(plane, 258, 67), MakeColorValue(128, 255, 255));
        const QImage &strip = model.stripImage();
        QCOMPARE(imagePixel(strip, 0, 0), kBlack);
        QCOMPARE(imagePixel(strip, 19, 67), MakeColorValue(255, 0, 0));
        int line = -1;
        for (int y = 0; y < strip.height(); ++y) {
            if (imagePixel(strip, 10, y) == 0x00FFFF)
                line = line < 0 ? y : -2; // exactly one yellow row
        }
        QCOMPARE(line, 34);
    }

    // The pointer's outline and the plane's accessible value come from
    // planePixel; they must match the picture the user sees, on every axis.
    void rgbPlaneReadsBackWhatItDrew()
    {
        for (int axis = 1; axis <= 3; ++axis) {
            const RGBSelectorModel model = drawnModel(axis, 77);
            for (int y = 0; y < PlaneSize.height(); y += 7) {
                for (int x = 0; x < PlaneSize.width(); x += 5)
                    QCOMPARE(model.planePixel(QPoint(x, y)), imagePixel(model.planeImage(), x, y));
            }
            QCOMPARE(model.planePixel(QPoint(PlaneSize.width(), 0)), -1);
        }
    }

    void rgbPlaneSharpAtTwiceThePixels()
    {
        const RGBSelectorModel model = drawnModel(2, 200, 2.0);
        QCOMPARE(model.planeImage().size(), PlaneSize * 2);
        QCOMPARE(model.planeImage().devicePixelRatio(), 2.0);
        QCOMPARE(imagePixel(model.planeImage(), 517, 135), MakeColorValue(255, 200, 255));
        // Neighbouring device pixels differ: drawn at the density, not scaled up.
        QVERIFY(model.planeImage().pixel(100, 10) != model.planeImage().pixel(101, 10));
        // The yellow line is one logical row: two device rows.
        int yellow = 0;
        for (int y = 0; y < model.stripImage().height(); ++y)
            yellow += imagePixel(model.stripImage(), 0, y) == 0x00FFFF;
        QCOMPARE(yellow, 2);
    }

    void rgbPointerFindsTheColour()
    {
        RGBSelectorModel model = drawnModel(3, 10);
        const QPoint point = model.pointForColor(MakeColorValue(255, 0, 99));
        QCOMPARE(point, QPoint(258, 0));
        QVERIFY(model.PlacePlanePointer(point));
        QVERIFY(!model.PlacePlanePointer(QPoint(300, 5))); // outside: stays
        QCOMPARE(model.pointer(), (SurfacePointer { true, point, GetContrastColor(0x0A00FF) }));
        // Wide enough for every red to have a column of its own.
        for (int red = 0; red < 256; ++red) {
            const QPoint at = model.pointForColor(MakeColorValue(red, 0, 0));
            QCOMPARE(model.planePixel(at), MakeColorValue(red, 0, 10));
        }
    }

    void hueChartRows()
    {
        const QImage picture = HueChart::generate();
        QCOMPARE(picture.size(), QSize(560, 71));
        for (int x = 0; x < 560; x += 40) {
            QCOMPARE(imagePixel(picture, x, 0), kWhite);
            QCOMPARE(imagePixel(picture, x, 35), HueChart::pixel(QPoint(x, 35)));
            const RGBColor dark = ColorToRGB(HueChart::pixel(QPoint(x, 70)));
            QVERIFY(std::max({ dark.R, dark.G, dark.B }) <= 8);
        }
        // Hue runs with the columns: red, green at a third, blue at two thirds.
        QCOMPARE(HueChart::pixel(QPoint(0, 35)), MakeColorValue(255, 4, 4));
        QCOMPARE(HueChart::pixel(QPoint(187, 36)), MakeColorValue(0, 251, 1));
        QCOMPARE(HueChart::pixel(QPoint(373, 36)), MakeColorValue(0, 1, 251));
        QCOMPARE(HueChart::generate(2.0).size(), QSize(1120, 142));
    }

    void designerValuesAndColours()
    {
        // Hue 359.76 rounds to 360, past the slider's end.
        QCOMPARE(ColorDesignerModel::valuesFor(Model::HSV, 0x0201FF), (Values { 359, 100, 100 }));
        QCOMPARE(ColorDesignerModel::valuesFor(Model::CMY, 0x0080FF), (Values { 0, 50, 100 }));
        const std::tuple<Model, Values, ColorValue> cases[] = {
            { Model::HSV, { 0, 1, 100 }, MakeColorValue(255, 252, 252) }, // 1 % is 1 %, not all
            { Model::HSV, { 120, 100, 1 }, MakeColorValue(0, 3, 0) },
            { Model::HSV, { 400, 50, 500 }, HSVToColor({ 359, 50, 100 }) }, // clamped
            { Model::CMY, { 0, 50, 100 }, 0x0080FF },
        };
        for (const auto &[model, values, color] : cases) {
            ColorDesignerModel designer;
            designer.chooseModel(model, kBlack);
            for (int k = 1; k <= 3; ++k)
                designer.setValue(k, values[k - 1]);
            QCOMPARE(designer.color(), color);
        }
        const std::pair<QString, int> typed[]
            = { { "42", 42 }, { " 6.5", 6 } /* half to even */, { "7.5px", 8 }, { "-3", -3 },
                  { "abc", 0 }, { "", 0 }, { "99999999999999999999", INT_MAX } /* saturates */ };
        for (const auto &[text, value] : typed)
            QCOMPARE(ColorDesignerModel::typedValue(text), value);
    }
};

QTEST_GUILESS_MAIN(TestToolModels)
#include "test_toolmodels.moc"
