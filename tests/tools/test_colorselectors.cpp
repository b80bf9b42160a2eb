#include "tools/ColorDesignerModel.h"
#include "tools/RGBSelectorModel.h"
#include "tools/HueChart.h"

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

} // namespace

using Model = ColorDesignerModel::Model;
using Values = ColorDesignerModel::Values;

class TestColorSelectors : public QObject {
    Q_OBJECT

private slots:
    void redAxisAt128();
    void planeReadsBackWhatItDrew();
    void sharpAtTwiceThePixels();
    void pointerFindsTheColour();
    void spectrumRows();
    void designerValues();
    void designerColours();
    void typedValue();
};

void TestColorSelectors::redAxisAt128()
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
void TestColorSelectors::planeReadsBackWhatItDrew()
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

void TestColorSelectors::sharpAtTwiceThePixels()
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

void TestColorSelectors::pointerFindsTheColour()
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

void TestColorSelectors::spectrumRows()
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
    QCOMPARE(HueChart::pixel(QPoint(560, 0)), -1);
    QCOMPARE(HueChart::generate(2.0).size(), QSize(1120, 142));
}

void TestColorSelectors::designerValues()
{
    // Hue 359.76 rounds to 360, past the slider's end.
    QCOMPARE(ColorDesignerModel::valuesFor(Model::HSV, 0x0201FF), (Values { 359, 100, 100 }));
    QCOMPARE(ColorDesignerModel::valuesFor(Model::CMY, 0x0080FF), (Values { 0, 50, 100 }));
}

void TestColorSelectors::designerColours()
{
    const std::array<std::tuple<Model, Values, ColorValue>, 4> cases = { {
        { Model::HSV, { 0, 1, 100 }, MakeColorValue(255, 252, 252) }, // 1 % is 1 %, not all
        { Model::HSV, { 120, 100, 1 }, MakeColorValue(0, 3, 0) },
        { Model::HSV, { 400, 50, 500 }, HSVToColor({ 359, 50, 100 }) }, // clamped
        { Model::CMY, { 0, 50, 100 }, 0x0080FF },
    } };
    for (const auto &[model, values, color] : cases) {
        ColorDesignerModel designer;
        designer.chooseModel(model, kBlack);
        for (int k = 1; k <= 3; ++k)
            designer.setValue(k, values[k - 1]);
        QCOMPARE(designer.color(), color);
    }
}

void TestColorSelectors::typedValue()
{
    const QList<std::pair<QString, int>> cases
        = { { "42", 42 }, { " 6.5", 6 } /* half to even */, { "7.5px", 8 }, { "-3", -3 },
              { "abc", 0 }, { "", 0 }, { "99999999999999999999", INT_MAX } /* saturates */ };
    for (const auto &[text, value] : cases)
        QCOMPARE(ColorDesignerModel::typedValue(text), value);
}

QTEST_GUILESS_MAIN(TestColorSelectors)
#include "test_colorselectors.moc"
