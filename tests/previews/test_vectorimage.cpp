#include "app/Settings.h"
#include "preview_drops.h"
#include "previews/FloodFill.h"
#include "previews/PictureFile.h"
#include "previews/VectorCanvas.h"
#include "previews/frm_VectorImg.h"
#include "support/FakePlatformServices.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <array>

using M = VectorImageModel;

namespace {

// The white region the fills in these tests colour, and one pixel of it.
constexpr QPoint kSky(20, 90);

// The history as plainly as it can be kept: 51 whole pictures.
struct PlainHistory {
    std::array<QImage, 51> pictures;
    int p = 0;
    int q = 0;
    QImage shown;
};

// The textbook four-neighbour fill, pixel by pixel.
void stackFill(QImage &image, QPoint seed, QRgb color)
{
    const QRgb target = image.pixel(seed);
    std::vector<QPoint> stack { seed };
    while (target != color && !stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!image.rect().contains(p) || image.pixel(p) != target)
            continue;
        image.setPixel(p, color);
        stack.insert(stack.end(), { p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1) });
    }
}

// The sizes of the white regions of a picture.
QList<qsizetype> whiteRegions(QImage image)
{
    QList<qsizetype> sizes;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                sizes << FloodFill::fill(image, { x, y }, qRgb(1, 2, 3)).changedPixels();
            }
        }
    }
    return sizes;
}

} // namespace

class TestVectorImage : public QObject {
    Q_OBJECT

private slots:
    void init() { m_scope = std::make_unique<FakePlatformServices::Scope>(m_fake = {}); }
    void cleanup() { m_scope.reset(); }
    void sampleIsACleanLineDrawing();
    void zoomSteps_data();
    void zoomSteps();
    void dropPointRoundsHalfToEven_data();
    void dropPointRoundsHalfToEven();
    void history_data();
    void history();
    void historyMatchesWholePictures();
    void picturesLargerThanLimitAreRefused_data();
    void picturesLargerThanLimitAreRefused();
    void windowZoomsDropsAndKeepsPlacement();

private:
    FakePlatformServices m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
};

void TestVectorImage::sampleIsACleanLineDrawing()
{
    const QImage sample = M::sample();
    QCOMPARE(sample.size(), QSize(187, 277));
    int black = 0;
    for (int y = 0; y < sample.height(); ++y) {
        for (int x = 0; x < sample.width(); ++x) {
            const QRgb pixel = sample.pixel(x, y);
            QVERIFY(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255));
            black += pixel == qRgb(0, 0, 0);
        }
    }
    QVERIFY(black < sample.width() * sample.height() / 5);
    // Many closed regions, none a speck, none half the page.
    const QList<qsizetype> regions = whiteRegions(sample);
    QVERIFY(regions.size() >= 40);
    QVERIFY(*std::min_element(regions.begin(), regions.end()) >= 12);
    QVERIFY(*std::max_element(regions.begin(), regions.end()) < sample.width() * sample.height() / 2);
}

void TestVectorImage::zoomSteps_data()
{
    QTest::addColumn<int>("steps"); // + in, - out
    QTest::addColumn<double>("zoom");
    QTest::newRow("in from 1") << 1 << 1.5;
    QTest::newRow("eighteen steps reach 10") << 18 << 10.0;
    QTest::newRow("and stay there") << 25 << 10.0;
    QTest::newRow("out from 1 stays") << -1 << 1.0;
}

void TestVectorImage::zoomSteps()
{
    QFETCH(int, steps);
    QFETCH(double, zoom);
    M model;
    for (int i = 0; i < std::abs(steps); ++i)
        steps > 0 ? model.zoomIn() : model.zoomOut();
    QCOMPARE(model.zoom(), zoom);
}

void TestVectorImage::dropPointRoundsHalfToEven_data()
{
    QTest::addColumn<QPointF>("canvas");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPoint>("picture");
    QTest::newRow("101, 40 at 2") << QPointF(101, 40) << 2.0 << QPoint(50, 20);
    QTest::newRow("3, 3 at 2") << QPointF(3, 3) << 2.0 << QPoint(2, 2);
    QTest::newRow("7, 3 at 1.5") << QPointF(7, 3) << 1.5 << QPoint(5, 2);
}

void TestVectorImage::dropPointRoundsHalfToEven()
{
    QFETCH(QPointF, canvas);
    QFETCH(double, zoom);
    QFETCH(QPoint, picture);
    QCOMPARE(M::picturePoint(canvas, zoom), picture);
}

void TestVectorImage::history_data()
{
    // "f" a fill of the sky in the next colour, "u"/"r" undo/redo, "reset".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("shownFill"); // fills the sky shows; 0: uncoloured

    const QStringList three { "f", "f", "f" };
    QTest::newRow("new fill after undos leaves nothing to redo")
        << three + QStringList { "u", "u", "f", "r" } << 2 << 2 << 4;
    QTest::newRow("undo at the opening picture") << QStringList { "u" } << 0 << 0 << 0;
    QTest::newRow("reset keeps the slot") << three + QStringList { "reset" } << 3 << 3 << 0;
    QTest::newRow("redo after reset") << three + QStringList { "reset", "r" } << 3 << 3 << 3;
    QTest::newRow("undo after reset") << three + QStringList { "reset", "u" } << 2 << 3 << 2;
    QTest::newRow("fill after reset") << three + QStringList { "reset", "f", "u" } << 3 << 4 << 3;
    QStringList many(51, QStringLiteral("f"));
    QTest::newRow("51st fill lands in slot 1") << many << 1 << 1 << 51;
    QTest::newRow("then undo shows the opening") << many + QStringList { "u" } << 0 << 1 << 0;
}

