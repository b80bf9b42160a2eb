#pragma once

#include <QByteArray>
#include <QString>

// The one way user files are written. The bytes go to a temporary file beside
// the target, every write and flush is checked, the data is forced to disk,
// and only then is the temporary file renamed over the target. On any failure
// the target is left exactly as it was and the caller gets the OS's reason.
//
// Nothing is left behind that a later save does not clean: where the file
// system allows it the temporary file has no name until the moment before the
// rename, so a crash leaves nothing; elsewhere a save first removes the
// temporaries of earlier saves of the same target that no running save holds.
// A symbolic link stays and the file it leads to is written; a link the system
// cannot follow fails with its reason.
class SafeFileWriter {
public:
    struct Result {
        bool ok = false;
        QString error; // human-readable reason when !ok, e.g. "No space left on device"
        explicit operator bool() const { return ok; }
    };

    static Result write(const QString &path, const QByteArray &data);
};
