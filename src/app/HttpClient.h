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
    virtual ~HttpClient() = default;

    // Blocks until the reply is complete, an error occurs or no data has
    // moved for timeoutMs milliseconds; only network events are handled
    // meanwhile, never user input.
    virtual HttpReply get(const QUrl &url, int timeoutMs) = 0;
};

#define TintwrightHttpClient_iid "org.tintwright.HttpClient/1"
Q_DECLARE_INTERFACE(HttpClient, TintwrightHttpClient_iid)
