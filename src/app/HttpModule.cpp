#include "app/HttpModule.h"

#include "app/HttpClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

// The module folder of an installed program, relative to the folder of the
// executable; set by the build from the install layout.
#ifndef TW_HTTP_MODULE_RELATIVE_DIR
#define TW_HTTP_MODULE_RELATIVE_DIR "../lib/tintwright"
#endif

namespace HttpModule {

namespace {

const QString kModuleName = QStringLiteral("tintwright_http");

} // namespace

HttpClient *clientFrom(const QString &path, QString *error)
{
    // A loaded module stays loaded when its loader goes: the client lives as
    // long as the process.
    QPluginLoader loader(path);
    QObject *instance = loader.instance();
    auto *client = qobject_cast<HttpClient *>(instance);
    if (client == nullptr) {
        *error = instance == nullptr
            ? QStringLiteral("The network module could not be loaded (%1).")
                  .arg(loader.errorString())
            : QStringLiteral("The network module %1 is not the one this program expects.")
                  .arg(loader.fileName());
    }
    return client;
}

QStringList candidates()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {
        programDir.filePath(kModuleName),
        QDir::cleanPath(
            programDir.filePath(QStringLiteral(TW_HTTP_MODULE_RELATIVE_DIR "/") + kModuleName)),
        kModuleName,
    };
}

HttpClient *client(QString *error)
{
    static QString loadError;
    static HttpClient *const loaded = [] {
        QStringList reasons;
        for (const QString &candidate : candidates()) {
            QString reason;
            if (HttpClient *found = clientFrom(candidate, &reason))
                return found;
            reasons.append(reason);
        }
        loadError = reasons.join(QLatin1Char('\n'));
        return static_cast<HttpClient *>(nullptr);
    }();
    if (loaded == nullptr)
        *error = loadError;
    return loaded;
}

} // namespace HttpModule
