#pragma once

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QUrl>
#include <QVariantList>

class QDBusMessage;
class QEventLoop;

// A picture of the whole desktop from the XDG desktop portal's Screenshot
// interface, the one way a Wayland program may read the screen. The portal
// answers the call with a request object and later sends that request's
// Response signal naming the picture's file; take() waits for it while
// events run, so that its caller sees one blocking call.
//
// Everything the portal sends is outside input: a reply or signal of the
// wrong shape, an unknown URI, or a file that is not a picture gives an
// error, never a crash.
class PortalScreenshot : public QObject {
    Q_OBJECT

public:
    struct Result {
        QImage image; // RGB32; null on failure
        QString error; // a sentence for the user; empty on success
    };

    explicit PortalScreenshot(const QDBusConnection &bus);

    // Asks without a dialog where the portal allows that; a portal that asks
    // the user for permission first gets up to `timeoutMs` for the answer.
    Result take(int timeoutMs);

    // The picture's URI from the arguments of a Response signal, or an
    // empty URI and an error.
    static QUrl pictureUri(const QVariantList &responseArguments, QString *error);
    // Reads the picture file the portal named; only local files.
    static QImage loadPicture(const QUrl &uri, QString *error);

private slots:
    void onResponse(const QDBusMessage &message);

private:
    void listen(const QString &requestPath);
    void stopListening();
    void finish(const Result &result);

    QDBusConnection m_bus;
    QString m_requestPath; // the request whose Response is awaited
    QEventLoop *m_loop = nullptr;
    Result m_result;
    bool m_finished = false;
};
