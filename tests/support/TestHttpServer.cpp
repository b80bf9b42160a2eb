#include "support/TestHttpServer.h"

#include <QTcpSocket>

TestHttpServer::TestHttpServer(const QByteArray &response)
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this, response] {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [socket, response] {
                const QByteArray request = socket->property("in").toByteArray() + socket->readAll();
                socket->setProperty("in", request);
                if (request.endsWith("\r\n\r\n") && !response.isEmpty()) { // a GET's end
                    socket->write(response);
                    socket->disconnectFromHost();
                }
            });
        }
    });
}

QByteArray TestHttpServer::reply(const QByteArray &status, const QByteArray &body, bool sayLength)
{
    const QByteArray length = "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return "HTTP/1.1 " + status + "\r\nConnection: close\r\n" + (sayLength ? length : "") + "\r\n"
        + body;
}
