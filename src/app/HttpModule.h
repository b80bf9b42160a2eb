#pragma once

#include <QString>

class HttpClient;

// Finds and loads the HTTP module ("tintwright_http") on first use. The
// module is looked for in the library paths of the application, which start
// with the folder of the executable.
namespace HttpModule {

// The module's client, loaded once and kept for the life of the process; or
// nullptr with the reason in *error.
HttpClient *client(QString *error);

// The module at an explicit path instead (tests); same contract as client().
HttpClient *clientFrom(const QString &path, QString *error);

} // namespace HttpModule
