#include "app/Settings.h"
#include "previews/ColorTarget.h"
#include "previews/PictureFile.h"
#include "previews/ScrollBarPainter.h"
#include "previews/VectorCanvas.h"
#include "previews/frm_ScrollBar.h"
#include "previews/frm_VectorImg.h"
#include "previews/frm_WebPreview.h"
#include "support/FakePlatformServices.h"
#include "widgets/ColorDrag.h"

#include <QBuffer>
#include <QFile>
#include <QMimeData>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <array>
#include <memory>

using Bar = ScrollBarModel;
using Page = WebPreviewModel;
using Picture = VectorImageModel;

Q_DECLARE_METATYPE(ScrollBarModel::Colors)

namespace {

// Ends a drag of `source` over `target` at `pos` with a drop, as a drag
// from another colour view does.
inline void dropOn(QWidget *target, const ColorDrag::Source &source, QPointF pos = { 2, 2 })
{
    const std::unique_ptr<QMimeData> mime(ColorDrag::createMimeData(source));
    QDragEnterEvent enter(
        pos.toPoint(), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(pos, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

// A colour box being dragged: it carries its decimal tag.
inline ColorDrag::Source swatch(ColorValue color)
{
    return { ColorDrag::SourceKind::Swatch, color, QString::number(color) };
}

inline ColorDrag::Source textLabel(ColorValue color)
{
    return { ColorDrag::SourceKind::Label, color, QString() };
}

constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kGreen = 0x00FF00;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

constexpr ColorValue kXpFace = 0xD8E9EC; // RGB 236, 233, 216
// Seven colours no two alike, none the board's grey.
constexpr Bar::Colors kVivid
    = { 0x0000C0, 0x60C0F0, 0xFFF0F0, 0x00A000, 0x804000, 0x400040, 0x00FFFF };

QRgb rgbOf(ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    return qRgb(rgb.R, rgb.G, rgb.B);
}

// A pixel of the white sky the fills in these tests colour.
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
        stack.insert(stack.end(),
            { p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1) });
    }
}

} // namespace

