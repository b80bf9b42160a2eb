#include "core/ProcessState.h"
#include "picker/PickerHost.h"
#include "picker/PickerZoomPanel.h"
#include "picker/frm_ColorPicker.h"
#include "support/FakePlatformServices.h"
#include "widgets/QtColors.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryFile>
#include <QTest>

namespace {

struct FakeHost : PickerHost {
    Qt::WindowStates state = Qt::WindowMaximized;
    bool alwaysOnTop = false, enabled = true, sampling = true, minimised = false;

    Qt::WindowStates hostWindowState() const override { return state; }
    void setHostWindowState(Qt::WindowStates s) override
    {
        state = s;
        minimised |= s.testFlag(Qt::WindowMinimized);
    }
    bool isAlwaysOnTop() const override { return alwaysOnTop; }
    void setHostEnabled(bool e) override { enabled = e; }
    void setColorInfoSampling(bool e) override { sampling = e; }
    void showColorContextMenu(const ColorContextMenu::Request &, const QPoint &) override { }
};

void send(QWidget *cover, QEvent::Type type, QPointF pos, Qt::MouseButton button = Qt::NoButton)
{
    QMouseEvent event(type, pos, cover->mapToGlobal(pos), button, button, Qt::NoModifier);
    QApplication::sendEvent(cover, &event);
}

} // namespace

// The picker's model, and the picker on two screens, the second at two
// device pixels per logical pixel, over a scripted capture in which red = x
// and green = y of each device pixel (modulo 256) and blue = the ratio.
class TestColorPicker : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fake.screens = {};
        for (const QRect &geometry : { QRect(0, 0, 640, 480), QRect(640, 0, 400, 300) }) {
            const int ratio = int(m_fake.screens.screens.size()) + 1;
            QImage image(geometry.size() * ratio, QImage::Format_RGB32);
            for (int i = 0; i < image.width() * image.height(); ++i)
                image.setPixel(i % image.width(), i / image.width(),
                    qRgb(i % image.width() % 256, i / image.width() % 256, ratio));
            image.setDevicePixelRatio(ratio);
            m_fake.screens.screens.append({ geometry, image });
        }
        m_host = FakeHost();
        ProcessState::ActiveColor = kWhite;
    }
    void cleanup() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // A left click takes exactly the device pixel under the pointer and
    // gives the host back its state: maximised stays maximised; a host that
    // stays on top is never minimised.
    void leftClickPicksThePixelAndRestoresTheHost_data()
    {
        QTest::addColumn<bool>("alwaysOnTop");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QPointF>("pos"); // logical, on that screen
        QTest::addColumn<ColorValue>("expected");
        QTest::newRow("2x") << false << 1 << QPointF(130.5, 20) << MakeColorValue(5, 40, 2);
        QTest::newRow("always on top") << true << 0 << QPointF(1, 2) << MakeColorValue(1, 2, 1);
    }
    void leftClickPicksThePixelAndRestoresTheHost()
    {
        QFETCH(bool, alwaysOnTop);
        QFETCH(int, screen);
        QFETCH(QPointF, pos);
        QFETCH(ColorValue, expected);
        m_host.alwaysOnTop = alwaysOnTop;
        frm_ColorPicker *picker = frm_ColorPicker::Start(m_host);
        QVERIFY(picker && !frm_ColorPicker::Start(m_host));
        QCOMPARE(m_host.minimised, !alwaysOnTop);
        QVERIFY(!m_host.enabled && !m_host.sampling);

        PickerScreenCover *cover = picker->covers().at(screen);
        send(cover, QEvent::MouseMove, pos);
        QCOMPARE(picker->zoomPanel()->parentWidget(), cover);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(picker->zoomPanel())->text(QAccessible::Value),
            QString::fromStdString(ColorToHex(expected)));
        send(cover, QEvent::MouseButtonPress, pos, Qt::LeftButton);
        QCOMPARE(ProcessState::ActiveColor, expected);
        QVERIFY(!picker->isVisible() && m_host.enabled && m_host.sampling);
        QCOMPARE(m_host.state, Qt::WindowStates(Qt::WindowMaximized));
    }

    // The box text is white over middle greys, the inverse colour otherwise.
    void boxTextAndItsColour()
    {
        for (const auto &[color, text, ink] : { std::tuple(0x808080, "128-128-128", kWhite),
                 { 0x0080FF, "255-128-0", 0xFF7F00 }, { kWhite, "255-255-255", kBlack } }) {
            QImage image(1, 1, QImage::Format_RGB32);
            image.fill(toQColor(color));
            ColorPickerModel model({ { QRect(0, 0, 1, 1), image } });
            model.moveTo(0, QPoint(0, 0));
            QCOMPARE(model.boxText(), QString(text));
            QCOMPARE(model.boxTextColor(), ink);
        }
    }

    // Near the top left corner the cells beyond the picture are black and
    // the centre is the pointer's pixel; the panel starts top right and
    // leaves when the pointer comes onto it; Alt and Tab are ignored, Escape
    // closes without a change.
    void edgeCellsPanelAndKeys()
    {
        frm_ColorPicker *picker = frm_ColorPicker::Start(m_host);
        send(picker, QEvent::MouseMove, QPointF(2, 3));
        for (int cell = 0; cell < 13 * 13; ++cell) {
            const int x = 2 - 6 + cell % 13, y = 3 - 6 + cell / 13;
            QCOMPARE(picker->model().cellColor(cell / 13, cell % 13),
                x < 0 || y < 0 ? kBlack : MakeColorValue(x, y, 1));
        }
        QCOMPARE(picker->model().color(), MakeColorValue(2, 3, 1));
        PickerZoomPanel *panel = picker->zoomPanel();
        QCOMPARE(panel->geometry().topRight(), QPoint(639, 0));
        send(picker, QEvent::MouseMove, panel->geometry().center());
        QCOMPARE(panel->pos(), QPoint(0, 0));
        send(picker, QEvent::MouseMove, panel->geometry().center());
        QCOMPARE(panel->geometry().bottomRight(), QPoint(639, 479));
        QTest::keyClick(picker, Qt::Key_Alt);
        QTest::keyClick(picker, Qt::Key_Tab);
        QVERIFY(picker->isVisible());
        QTest::keyClick(picker, Qt::Key_Escape);
        QVERIFY(!picker->isVisible() && m_host.enabled);
        QCOMPARE(ProcessState::ActiveColor, kWhite);
    }

    void unreadableScreenIsReportedNotShown()
    {
        m_fake.screens = { {}, "No portal." };
        QVERIFY(!frm_ColorPicker::Start(m_host));
        QVERIFY(m_fake.messageBoxes.constLast().text.endsWith("No portal."));
        QVERIFY(m_host.enabled && m_host.sampling && m_host.state == Qt::WindowMaximized);
    }

private:
    FakePlatformServices m_fake;
    FakePlatformServices::Scope m_scope { m_fake };
    FakeHost m_host;
};

int main(int argc, char **argv)
{
    QTemporaryFile config; // the offscreen platform with the capture's two screens
    config.open();
    config.write(R"({"screens": [{"name": "a", "x": 0, "y": 0, "width": 640, "height": 480},
        {"name": "b", "x": 640, "y": 0, "width": 400, "height": 300, "dpr": 2}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestColorPicker test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_colorpicker.moc"
