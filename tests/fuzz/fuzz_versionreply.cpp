// The update check's verdict on arbitrary bytes from the network.
#include "help/VersionReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString reply = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    using VersionReply::Verdict;
    const Verdict verdict = VersionReply::judge(reply);
    // Fewer than three parts are never a version.
    if (reply.count(u'.') < 2 && verdict != Verdict::SiteNotFound && verdict != Verdict::Unreadable)
        __builtin_trap();
    return 0;
}
