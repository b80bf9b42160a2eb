#pragma once

#include "app/HttpReply.h"

#include <QUrl>
#include <QtPlugin>

// One synchronous HTTP GET. The implementation lives in a module of its own
// (src/app/http, loaded by HttpModule on first use), so that the network
// libraries are not loaded, relocated and mapped at every start of the
// program: most sessions never go online.
class HttpClient {
public:
    // Redirections followed before the GET fails; never from HTTPS to HTTP.
    static constexpr int MaxRedirects = 5;
    // Largest body accepted, in bytes; a longer one fails the GET before
    // more than this much is held in memory.
    static constexpr qint64 MaxBodyBytes = 64 * 1024;

    virtual ~HttpClient() = default;

    // Fetches an http: or https: address. Blocks until the reply is complete,
    // an error occurs or timeoutMs milliseconds have passed since the call,
    // however slowly data keeps arriving. Meanwhile the windows keep
    // repainting; user input waits until the GET is over.
    virtual HttpReply get(const QUrl &url, int timeoutMs) = 0;
};

#define TintwrightHttpClient_iid "org.tintwright.HttpClient/2"
Q_DECLARE_INTERFACE(HttpClient, TintwrightHttpClient_iid)
