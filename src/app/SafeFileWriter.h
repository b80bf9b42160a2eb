#pragma once

#include <QByteArray>
#include <QString>

// The one way user files are written. The bytes go to a temporary file beside
// the target, every write and flush is checked, the data is forced to disk,
// and only then is the temporary file renamed over the target. On any failure
// the target is left exactly as it was and the caller gets the OS's reason.
class SafeFileWriter {
public:
    struct Result {
        bool ok = false;
        QString error; // human-readable reason when !ok, e.g. "No space left on device"
        explicit operator bool() const { return ok; }
    };

    static Result write(const QString &path, const QByteArray &data);
};
