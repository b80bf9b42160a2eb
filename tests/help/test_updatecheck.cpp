#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "help/UpdateCheck.h"
#include "support/FakePlatformServices.h"
#include "support/TestHttpServer.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

namespace {

const QString kUpToDate = QStringLiteral("Your version of Tintwright is up to date.");
const QString kNotFound = QStringLiteral("Could not connect to 127.0.0.1 to check for updates.");
const QString kFailed
    = QStringLiteral("An error occurred while attempting to connect to 127.0.0.1.");
const QString kDownload; // the download page opens, no message

struct PaintCounter : QWidget {
    int paints = 0;
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

// The whole check over real HTTP, against a server on the loopback interface.
class TestUpdateCheck : public QObject {
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QString>("outcome");
        auto ok = [](const QByteArray &body) { return TestHttpServer::reply("200 OK", body); };
        QTest::newRow("running version") << ok("2.05.0001\r\n") << kUpToDate;
        QTest::newRow("newer minor") << ok("2.06.0000") << kDownload;
        QTest::newRow("older major, newer minor") << ok("1.9.0") << kDownload;
        QTest::newRow("byte-order mark, blanks") << ok("\xef\xbb\xbf 2 .5.2 ") << kDownload;
        QTest::newRow("error page")
            << TestHttpServer::reply("404 Not Found", "<title>404 Not Found</title>") << kNotFound;
        QTest::newRow("two parts") << ok("2.05") << kFailed;
        QTest::newRow("not numbers") << ok("2.-.1 beta") << kFailed;
        QTest::newRow("failed, naming a version")
            << TestHttpServer::reply("500 Internal Server Error", "3.0.0") << kFailed;
        QTest::newRow("no answer") << QByteArray() << kFailed;
        QTest::newRow("redirect loop")
            << TestHttpServer::reply("302 Found\r\nLocation: /version.txt", "") << kFailed;
    }

    // One message or the download page, within the time-out (0.7 s here);
    // meanwhile windows repaint under a busy pointer.
    void check()
    {
        QFETCH(QByteArray, response);
        QFETCH(QString, outcome);
        TestHttpServer server(response);
        SaveSetting(SettingsKeys::VendorSite, server.base());
        QCoreApplication::addLibraryPath(QFileInfo(QStringLiteral(TW_HTTP_MODULE)).path());
        FakePlatformServices services;
        services.realHttp = true;
        FakePlatformServices::Scope scope(services);
        PaintCounter window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int paintsBefore = -1;
        bool busy = false;
        QTimer::singleShot(300, &window, [&] {
            paintsBefore = window.paints;
            const QCursor *pointer = QGuiApplication::overrideCursor();
            busy = pointer && pointer->shape() == Qt::WaitCursor;
            window.update();
        });

        QElapsedTimer clock;
        clock.start();
        UpdateCheck::CheckForUpdates(&window, 700);
        QVERIFY2(clock.elapsed() < 2700, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(paintsBefore < 0 || (busy && window.paints > paintsBefore));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        QCOMPARE(services.httpRequests, QList<QUrl>({ QUrl(server.base() + "/version.txt") }));
        const bool download = outcome == kDownload;
        QCOMPARE(services.openedUrls,
            download ? QList<QUrl>({ QUrl(server.base() + "/download.php") }) : QList<QUrl>());
        QCOMPARE(services.messageBoxes.size(), download ? 0 : 1);
        if (!download)
            QCOMPARE(services.messageBoxes[0].text, outcome);
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "test_updatecheck.moc"
