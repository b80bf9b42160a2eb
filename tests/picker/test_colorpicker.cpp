#include "core/ProcessState.h"
#include "picker/PickerHost.h"
#include "picker/PickerZoomPanel.h"
#include "picker/frm_ColorPicker.h"
#include "support/FakePlatformServices.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryFile>
#include <QTest>

namespace {

// Two screens side by side: 640 × 480 at one device pixel per logical pixel,
// then 400 × 300 at two.
const QRect kLeftScreen(0, 0, 640, 480);
const QRect kRightScreen(640, 0, 400, 300);

// Every pixel tells where it is: red = x, green = y (both modulo 256),
// blue = screen.
QImage pattern(const QRect &geometry, int ratio, int blue)
{
    QImage image(geometry.size() * ratio, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, blue));
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

struct FakeHost : PickerHost {
    Qt::WindowStates state = Qt::WindowMaximized;
    bool alwaysOnTop = false;
    bool enabled = true;
    bool sampling = true;
    bool minimisedOnce = false;
    QList<ColorContextMenu::Request> menus;

    Qt::WindowStates hostWindowState() const override { return state; }
    void setHostWindowState(Qt::WindowStates s) override
    {
        minimisedOnce |= bool(s & Qt::WindowMinimized);
        state = s;
    }
    bool isAlwaysOnTop() const override { return alwaysOnTop; }
    void setHostEnabled(bool e) override { enabled = e; }
    void setColorInfoSampling(bool e) override { sampling = e; }
    void showColorContextMenu(const ColorContextMenu::Request &request, const QPoint &) override
    {
        menus.append(request);
    }
};

void send(
    QWidget *cover, QEvent::Type type, const QPointF &pos, Qt::MouseButton button = Qt::NoButton)
{
    QMouseEvent event(type, pos, cover->mapToGlobal(pos), button, button, Qt::NoModifier);
    QApplication::sendEvent(cover, &event);
}

} // namespace

class TestColorPicker : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fake = std::make_unique<FakePlatformServices>();
        m_scope = std::make_unique<FakePlatformServices::Scope>(*m_fake);
        m_fake->screens.screens = { { kLeftScreen, pattern(kLeftScreen, 1, 1) },
            { kRightScreen, pattern(kRightScreen, 2, 2) } };
        m_fake->cursor = QPoint(100, 100);
        m_host = FakeHost();
        ProcessState::ActiveColor = kWhite;
    }
    void cleanup()
    {
        QTest::qWait(0);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty()
            || std::none_of(QApplication::topLevelWidgets().cbegin(),
                QApplication::topLevelWidgets().cend(), [](QWidget *w) { return w->isVisible(); }));
        m_scope.reset();
    }

    // A left click takes exactly the device pixel under the pointer, and the
    // host gets its state back: maximised stays maximised; a host that stays
    // on top is never minimised.
    void leftClickPicksThePixelAndRestoresTheHost_data()
    {
        QTest::addColumn<bool>("alwaysOnTop");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QPointF>("pos"); // logical, on that screen
        QTest::addColumn<ColorValue>("expected");
        QTest::newRow("left screen")
            << false << 0 << QPointF(300, 200) << MakeColorValue(44, 200, 1);
        QTest::newRow("right screen, 2x")
            << false << 1 << QPointF(130.5, 20) << MakeColorValue(5, 40, 2);
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
        QVERIFY(picker);
        QCOMPARE(m_host.minimisedOnce, !alwaysOnTop);
        QVERIFY(!m_host.enabled);
        QVERIFY(!m_host.sampling);
        QCOMPARE(picker->covers().size(), 2);
        QVERIFY(!frm_ColorPicker::Start(m_host));

        PickerScreenCover *cover = picker->covers().at(screen);
        send(cover, QEvent::MouseMove, pos);
        QCOMPARE(picker->zoomPanel()->parentWidget(), cover);
        QCOMPARE(picker->model().color(), expected);
        send(cover, QEvent::MouseButtonPress, pos, Qt::LeftButton);
        QCOMPARE(ProcessState::ActiveColor, expected);
        QVERIFY(!picker->isVisible());
        QCOMPARE(m_host.state, Qt::WindowStates(Qt::WindowMaximized));
        QVERIFY(m_host.enabled);
        QVERIFY(m_host.sampling);
    }

    void keysCloseExceptAltAndTab_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << true;
        QTest::newRow("Alt") << int(Qt::Key_Alt) << false;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << false;
    }
    void keysCloseExceptAltAndTab()
    {
        QFETCH(int, key);
        QFETCH(bool, closes);
        frm_ColorPicker *picker = frm_ColorPicker::Start(m_host);
        QTest::keyClick(picker, Qt::Key(key));
        QCOMPARE(!picker->isVisible(), closes);
        QCOMPARE(ProcessState::ActiveColor, kWhite);
        picker->close();
        QVERIFY(m_host.enabled);
    }

    void rightClickShowsTheHostMenuForThePixelThenCloses()
    {
        frm_ColorPicker *picker = frm_ColorPicker::Start(m_host);
        send(picker, QEvent::MouseButtonPress, QPointF(10, 20), Qt::RightButton);
        QCOMPARE(m_host.menus.size(), 1);
        QCOMPARE(m_host.menus[0].color, MakeColorValue(10, 20, 1));
        QVERIFY(m_host.menus[0].hideCellItems);
        QCOMPARE(ProcessState::ActiveColor, kWhite);
        QVERIFY(!picker->isVisible());
    }

    // The panel starts top right and leaves when the pointer comes onto it.
    void panelJumpsAwayFromThePointer()
    {
        frm_ColorPicker *picker = frm_ColorPicker::Start(m_host);
        PickerZoomPanel *panel = picker->zoomPanel();
        QCOMPARE(panel->geometry().topRight(), QPoint(kLeftScreen.width() - 1, 0));
        send(picker, QEvent::MouseMove, panel->geometry().center());
        QCOMPARE(panel->pos(), QPoint(0, 0));
        send(picker, QEvent::MouseMove, panel->geometry().center());
        QCOMPARE(panel->geometry().bottomRight(), kLeftScreen.bottomRight());
        picker->close();
    }

    void unreadableScreenIsReportedNotShown()
    {
        m_fake->screens = { {}, QStringLiteral("No portal.") };
        QVERIFY(!frm_ColorPicker::Start(m_host));
        QCOMPARE(m_fake->messageBoxes.size(), 1);
        QVERIFY(m_fake->messageBoxes[0].text.endsWith(QStringLiteral("No portal.")));
        QCOMPARE(m_host.state, Qt::WindowStates(Qt::WindowMaximized));
        QVERIFY(m_host.enabled && m_host.sampling);
    }

private:
    std::unique_ptr<FakePlatformServices> m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
    FakeHost m_host;
};

int main(int argc, char **argv)
{
    // The offscreen platform with the two screens of the scripted capture.
    QTemporaryFile config;
    config.open();
    config.write(R"({"screens": [
        {"name": "left", "x": 0, "y": 0, "width": 640, "height": 480, "dpr": 1},
        {"name": "right", "x": 640, "y": 0, "width": 400, "height": 300, "dpr": 2}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestColorPicker test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_colorpicker.moc"
