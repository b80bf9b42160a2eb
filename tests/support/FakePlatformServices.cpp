#include "support/FakePlatformServices.h"

#include "app/QtPlatformServices.h"

PlatformServices::HttpReply FakePlatformServices::httpGet(const QUrl &url, int timeoutMs)
{
    httpRequests.append(url);
    if (realHttp)
        return QtPlatformServices().httpGet(url, timeoutMs);
    if (!httpReplies.isEmpty())
        return httpReplies.dequeue();
    return { false, {}, QStringLiteral("no scripted reply") };
}