void TestVectorImage::history()
{
    QFETCH(QStringList, steps);
    QFETCH(int, current);
    QFETCH(int, last);
    QFETCH(int, shownFill);

    M model;
    int fills = 0;
    for (const QString &step : steps) {
        if (step == QLatin1String("f"))
            model.fillAt(kSky, MakeColorValue(++fills, 0, 0));
        else if (step == QLatin1String("u"))
            model.Undo();
        else if (step == QLatin1String("r"))
            model.Redo();
        else
            model.Reset();
    }
    QCOMPARE(model.currentSlot(), current);
    QCOMPARE(model.lastSlot(), last);
    QCOMPARE(model.picture().pixel(kSky), shownFill ? qRgb(shownFill, 0, 0) : qRgb(255, 255, 255));
}

void TestVectorImage::historyMatchesWholePictures()
{
    // Random fills (also of the colour already there), undos, redos and
    // resets, past the wrap several times: the model's span fills and stored
    // runs show what textbook fills and a history of whole pictures would.
    M model;
    PlainHistory plain;
    plain.pictures[0] = plain.shown = model.picture();
    QRandomGenerator random(5);
    const ColorValue colors[] = { kBlack, kWhite, 0x00FFFF, 0x0080FF };
    for (int step = 0; step < 400; ++step) {
        const int what = random.bounded(10);
        if (what < 6) {
            const QPoint point(random.bounded(-2, 190), random.bounded(280));
            const ColorValue color = colors[random.bounded(4)];
            model.fillAt(point, color);
            if (plain.shown.rect().contains(point))
                stackFill(plain.shown, point,
                    qRgb(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff));
            plain.p = plain.p + 1 > 50 ? 1 : plain.p + 1;
            plain.q = plain.p;
            plain.pictures[plain.p] = plain.shown;
        } else if (what < 8) {
            (what == 6) ? model.Undo() : model.Redo();
            plain.p = what == 6 ? qMax(plain.p - 1, 0) : qMin(plain.p + 1, plain.q);
            plain.shown = plain.pictures[plain.p];
        } else if (what == 8) {
            model.Reset();
            plain.shown = plain.pictures[0];
        }
        QCOMPARE(model.currentSlot(), plain.p);
        QCOMPARE(model.lastSlot(), plain.q);
        QVERIFY2(model.picture() == plain.shown, qPrintable(QStringLiteral("step %1").arg(step)));
    }
}

void TestVectorImage::picturesLargerThanLimitAreRefused_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("opens");
    QTest::newRow("limit") << QSize(4096, 4096) << true;
    QTest::newRow("one too wide") << QSize(4097, 2) << false;
    QTest::newRow("one too tall") << QSize(3, 4097) << false;
}

void TestVectorImage::picturesLargerThanLimitAreRefused()
{
    QFETCH(QSize, size);
    QFETCH(bool, opens);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QVERIFY(image.save(&buffer, "PNG"));
    buffer.seek(0);
    const PictureFile::Result result = PictureFile::read(&buffer);
    QCOMPARE(!result.image.isNull(), opens);
    QCOMPARE(result.error.contains(QStringLiteral("4096 \u00d7 4096")), !opens);
    if (opens)
        QCOMPARE(result.image.pixel(7, 7), qRgb(255, 255, 255)); // transparent is paper
}

void TestVectorImage::windowZoomsDropsAndKeepsPlacement()
{
    SaveSetting(QStringLiteral("Misc"), QStringLiteral("ImageZoom"), QStringLiteral("2"));
    auto window = std::make_unique<frm_VectorImg>(nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->Form_Load();
    QCOMPARE(window->model().zoom(), 2.0);
    QCOMPARE(window->canvas()->size(), QSize(374, 554));

    dropOn(window->canvas(), swatch(0x0000FF), QPointF(2 * kSky.x() + 1, 2 * kSky.y()));
    QCOMPARE(window->model().picture().pixel(kSky), qRgb(255, 0, 0));
    QCOMPARE(window->model().currentSlot(), 1);

    window->toolBar()->findChild<QAction *>(QStringLiteral("ZoomOut"))->trigger();
    QCOMPARE(window->canvas()->size(), QSize(280, 416)); // 280.5 and 415.5 round to even
    // The window fits around the canvas: the toolbar above it, nothing else.
    QCOMPARE(window->size(), QSize(280, 416 + window->toolBar()->height()));
    window->close();
    QCOMPARE(GetSetting(QStringLiteral("Misc"), QStringLiteral("ImageZoom")), QStringLiteral("1.5"));

    // A minimised window stores nothing.
    auto minimised = std::make_unique<frm_VectorImg>(nullptr);
    minimised->setAttribute(Qt::WA_DeleteOnClose, false);
    minimised->Form_Load();
    minimised->ZoomIn();
    minimised->showMinimized();
    minimised->close();
    QCOMPARE(GetSetting(QStringLiteral("Misc"), QStringLiteral("ImageZoom")), QStringLiteral("1.5"));
}

QTEST_MAIN(TestVectorImage)
#include "test_vectorimage.moc"
