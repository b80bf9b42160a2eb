#pragma once

#include <QString>
#include <QStringList>

class HttpClient;

// Finds and loads the HTTP module ("tintwright_http") on first use. The
// module is looked for beside the executable (the build tree), then in the
// installed layout's module folder relative to the executable, so an
// installed program finds it wherever it was installed; last in the
// application's library paths.
namespace HttpModule {

// The module's client, loaded once and kept for the life of the process; or
// nullptr with the reason in *error.
HttpClient *client(QString *error);

// The module at an explicit path instead (tests); same contract as client().
HttpClient *clientFrom(const QString &path, QString *error);

// Where client() looks, in order (file names without the platform's
// prefix and suffix, as the plugin loader takes them).
QStringList candidates();

} // namespace HttpModule
