#include "app/PortalScreenshot.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTimer>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObjectPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");

// Response codes of a portal request.
constexpr uint kSuccess = 0;
constexpr uint kCancelled = 1;

QString notUnderstood()
{
    return QStringLiteral(
        "The desktop's screenshot service gave an answer this program does not understand.");
}

// The request's object path is known before the call (the portal builds it
// from the caller's bus name and a token), so the answer cannot be missed.
QString expectedRequestPath(const QDBusConnection &bus, const QString &token)
{
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kObjectPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

} // namespace

PortalScreenshot::PortalScreenshot(const QDBusConnection &bus) : m_bus(bus)
{
}

PortalScreenshot::Result PortalScreenshot::take(int timeoutMs)
{
    if (!m_bus.isConnected())
        return { {},
            QStringLiteral("There is no session bus to reach the desktop's screenshot "
                           "service.") };
    m_finished = false;
    m_result = {};
    const QString token
        = QStringLiteral("tintwright%1").arg(QRandomGenerator::global()->generate());
    listen(expectedRequestPath(m_bus, token));

    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kObjectPath, kScreenshotInterface, QStringLiteral("Screenshot"));
    const QVariantMap options { { QStringLiteral("handle_token"), token },
        { QStringLiteral("interactive"), false }, { QStringLiteral("modal"), false } };
    call << QString() << options;

    QEventLoop loop;
    m_loop = &loop;
    QDBusPendingCallWatcher watcher(m_bus.asyncCall(call, timeoutMs));
    connect(&watcher, &QDBusPendingCallWatcher::finished, this, [this, &watcher] {
        const QDBusMessage reply = watcher.reply();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            finish({ {},
                QStringLiteral("The desktop's screenshot service is not available: %1")
                    .arg(reply.errorMessage()) });
            return;
        }
        const QVariantList arguments = reply.arguments();
        if (arguments.size() != 1 || !arguments[0].canConvert<QDBusObjectPath>()) {
            finish({ {}, notUnderstood() });
            return;
        }
        // Portals older than the handle token choose the path themselves.
        const QString path = arguments[0].value<QDBusObjectPath>().path();
        if (path != m_requestPath)
            listen(path);
    });
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, this, [this] {
        // Takes down a permission dialog the user left standing.
        m_bus.send(QDBusMessage::createMethodCall(
            kService, m_requestPath, kRequestInterface, QStringLiteral("Close")));
        finish({ {}, QStringLiteral("The desktop's screenshot service did not answer in time.") });
    });
    timeout.start(timeoutMs);
    if (!m_finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    m_loop = nullptr;
    stopListening();
    return m_result;
}

void PortalScreenshot::listen(const QString &requestPath)
{
    stopListening();
    m_requestPath = requestPath;
    // Any signature is taken, so that a Response of the wrong shape ends the
    // wait with an error rather than a timeout.
    m_bus.connect(kService, m_requestPath, kRequestInterface, kResponse, this,
        SLOT(onResponse(QDBusMessage)));
}

void PortalScreenshot::stopListening()
{
    if (m_requestPath.isEmpty())
        return;
    m_bus.disconnect(kService, m_requestPath, kRequestInterface, kResponse, this,
        SLOT(onResponse(QDBusMessage)));
    m_requestPath.clear();
}

void PortalScreenshot::onResponse(const QDBusMessage &message)
{
    if (m_finished || message.path() != m_requestPath)
        return;
    Result result;
    const QUrl uri = pictureUri(message.arguments(), &result.error);
    if (result.error.isEmpty())
        result.image = loadPicture(uri, &result.error);
    finish(result);
}

void PortalScreenshot::finish(const Result &result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_result = result;
    if (m_loop)
        m_loop->quit();
}

QUrl PortalScreenshot::pictureUri(const QVariantList &arguments, QString *error)
{
    if (arguments.size() != 2 || arguments[0].metaType() != QMetaType::fromType<uint>()
        || arguments[1].metaType() != QMetaType::fromType<QDBusArgument>()) {
        *error = notUnderstood();
        return {};
    }
    const uint response = arguments[0].toUInt();
    if (response == kCancelled) {
        *error = QStringLiteral("The screenshot was cancelled.");
        return {};
    }
    if (response != kSuccess) {
        *error = QStringLiteral("The desktop's screenshot service could not take a picture.");
        return {};
    }
    const auto results = arguments[1].value<QDBusArgument>();
    if (results.currentSignature() != QLatin1String("a{sv}")) {
        *error = notUnderstood();
        return {};
    }
    QVariantMap map;
    results >> map;
    const QVariant uri = map.value(QStringLiteral("uri"));
    const QUrl url(uri.toString(), QUrl::StrictMode);
    if (uri.metaType() != QMetaType::fromType<QString>() || !url.isValid() || !url.isLocalFile()) {
        *error = QStringLiteral("The desktop's screenshot service gave no picture file.");
        return {};
    }
    return url;
}

QImage PortalScreenshot::loadPicture(const QUrl &uri, QString *error)
{
    const QString path = uri.toLocalFile();
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("The screenshot \"%1\" cannot be read: %2")
                     .arg(path, reader.errorString());
        return {};
    }
    return image.convertToFormat(QImage::Format_RGB32);
}
