#include "app/http/NetworkHttpClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <memory>

namespace {

bool isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

QNetworkRequest requestFor(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(HttpClient::MaxRedirects);
    // Asking for the body as it is keeps compressed replies from expanding
    // past the size limit inside the network stack.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(
        QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    return request;
}

// One transfer in progress: collects the body up to the limit and stops the
// reply at the deadline or when the body outgrows the limit. The timer is
// also the context of every connection, so none outlives the transfer.
class Transfer {
public:
    Transfer(QNetworkReply *reply, int timeoutMs) : m_reply(reply)
    {
        m_reply->setReadBufferSize(HttpClient::MaxBodyBytes + 1);
        QObject::connect(
            m_reply, &QNetworkReply::metaDataChanged, &m_deadline, [this] { checkDeclaredSize(); });
        QObject::connect(m_reply, &QNetworkReply::readyRead, &m_deadline, [this] { collect(); });
        QObject::connect(&m_deadline, &QTimer::timeout, &m_deadline, [this] {
            m_timedOut = true;
            m_reply->abort();
        });
        m_deadline.setSingleShot(true);
        m_deadline.start(timeoutMs);
    }

    void wait()
    {
        if (m_reply->isFinished())
            return;
        QEventLoop loop;
        QObject::connect(m_reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        collect();
    }

    HttpReply result(int timeoutMs) const
    {
        HttpReply result;
        result.status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (m_timedOut) {
            result.error = QStringLiteral("No complete reply within %1 seconds.")
                               .arg(QString::number(timeoutMs / 1000.0, 'g', 3));
        } else if (m_tooLarge) {
            result.error = QStringLiteral("The reply is larger than %1 KiB.")
                               .arg(HttpClient::MaxBodyBytes / 1024);
        } else if (m_reply->error() == QNetworkReply::TooManyRedirectsError) {
            result.error = QStringLiteral("The address was redirected more than %1 times.")
                               .arg(HttpClient::MaxRedirects);
        } else if (m_reply->error() != QNetworkReply::NoError) {
            result.error = m_reply->errorString();
        } else {
            result.ok = true;
        }
        if (!m_timedOut && !m_tooLarge)
            result.body = QString::fromUtf8(m_body);
        return result;
    }

private:
    void checkDeclaredSize()
    {
        const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > HttpClient::MaxBodyBytes)
            stopTooLarge();
    }

    void collect()
    {
        while (!m_tooLarge && m_reply->bytesAvailable() > 0) {
            m_body += m_reply->read(HttpClient::MaxBodyBytes + 1 - m_body.size());
            if (m_body.size() > HttpClient::MaxBodyBytes)
                stopTooLarge();
        }
    }

    void stopTooLarge()
    {
        m_tooLarge = true;
        m_body.clear();
        m_reply->abort();
    }

    QNetworkReply *m_reply;
    QTimer m_deadline;
    QByteArray m_body;
    bool m_timedOut = false;
    bool m_tooLarge = false;
};

} // namespace

HttpReply NetworkHttpClient::get(const QUrl &url, int timeoutMs)
{
    if (!isWebAddress(url)) {
        HttpReply refused;
        refused.error = QStringLiteral("%1 is not a web address.").arg(url.toDisplayString());
        return refused;
    }
    QNetworkAccessManager manager;
    const std::unique_ptr<QNetworkReply> reply(manager.get(requestFor(url)));
    Transfer transfer(reply.get(), timeoutMs);
    transfer.wait();
    return transfer.result(timeoutMs);
}
