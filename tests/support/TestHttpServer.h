#pragma once

#include <QTcpServer>

// A real HTTP server on the loopback interface, answering on the test's
// thread (a client's wait lets it run). Every request gets `response` as it
// stands; an empty one leaves requests unanswered.
class TestHttpServer : public QTcpServer {
public:
    explicit TestHttpServer(const QByteArray &response);

    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }

    // A response that closes the connection after `body`; header lines can
    // follow the status ("302 Found\r\nLocation: /x").
    static QByteArray reply(
        const QByteArray &status, const QByteArray &body, bool sayLength = true);
};
