#include "app/HttpModule.h"

#include "app/HttpClient.h"

#include <QPluginLoader>

namespace HttpModule {

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

HttpClient *client(QString *error)
{
    static QString loadError;
    static HttpClient *const loaded = clientFrom(QStringLiteral("tintwright_http"), &loadError);
    if (loaded == nullptr)
        *error = loadError;
    return loaded;
}

} // namespace HttpModule
