#include "app/PortalScreenshot.h"

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
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            QSKIP("dbus-daemon is not installed");
        m_daemon.start("dbus-daemon", { "--session", "--nofork", "--print-address" });
        QVERIFY(m_daemon.waitForReadyRead(10000));
        const QString address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        m_bus = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, "test"));
        m_picture = QImage(4, 2, QImage::Format_RGB32);
        m_picture.fill(qRgb(1, 2, 3));
        QVERIFY(m_picture.save(m_dir.filePath("shot.png")));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", address);
        m_stub.setProcessEnvironment(env);
        m_stub.start(TW_PORTAL_STUB, { m_dir.filePath("script.json") });
        m_stub.waitForStarted();
        QTRY_VERIFY_WITH_TIMEOUT(m_stub.state() != QProcess::Running
                || m_bus->interface()->isServiceRegistered("org.freedesktop.portal.Desktop"),
            10000);
        if (m_stub.state() != QProcess::Running)
            QSKIP("the stub portal needs /usr/bin/python3 with python3-dbus and python3-gi");
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
        QTest::addColumn<QString>("script"); // DIR: the folder of the files
        QTest::addColumn<QString>("error"); // empty: the picture arrives
        const QString uri = "{\"code\": 0, \"results\": {\"uri\": \"file://DIR/%1\"}}";
        // clang-format off
        QTest::newRow("picture") << uri.arg("shot.png") << "";
        QTest::newRow("portal's own request path") << QString(uri).replace("{\"code", "{\"handle\": \"/x/y\", \"code").arg("shot.png") << "";
        QTest::newRow("cancelled") << "{\"code\": 1}" << "cancelled";
        QTest::newRow("remote uri") << uri.arg("x").replace("file://", "https://") << "no picture file";
        QTest::newRow("not a picture") << uri.arg("script.json") << "cannot be read";
        QTest::newRow("other shape") << "{\"signature\": \"s\", \"args\": [\"x\"]}" << "understand";
        QTest::newRow("call refused") << "{\"reply\": \"error\"}" << "not available";
        QTest::newRow("no answer") << "{}" << "did not answer in time";
        // clang-format on
    }
    void answers()
    {
        QFETCH(QString, script);
        QFETCH(QString, error);
        QFile file(m_dir.filePath("script.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(script.replace("DIR", m_dir.path()).toUtf8());
        file.close();

        const auto result = PortalScreenshot(*m_bus).take(error.isEmpty() ? 10000 : 1500);
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QCOMPARE(result.image, error.isEmpty() ? m_picture : QImage());
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_stub;
    QImage m_picture;
    std::unique_ptr<QDBusConnection> m_bus;
};

QTEST_GUILESS_MAIN(TestPortalScreenshot)
#include "test_portalscreenshot.moc"
