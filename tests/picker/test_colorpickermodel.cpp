#include "picker/ColorPickerModel.h"

#include <QTest>

namespace {

// Every pixel tells where it is: red = x, green = y.
QImage pattern(int width, int height, qreal ratio = 1)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 77));
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

ColorValue patternColor(int x, int y)
{
    return MakeColorValue(x, y, 77);
}

} // namespace

class TestColorPickerModel : public QObject {
    Q_OBJECT

private slots:
    void gridShowsNeighbourhoodAndBlackBeyondThePicture_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("top left corner") << QPoint(0, 0);
        QTest::newRow("near left and top edges") << QPoint(2, 3);
        QTest::newRow("middle") << QPoint(20, 15);
        QTest::newRow("bottom right corner") << QPoint(39, 29);
    }
    void gridShowsNeighbourhoodAndBlackBeyondThePicture()
    {
        QFETCH(QPoint, pixel);
        ColorPickerModel model({ { QRect(0, 0, 40, 30), pattern(40, 30) } });
        QVERIFY(model.moveTo(0, pixel));
        QVERIFY(!model.moveTo(0, pixel));
        for (int row = 0; row < ColorPickerModel::kGridSize; ++row) {
            for (int column = 0; column < ColorPickerModel::kGridSize; ++column) {
                const int x = pixel.x() - 6 + column;
                const int y = pixel.y() - 6 + row;
                const bool inside = x >= 0 && y >= 0 && x < 40 && y < 30;
                QCOMPARE(model.cellColor(row, column), inside ? patternColor(x, y) : kBlack);
            }
        }
        QCOMPARE(model.color(), patternColor(pixel.x(), pixel.y()));
        QCOMPARE(model.pixel(0, QPoint(-1, 0)), -1);
    }

    // Pointer positions in logical pixels land on exact device pixels, on
    // the screen they belong to, at whole and fractional ratios.
    void devicePixelsOnSeveralScreens()
    {
        ColorPickerModel model({ { QRect(0, 0, 40, 30), pattern(40, 30) },
            { QRect(40, 0, 20, 15), pattern(40, 30, 2) },
            { QRect(60, 0, 24, 20), pattern(36, 30, 1.5) } });
        QCOMPARE(model.screenAt(QPoint(39, 29)), 0);
        QCOMPARE(model.screenAt(QPoint(40, 0)), 1);
        QCOMPARE(model.screenAt(QPoint(70, 19)), 2);
        QCOMPARE(model.screenAt(QPoint(70, 20)), -1);
        QCOMPARE(model.devicePixel(1, QPointF(3.5, 2.0)), QPoint(7, 4));
        QCOMPARE(model.devicePixel(1, QPointF(3.49, 2.99)), QPoint(6, 5));
        QCOMPARE(model.devicePixel(2, QPointF(16 / 1.5, 17 / 1.5)), QPoint(16, 17));
        model.moveTo(1, QPoint(39, 29));
        QCOMPARE(model.color(), patternColor(39, 29));
        QCOMPARE(model.cellColor(6, 7), kBlack);
    }

    void boxTextAndItsColour_data()
    {
        QTest::addColumn<ColorValue>("color");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ColorValue>("textColor");
        QTest::newRow("middle grey: white") << ColorValue(0x808080) << "128-128-128" << kWhite;
        QTest::newRow("dark grey: white") << ColorValue(0x707070) << "112-112-112" << kWhite;
        QTest::newRow("orange: inverse")
            << ColorValue(0x0080FF) << "255-128-0" << ColorValue(0xFF7F00);
        QTest::newRow("black: inverse") << kBlack << "0-0-0" << kWhite;
        QTest::newRow("white: inverse") << kWhite << "255-255-255" << kBlack;
    }
    void boxTextAndItsColour()
    {
        QFETCH(ColorValue, color);
        QImage image(1, 1, QImage::Format_RGB32);
        const RGBColor rgb = ColorToRGB(color);
        image.fill(qRgb(rgb.R, rgb.G, rgb.B));
        ColorPickerModel model({ { QRect(0, 0, 1, 1), image } });
        model.moveTo(0, QPoint(0, 0));
        QFETCH(QString, text);
        QFETCH(ColorValue, textColor);
        QCOMPARE(model.boxText(), text);
        QCOMPARE(model.boxTextColor(), textColor);
    }

    // The panel alternates: right to left keeping its top, then bottom right.
    void panelJumpsAwayFromThePointer()
    {
        const QSize window(800, 600);
        const QSize panel(100, 120);
        const QPoint left = ColorPickerModel::jumpedPanel(QRect(QPoint(700, 0), panel), window);
        QCOMPARE(left, QPoint(0, 0));
        const QPoint bottomRight = ColorPickerModel::jumpedPanel(QRect(left, panel), window);
        QCOMPARE(bottomRight, QPoint(700, 480));
        QCOMPARE(ColorPickerModel::jumpedPanel(QRect(bottomRight, panel), window), QPoint(0, 480));
    }
};

QTEST_GUILESS_MAIN(TestColorPickerModel)
#include "test_colorpickermodel.moc"
