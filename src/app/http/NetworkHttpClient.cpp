#include "app/http/NetworkHttpClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>

HttpReply NetworkHttpClient::get(const QUrl &url, int timeoutMs)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    HttpReply result;
    if (reply->error() == QNetworkReply::NoError) {
        result.ok = true;
        result.body = QString::fromUtf8(reply->readAll());
    } else {
        result.error = reply->errorString();
    }
    delete reply;
    return result;
}
