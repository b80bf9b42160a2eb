#include "app/HttpClient.h"
#include "app/HttpModule.h"
#include "app/QtPlatformServices.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

// A one-page HTTP server on the loopback interface. `response` is sent as
// is once a request has arrived; an empty response means the server accepts
// and then stays silent.
class TinyServer : public QObject {
public:
    explicit TinyServer(const QByteArray &response) : m_response(response)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().contains("\r\n\r\n") || m_response.isEmpty())
                    return;
                socket->write(m_response);
                socket->disconnectFromHost();
            });
        });
    }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(m_server.serverPort()));
    }

private:
    QTcpServer m_server;
    QByteArray m_response;
};

QByteArray httpResponse(const QByteArray &status, const QByteArray &body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

class TestHttpClient : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        m_client = HttpModule::clientFrom(QStringLiteral(TW_HTTP_MODULE), &error);
        QVERIFY2(m_client, qPrintable(error));
    }

    void get_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("body");
        QTest::newRow("page") << httpResponse("200 OK", "2.5.1\n") << true << "2.5.1\n";
        QTest::newRow("utf-8 body") << httpResponse("200 OK", "Tintwright \xe2\x80\x93 2.6") << true
                                    << QStringLiteral("Tintwright \u2013 2.6");
        QTest::newRow("not found") << httpResponse("404 Not Found", "gone") << false << "";
        QTest::newRow("server error")
            << httpResponse("500 Internal Server Error", "") << false << "";
        QTest::newRow("silent server") << QByteArray() << false << "";
    }

    void get()
    {
        QFETCH(QByteArray, response);
        QFETCH(bool, ok);
        QFETCH(QString, body);
        TinyServer server(response);
        const HttpReply reply = m_client->get(server.url(), 300);
        QCOMPARE(reply.ok, ok);
        QCOMPARE(reply.body, body);
        QCOMPARE(reply.error.isEmpty(), ok);
    }

    void refusedConnectionGivesAReason()
    {
        quint16 port;
        {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            port = closed.serverPort();
        }
        const HttpReply reply
            = m_client->get(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)), 2000);
        QVERIFY(!reply.ok);
        QVERIFY(!reply.error.isEmpty());
    }

    // The program finds the module among the application's library paths
    // (first of all the executable's folder).
    void platformServicesLoadTheModule()
    {
        QCoreApplication::addLibraryPath(QFileInfo(QStringLiteral(TW_HTTP_MODULE)).path());
        TinyServer server(httpResponse("200 OK", "ok"));
        const HttpReply reply = QtPlatformServices().httpGet(server.url(), 2000);
        QVERIFY2(reply.ok, qPrintable(reply.error));
        QCOMPARE(reply.body, QStringLiteral("ok"));
    }

    void missingModuleIsExplained()
    {
        QString error;
        QCOMPARE(HttpModule::clientFrom(QStringLiteral("/nonexistent/tintwright_http"), &error),
            nullptr);
        QVERIFY2(error.startsWith(QStringLiteral("The network module could not be loaded")),
            qPrintable(error));
    }

private:
    HttpClient *m_client = nullptr;
};

QTEST_MAIN(TestHttpClient)
#include "test_httpclient.moc"
