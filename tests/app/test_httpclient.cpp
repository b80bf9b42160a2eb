#include "app/HttpClient.h"
#include "app/HttpModule.h"
#include "support/TestHttpServer.h"

#include <QtTest>

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
        const QByteArray limit(HttpClient::MaxBodyBytes, 'x');
        QTest::newRow("utf-8 body")
            << TestHttpServer::reply("200 OK", "Tintwright \xe2\x80\x93 2.6") << true
            << QStringLiteral("Tintwright \u2013 2.6");
        QTest::newRow("not found keeps its page")
            << TestHttpServer::reply("404 Not Found", "gone") << false << "gone";
        QTest::newRow("body at the limit")
            << TestHttpServer::reply("200 OK", limit) << true << QString::fromLatin1(limit);
        QTest::newRow("declared body over it")
            << TestHttpServer::reply("200 OK", limit + "x") << false << "";
        QTest::newRow("undeclared body over it")
            << TestHttpServer::reply("200 OK", limit + "x", false) << false << "";
    }

    void get()
    {
        QFETCH(QByteArray, response);
        QFETCH(bool, ok);
        QFETCH(QString, body);
        TestHttpServer server(response);
        const HttpReply reply = m_client->get(QUrl(server.base()), 300);
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
