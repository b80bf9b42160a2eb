#pragma once

#include <QString>

// What the vendor's version file says about the running program. A pure
// function of the reply text, so every case is tested without windows or a
// network.
//
// The reply is split at every "."; the first three parts are read as whole
// decimal numbers (surrounding blanks and line ends ignored, an optional sign,
// ASCII digits only) and each is compared with its own part of the running
// version. The comparisons are independent: the reply names a newer version
// as soon as any one of its numbers is larger, so 1.9.0 is newer than 2.5.1
// (9 > 5) while 2.5.0 and 2.0.1 are not.
namespace VersionReply {

// The running version as the three numbers the reply is compared with.
struct Version {
    int major;
    int minor;
    int build;
};
Version running();
// "2.5.1", as the About window shows it.
QString runningText();

enum class Verdict {
    UpToDate,
    NewerAvailable,
    SiteNotFound, // the reply is the site's "404 Not Found" page
    Unreadable, // fewer than three parts, or one of them is not a number
};

Verdict judge(const QString &reply);

} // namespace VersionReply
