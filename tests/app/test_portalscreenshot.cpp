#include "app/PortalScreenshot.h"
#include "app/ScreenGrab.h"

#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The screenshot portal against a stub service on a private session bus; the
// stub answers each call as the test's script says, well or badly formed.
class TestPortalScreenshot : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("dbus-daemon is not installed");
        m_daemon.start(QStringLiteral("dbus-daemon"),
            { QStringLiteral("--session"), QStringLiteral("--nofork"),
                QStringLiteral("--print-address") });
        QVERIFY(m_daemon.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("portal-test")));
        QVERIFY(m_bus->isConnected());

        m_picture = QImage(4, 2, QImage::Format_RGB32);
        for (int i = 0; i < 8; ++i)
            m_picture.setPixel(i % 4, i / 4, qRgb(i, 2 * i, 3 * i));
        QVERIFY(m_picture.save(m_dir.filePath(QStringLiteral("shot.png"))));
        QFile garbage(m_dir.filePath(QStringLiteral("garbage.png")));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("\x89PNG\r\n\x1a\nnot") > 0);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        m_stub.setProcessEnvironment(env);
        m_stub.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The system's interpreter, which has the distribution's D-Bus modules.
        m_stub.start(QStringLiteral(TW_PORTAL_STUB), { scriptPath() });
        m_stub.waitForStarted();
        QTRY_VERIFY_WITH_TIMEOUT(m_stub.state() != QProcess::Running
                || m_bus->interface()->isServiceRegistered(
                    QStringLiteral("org.freedesktop.portal.Desktop")),
            10000);
        if (m_stub.state() != QProcess::Running)
            QSKIP("the stub portal needs python3-dbus and python3-gi");
    }

    void cleanupTestCase()
    {
        for (QProcess *process : { &m_stub, &m_daemon }) {
            process->kill();
            process->waitForFinished();
        }
    }

    void answers_data()
    {
        QTest::addColumn<QString>("script"); // %1: the folder with the files
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("error");
        const QString good
            = QStringLiteral("\"code\": 0, \"results\": {\"uri\": \"file://%1/shot.png\"}");
        QTest::newRow("picture") << "{" + good + "}" << true << "";
        QTest::newRow("portal's own request path")
            << "{\"handle\": \"/org/freedesktop/portal/desktop/request/x/y\", " + good + "}" << true
            << "";
        QTest::newRow("cancelled") << "{\"code\": 1}" << false << "cancelled";
        QTest::newRow("failed") << "{\"code\": 2}" << false << "could not take";
        QTest::newRow("no uri") << "{\"code\": 0, \"results\": {\"url\": \"x\"}}" << false
                                << "no picture file";
        QTest::newRow("uri not text")
            << "{\"code\": 0, \"results\": {\"uri\": 5}}" << false << "no picture file";
        QTest::newRow("remote uri")
            << "{\"code\": 0, \"results\": {\"uri\": \"https://example.org/a.png\"}}" << false
            << "no picture file";
        QTest::newRow("not a picture")
            << "{\"code\": 0, \"results\": {\"uri\": \"file://%1/garbage.png\"}}" << false
            << "cannot be read";
        QTest::newRow("missing file")
            << "{\"code\": 0, \"results\": {\"uri\": \"file://%1/gone.png\"}}" << false
            << "cannot be read";
        QTest::newRow("response of another shape")
            << "{\"signature\": \"s\", \"args\": [\"hello\"]}" << false << "does not understand";
        QTest::newRow("response without results")
            << "{\"signature\": \"u\", \"args\": [0]}" << false << "does not understand";
        QTest::newRow("call refused") << "{\"reply\": \"error\"}" << false << "not available";
        QTest::newRow("no answer") << "{}" << false << "did not answer in time";
    }
    void answers()
    {
        QFETCH(QString, script);
        QFETCH(bool, picture);
        QFETCH(QString, error);
        QFile file(scriptPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(script.replace(QLatin1String("%1"), m_dir.path()).toUtf8());
        file.close();

        PortalScreenshot portal(*m_bus);
        const PortalScreenshot::Result result = portal.take(picture ? 10000 : 1500);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QCOMPARE(result.image.isNull(), !picture);
        if (picture)
            QCOMPARE(result.image, m_picture);
    }

    // One picture of the desktop becomes one picture per screen, in device
    // pixels; a picture of another shape is refused.
    void splitsTheDesktopIntoScreens()
    {
        QImage desktop(2 * 30, 2 * 10, QImage::Format_RGB32);
        for (int x = 0; x < desktop.width(); ++x) {
            for (int y = 0; y < desktop.height(); ++y)
                desktop.setPixel(x, y, qRgb(x, y, 0));
        }
        const QList<QRect> screens { QRect(0, 0, 20, 10), QRect(20, 2, 10, 8) };
        const auto capture = ScreenGrab::splitDesktop(desktop, screens);
        QVERIFY(capture.error.isEmpty());
        QCOMPARE(capture.screens.size(), 2);
        QCOMPARE(capture.screens[1].geometry, screens[1]);
        QCOMPARE(capture.screens[1].image.size(), QSize(20, 16));
        QCOMPARE(capture.screens[1].image.devicePixelRatio(), 2.0);
        QCOMPARE(capture.screens[1].image.pixel(0, 0), qRgb(40, 4, 0));
        QVERIFY(!ScreenGrab::splitDesktop(desktop.copy(0, 0, 60, 30), screens).error.isEmpty());
        QVERIFY(!ScreenGrab::splitDesktop(QImage(), screens).error.isEmpty());
    }

private:
    QString scriptPath() const { return m_dir.filePath(QStringLiteral("script.json")); }

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_stub;
    QImage m_picture;
    std::unique_ptr<QDBusConnection> m_bus;
};

QTEST_GUILESS_MAIN(TestPortalScreenshot)
#include "test_portalscreenshot.moc"
