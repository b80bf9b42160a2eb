#include "app/HttpModule.h"

#include "app/HttpClient.h"

#include <QPluginLoader>

namespace HttpModule {

HttpClient *clientFrom(const QString &path, QString *error)
{
    // The loader stays alive (and the module loaded) for the process.
    auto *loader = new QPluginLoader(path);
    QObject *instance = loader->instance();
    auto *client = qobject_cast<HttpClient *>(instance);
    if (client == nullptr) {
        *error = instance == nullptr
            ? QStringLiteral("The network module could not be loaded (%1).")
                  .arg(loader->errorString())
            : QStringLiteral("The network module %1 is not the one this program expects.")
                  .arg(loader->fileName());
        delete loader;
    }
    return client;
}

HttpClient *client(QString *error)
{
    static QString loadError;
    static HttpClient *const loaded = clientFrom(QStringLiteral("tintwright_http"), &loadError);
    if (loaded == nullptr)
        *error = loadError;
    return loaded;
}

} // namespace HttpModule
