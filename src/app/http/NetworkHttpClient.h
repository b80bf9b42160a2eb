#pragma once

#include "app/HttpClient.h"

#include <QObject>

// HttpClient over QNetworkAccessManager: the only code of the program that
// links Qt Network.
class NetworkHttpClient : public QObject, public HttpClient {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TintwrightHttpClient_iid)
    Q_INTERFACES(HttpClient)

public:
    HttpReply get(const QUrl &url, int timeoutMs) override;
};