// The three preview windows on their own, and their models.
class TestPreviewWindows : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fake = FakePlatformServices();
        m_scope = std::make_unique<FakePlatformServices::Scope>(m_fake);
        QFile::remove(SettingsFilePath());
    }

    void cleanup()
    {
        m_window.reset();
        m_scope.reset();
    }

    void undoAndRedo_data()
    {
        // Steps on box 4: "red"/"green" drop that colour, "label" a text label
        // in green, "u"/"r" undo/redo, "reset" the toolbar's Reset.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<ColorValue>("shown");
        QTest::addColumn<int>("beeps");

        QTest::newRow("two drops, two undos")
            << QStringList { "red", "green", "u", "u" } << kWhite << 0;
        QTest::newRow("... and two redos")
            << QStringList { "red", "green", "u", "u", "r", "r" } << kGreen << 0;
        QTest::newRow("a drop after undo empties redo")
            << QStringList { "red", "u", "green", "r" } << kGreen << 1;
        QTest::newRow("reset cannot be undone")
            << QStringList { "red", "reset", "u" } << kWhite << 1;
        QTest::newRow("the same colour is a step")
            << QStringList { "red", "red", "u" } << kRed << 0;
        QTest::newRow("nothing to undo") << QStringList { "u", "r" } << kWhite << 2;
        QTest::newRow("a label carries its text colour") << QStringList { "label" } << kGreen << 0;
    }

    void undoAndRedo()
    {
        QFETCH(QStringList, steps);
        QFETCH(ColorValue, shown);
        QFETCH(int, beeps);

        frm_WebPreview *window = open();
        ColorTarget *box = window->target(Page::box(4));
        for (const QString &step : steps) {
            if (step == QLatin1String("u"))
                window->Undo();
            else if (step == QLatin1String("r"))
                window->Redo();
            else if (step == QLatin1String("reset"))
                window->toolBar()->findChild<QAction *>(QStringLiteral("Reset"))->trigger();
            else if (step == QLatin1String("label"))
                dropOn(box, textLabel(kGreen));
            else
                dropOn(box, swatch(step == QLatin1String("red") ? kRed : kGreen));
        }
        QCOMPARE(window->boxColor(4), shown);
        QCOMPARE(box->color(), shown);
        QCOMPARE(m_fake.beeps, beeps);
    }

    void coloursComeBackFromSettings_data()
    {
        QTest::addColumn<QString>("stored"); // label 2's text colour as left by another run
        QTest::addColumn<ColorValue>("expected");

        QTest::newRow("as written") << "255" << kRed;
        QTest::newRow("not a number") << "abc" << kBlack;
        QTest::newRow("not a colour") << "-5" << kBlack;
        QTest::newRow("too large") << "99999999" << kBlack;
    }

    void coloursComeBackFromSettings()
    {
        QFETCH(QString, stored);
        QFETCH(ColorValue, expected);

        frm_WebPreview *first = open();
        dropOn(first->target(Page::box(6)), swatch(kGreen));
        dropOn(first->target(Page::kPage), swatch(kRed));
        first->close();
        SaveSetting(QStringLiteral("webpreview"), QStringLiteral("L2"), stored);

        frm_WebPreview *second = open();
        QCOMPARE(second->boxColor(6), kGreen);
        QCOMPARE(second->pageColor(), kRed);
        QCOMPARE(second->labelColor(2), expected);
        QCOMPARE(second->boxColor(5), kWhite);
        second->Undo();
        QCOMPARE(m_fake.beeps, 1); // the stacks start empty
    }

    void savedPageMatchesGolden()
    {
        const QString path = m_dir.filePath(QStringLiteral("page.html"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("older and longer than the page") > 0);
        old.close();

        frm_WebPreview *window = open();
        m_fake.fileDialogAnswers.enqueue(path);
        window->toolBar()->findChild<QAction *>(QStringLiteral("save"))->trigger();
        const QByteArray golden = readAll(
            qEnvironmentVariable("TW_TEST_DATA") + QStringLiteral("/webpreview-first-run.html"));
        QVERIFY(!golden.isEmpty());
        QCOMPARE(readAll(path), golden);
        QVERIFY(m_fake.messageBoxes.isEmpty());

        // A cancelled dialog writes nothing.
        dropOn(window->target(Page::label(6)), swatch(kRed));
        window->SaveAsHtml();
        QCOMPARE(readAll(path), golden);
    }

    void drawingMatchesGolden_data()
    {
        QTest::addColumn<Bar::Colors>("colors");
        QTest::newRow("scrollbar-reset") << Bar(kXpFace).colors();
        QTest::newRow("scrollbar-vivid") << kVivid;
    }

    void drawingMatchesGolden()
    {
        QFETCH(Bar::Colors, colors);
        const QString path = qEnvironmentVariable("TW_TEST_DATA") + QLatin1Char('/')
            + QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png");
        const QImage drawn = ScrollBarPainter::render(colors);
        if (qEnvironmentVariableIsSet("TW_UPDATE_GOLDEN"))
            QVERIFY(drawn.save(path));
        const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!golden.isNull(), qPrintable(path));
        QCOMPARE(drawn, golden);
    }

    // The stacks themselves are shared with the web page preview, tested there.
    void dropsAndUndo()
    {
        frm_ScrollBar &window = *open<frm_ScrollBar>();
        const ColorValue face = window.GetColor(Bar::Face);
        ColorTarget *box = window.colorBox(Bar::Face);
        const auto shows = [&](ColorValue color) {
            QCOMPARE(window.GetColor(Bar::Face), color);
            QCOMPARE(box->color(), color);
            QCOMPARE(window.boardImage().pixel(150, 100), rgbOf(color)); // inside the thumb
        };
        dropOn(box, textLabel(kRed)); // a text label carries black here
        shows(kBlack);
        dropOn(box, swatch(kRed));
        window.Undo();
        window.Undo();
        shows(face);
        window.Redo();
        shows(kBlack);
        window.Reset();
        shows(face);
        QCOMPARE(m_fake.beeps, 0);
    }

    void workspaceOperations()
    {
        frm_ScrollBar window(nullptr);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(window.GetColor(7), kEmptyCell);
        QCOMPARE(window.GetColor(-1), kEmptyCell);
        QVERIFY(!window.SetColour(7, kRed));
        QVERIFY(window.SetColour(Bar::Track, kGreen));
        QCOMPARE(window.colorBox(Bar::Track)->color(), MakeColorValue(240, 240, 240));
        window.pctBoard_Paint();
        QCOMPARE(window.colorBox(Bar::Track)->color(), kGreen);
        QCOMPARE(window.boardImage().pixel(146, 40), rgbOf(kGreen)); // a track pixel
        window.Undo(); // setting a colour is no step
        QCOMPARE(m_fake.beeps, 1);

        window.GenCode();
        const QString code = m_fake.clipboardHistory.value(0);
        QVERIFY(code.contains(QStringLiteral("\r\nSCROLLBAR-TRACK-COLOR: #00FF00;\r\n")));
        QVERIFY(!QString(code).remove(QStringLiteral("\r\n")).contains(u'\n')); // CR LF only
    }

    // Zoom steps of 0.5 between 1 and 10 (one step and a drop at 2 are tested on
    // the window); a drop point rounds half to even.
    void zoomAndDropPoint()
    {
        Picture model;
        model.zoomOut();
        QCOMPARE(model.zoom(), 1.0);
        for (int i = 0; i < 18; ++i)
            model.zoomIn();
        QCOMPARE(model.zoom(), 10.0);
        model.zoomIn();
        QCOMPARE(model.zoom(), 10.0);
        QCOMPARE(Picture::picturePoint(QPointF(3, 3), 2.0), QPoint(2, 2));
        QCOMPARE(Picture::picturePoint(QPointF(7, 3), 1.5), QPoint(5, 2));
    }

    void historyMatchesWholePictures()
    {
        // Random fills (also of the colour already there), undos, redos and
        // resets, past the wrap several times: the model's span fills and stored
        // runs show what textbook fills and a history of whole pictures would.
        Picture model;
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
            QVERIFY2(
                model.picture() == plain.shown, qPrintable(QStringLiteral("step %1").arg(step)));
        }
    }

    void picturesLargerThanLimitAreRefused()
    {
        for (const QSize size : { QSize(4096, 4096), QSize(4097, 2), QSize(3, 4097) }) {
            const bool opens = size.width() == 4096;
            QImage image(size, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QBuffer buffer;
            QVERIFY(
                buffer.open(QIODevice::ReadWrite) && image.save(&buffer, "PNG") && buffer.seek(0));
            const PictureFile::Result result = PictureFile::read(&buffer);
            QCOMPARE(!result.image.isNull(), opens);
            QCOMPARE(result.error.contains(QStringLiteral("4096 \u00d7 4096")), !opens);
            if (opens)
                QCOMPARE(result.image.pixel(7, 7), qRgb(255, 255, 255)); // transparent is paper
        }
    }

    void windowZoomsDropsAndKeepsPlacement()
    {
        SaveSetting(QStringLiteral("Misc"), QStringLiteral("ImageZoom"), QStringLiteral("2"));
        frm_VectorImg *window = open<frm_VectorImg>();
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
        QCOMPARE(
            GetSetting(QStringLiteral("Misc"), QStringLiteral("ImageZoom")), QStringLiteral("1.5"));

        // A minimised window stores nothing.
        frm_VectorImg *minimised = open<frm_VectorImg>();
        minimised->ZoomIn();
        minimised->showMinimized();
        minimised->close();
        QCOMPARE(
            GetSetting(QStringLiteral("Misc"), QStringLiteral("ImageZoom")), QStringLiteral("1.5"));
    }

private:
    // A loaded window of kind W, kept until the next open or the test's end.
    template<typename W = frm_WebPreview> W *open()
    {
        auto *window = new W(nullptr);
        m_window.reset(window);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->Form_Load();
        return window;
    }

    FakePlatformServices m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
    std::unique_ptr<QWidget> m_window;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestPreviewWindows)
#include "test_previewwindows.moc"
