#include "mainwindow/ColorInfoPanel.h"
#include "tools/ColorDesignerPage.h"
#include "tools/HueChart.h"
#include "tools/HueChartPage.h"
#include "tools/PickSurface.h"
#include "tools/RGBSelectorPage.h"
#include "widgets/ColorDrag.h"
#include "widgets/ColorFormats.h"
#include "widgets/ColorSwatch.h"

#include "test_toolpages_fixture.h"

#include <QApplication>
#include <QDrag>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

namespace {

enum class Surface { Plane, Spectrum, RGBPageBackground, Swatch };
enum class Gesture { Click, DoubleClick, RightPress, Drag };
// Where a gesture's colour comes from.
enum class Source { Nothing, Hover, SpectrumPixel, Swatch };

constexpr ColorValue Hover = 0x3366CC;
constexpr QPoint DragStep(20, 0);

} // namespace

Q_DECLARE_METATYPE(Surface)
Q_DECLARE_METATYPE(Gesture)
Q_DECLARE_METATYPE(Source)

class TestToolPagesSelectors : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture.start();
        m_fixture.main()->colorInfoPanel()->UpdateColorInfo(Hover);
        QCoreApplication::processEvents();
    }

    void cleanup() { m_fixture.stop(); }

    void surfaceGestures_data()
    {
        QTest::addColumn<Surface>("which");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<Source>("source");
        const auto row
            = [](const char *name, Surface which, QPoint point, Gesture gesture, Source source) {
                  QTest::newRow(name) << which << point << gesture << source;
              };
        const QPoint plane(40, 20), spectrum(300, 30), swatch(10, 10);
        const QPoint bare(284, 30); // between the strip and the axis options
        row("plane: click", Surface::Plane, plane, Gesture::Click, Source::Nothing);
        row("plane: double-click", Surface::Plane, plane, Gesture::DoubleClick, Source::Hover);
        row("plane: right", Surface::Plane, plane, Gesture::RightPress, Source::Hover);
        row("plane: drag", Surface::Plane, plane, Gesture::Drag, Source::Hover);
        row("spectrum: click", Surface::Spectrum, spectrum, Gesture::Click, Source::Nothing);
        row("spectrum: double-click", Surface::Spectrum, spectrum, Gesture::DoubleClick,
            Source::Hover);
        row("spectrum: right", Surface::Spectrum, spectrum, Gesture::RightPress,
            Source::SpectrumPixel);
        row("spectrum: drag", Surface::Spectrum, spectrum, Gesture::Drag, Source::SpectrumPixel);
        row("spectrum: right beside the picture", Surface::Spectrum, QPoint(600, 30),
            Gesture::RightPress, Source::Nothing);
        row("background: click", Surface::RGBPageBackground, bare, Gesture::Click, Source::Nothing);
        row("background: double-click", Surface::RGBPageBackground, bare, Gesture::DoubleClick,
            Source::Hover);
        row("background: right", Surface::RGBPageBackground, bare, Gesture::RightPress,
            Source::SpectrumPixel);
        row("swatch: click", Surface::Swatch, swatch, Gesture::Click, Source::Nothing);
        row("swatch: double-click", Surface::Swatch, swatch, Gesture::DoubleClick, Source::Swatch);
        row("swatch: right", Surface::Swatch, swatch, Gesture::RightPress, Source::Swatch);
        row("swatch: drag", Surface::Swatch, swatch, Gesture::Drag, Source::Swatch);
    }

    void surfaceGestures()
    {
        QFETCH(Surface, which);
        QFETCH(QPoint, point);
        QFETCH(Gesture, gesture);
        QFETCH(Source, source);
        m_fixture.main()->toolsTabs()->setCurrentIndex(std::array { 0, 1, 0, 4 }[int(which)]);
        m_fixture.setWorkingColor(0x0000FF);
        const ColorValue swatch = designer()->swatch()->color();
        QWidget *widget = std::array<QWidget *, 4> { rgb()->plane(), pages()->spectrumPage(), rgb(),
            designer()->swatch() }[int(which)];
        const SurfacePointer spectrumPointer = pages()->spectrumPage()->pointer();

        ColorValue result = -1;
        switch (gesture) {
        case Gesture::Click:
            QTest::mouseClick(widget, Qt::LeftButton, {}, point);
            result = ProcessState::ActiveColor == 0x0000FF ? -1 : ProcessState::ActiveColor;
            break;
        case Gesture::DoubleClick:
            // What a double-click delivers: a click, then the second press.
            QTest::mouseClick(widget, Qt::LeftButton, {}, point);
            QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
            result = ProcessState::ActiveColor;
            QCOMPARE(m_fixture.main()->statusText(2), ColorFormats::readouts(result).web);
            break;
        case Gesture::RightPress:
            QTest::mousePress(widget, Qt::RightButton, {}, point);
            QTest::mouseRelease(widget, Qt::RightButton, {}, point);
            result = m_fixture.lastMenu.count ? m_fixture.lastMenu.contextColor : -1;
            QCOMPARE(ProcessState::ActiveColor, 0x0000FF);
            break;
        case Gesture::Drag:
            result = drag(widget, point);
            break;
        }

        const QPoint at = gesture == Gesture::Drag ? point + DragStep : point;
        const ColorValue expected
            = std::array<ColorValue, 4> { -1, Hover, HueChart::pixel(at), swatch }[int(source)];
        QCOMPARE(result, expected);
        // A click (a double-click starts with one) on the spectrum or a bare
        // background points at the spectrum pixel there; nothing else moves it.
        SurfacePointer pointed = spectrumPointer;
        if ((gesture == Gesture::Click || gesture == Gesture::DoubleClick)
            && (which == Surface::Spectrum || which == Surface::RGBPageBackground))
            pointed = { true, point, GetContrastColor(HueChart::pixel(point)) };
        QCOMPARE(pages()->spectrumPage()->pointer(), pointed);
    }

    void planeClickSetsTheFreeSliders()
    {
        QTest::mouseClick(rgb()->plane(), Qt::LeftButton, {}, QPoint(40, 20));
        // Red is the fixed axis: green and blue take the sampled colour's.
        QCOMPARE(rgb()->slider(1)->value(), 0);
        QCOMPARE(rgb()->slider(2)->value(), 0x66);
        QCOMPARE(rgb()->slider(3)->value(), 0x33);
        const SurfacePointer pointer = rgb()->plane()->pointer();
        QVERIFY(pointer.visible);
        QCOMPARE(pointer.centre, QPoint(40, 20));
    }

    void quickRequestsEndInOneDrawing()
    {
        // The sliders took black once, at the first drawing; later colours leave them.
        m_fixture.setWorkingColor(0x123456);
        QCOMPARE(rgb()->slider(2)->value(), 0);
        const int drawn = rgb()->model().drawCount();
        rgb()->slider(1)->setValue(10);
        rgb()->slider(1)->setValue(128);
        QVERIFY(rgb()->isDrawPending());
        QCOMPARE(rgb()->model().drawCount(), drawn);
        QCoreApplication::processEvents();
        QCOMPARE(rgb()->model().drawCount(), drawn + 1);
        QCOMPARE(rgb()->model().PlaneValue(), 128);
        QCOMPARE(rgb()->model().planeImage(),
            RGBSelectorModel::renderPlane(1, 128, rgb()->plane()->size(), 1.0));
        QCOMPARE(rgb()->valueBox(1)->text(), QStringLiteral("128"));
    }

    void axisOptionRedrawsAndFreeSliderMovesPointer()
    {
        rgb()->slider(3)->setValue(200);
        QTest::mouseClick(rgb()->axisOption(3), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(rgb()->model().RGBAxis(), 3);
        QCOMPARE(rgb()->model().planePixel(QPoint(0, 0)), MakeColorValue(0, 0, 200));

        // A user move of a free slider moves the pointer along.
        rgb()->slider(1)->setFocus();
        QTest::keyClick(rgb()->slider(1), Qt::Key_End);
        QCOMPARE(rgb()->valueBox(1)->text(), QStringLiteral("255"));
        QCOMPARE(rgb()->plane()->pointer().centre, QPoint(rgb()->plane()->width() - 1, 0));
    }

    void designerFollowsTheWorkingColour()
    {
        m_fixture.setWorkingColor(0x0080FF);
        QCOMPARE(designer()->swatch()->color(), 0x0080FF);
        QCOMPARE(designer()->valueBox(2)->text(), QStringLiteral("128"));
        designer()->modelOption(ColorDesignerPage::Model::CMY)->click();
        QCOMPARE(designer()->valueBox(2)->text(), QStringLiteral("50"));
        designer()->slider(3)->setValue(0);
        QCOMPARE(designer()->swatch()->color(), MakeColorValue(255, 128, 255));

        // 210, 67, 60 would make 50, 102, 153: the swatch keeps the exact colour.
        designer()->modelOption(ColorDesignerPage::Model::RGB)->click();
        m_fixture.setWorkingColor(0x996633);
        designer()->modelOption(ColorDesignerPage::Model::HSV)->click();
        QCOMPARE(designer()->valueBox(2)->text(), QStringLiteral("67"));
        QCOMPARE(designer()->swatch()->color(), 0x996633);
    }

    void typingMovesTheSliderOnlyWithFocus_data()
    {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("slider");
        QTest::newRow("a number") << true << "77" << 77;
        QTest::newRow("without focus") << false << "77" << 9;
    }

    void typingMovesTheSliderOnlyWithFocus()
    {
        QFETCH(bool, focused);
        QFETCH(QString, typed);
        QFETCH(int, slider);
        m_fixture.main()->toolsTabs()->setCurrentIndex(4);
        QVERIFY(activateMainWindow());
        m_fixture.setWorkingColor(0x000009);
        QLineEdit *box = designer()->valueBox(1);
        if (focused) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, typed);
        } else {
            box->setText(typed);
        }
        QCOMPARE(designer()->slider(1)->value(), slider);
        QCOMPARE(designer()->swatch()->color() & 0xFF, slider);
        designer()->valueBox(2)->setFocus(); // leaving shows the slider's value
        QCOMPARE(box->text(), focused ? QString::number(slider) : typed);
    }

    void optionsTabHandsFocusToSelectors()
    {
        QVERIFY(activateMainWindow());
        m_fixture.main()->optionsTabs()->setCurrentIndex(2);
        QTabWidget *tools = m_fixture.main()->toolsTabs();
        QVERIFY(tools->hasFocus() || tools->isAncestorOf(QApplication::focusWidget()));
    }

    void everyControlIsNamed()
    {
        for (QWidget *page :
            { static_cast<QWidget *>(rgb()), static_cast<QWidget *>(designer()) }) {
            for (QWidget *control : page->findChildren<QWidget *>()) {
                if (control->focusPolicy() != Qt::NoFocus || qobject_cast<PickSurface *>(control)
                    || qobject_cast<ColorSwatch *>(control))
                    QVERIFY2(
                        !control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            }
        }
    }

private:
    ToolPages *pages() const { return m_fixture.pages; }
    RGBSelectorPage *rgb() const { return pages()->rgbSelectorPage(); }
    ColorDesignerPage *designer() const { return pages()->colorDesignerPage(); }

    // The colour a left drag from `from` carries, or -1 when no drag starts. The
    // finished drag object lives until the event loop deletes it.
    ColorValue drag(QWidget *widget, QPoint from)
    {
        QTimer::singleShot(0, m_fixture.main(), [] { QDrag::cancel(); }); // should exec block
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        QTest::mouseMove(widget, from + DragStep);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, from + DragStep);
        const auto *finished = m_fixture.main()->findChild<QDrag *>();
        return finished ? ColorDrag::colorFromMime(finished->mimeData()).value_or(-2) : -1;
    }

    // The keyboard goes to the main window once the tip shown at start has gone.
    bool activateMainWindow()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != m_fixture.main() && window->isVisible())
                window->close();
        }
        m_fixture.main()->activateWindow();
        return QTest::qWaitForWindowActive(m_fixture.main());
    }
    ToolPagesFixture m_fixture;
};

QTEST_MAIN(TestToolPagesSelectors)
#include "test_toolpages_selectors.moc"
