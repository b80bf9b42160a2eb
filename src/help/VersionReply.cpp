#include "help/VersionReply.h"

#include <QStringList>

#include <algorithm>

#include <optional>

namespace VersionReply {

namespace {

// Numbers beyond this are all "larger than any part of the running
// version"; capping keeps long digit runs from overflowing.
constexpr long long kNumberCap = 1'000'000'000;

// A part as a whole number: blanks around it, an optional sign, one or more
// ASCII digits. Anything else is not a number.
std::optional<long long> readNumber(QStringView part)
{
    part = part.trimmed();
    bool negative = false;
    if (!part.isEmpty() && (part.front() == u'+' || part.front() == u'-')) {
        negative = part.front() == u'-';
        part = part.mid(1);
    }
    if (part.isEmpty())
        return std::nullopt;
    long long value = 0;
    for (const QChar c : part) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = std::min(value * 10 + (c.unicode() - u'0'), kNumberCap);
    }
    return negative ? -value : value;
}

} // namespace

Version running()
{
    return { TW_VERSION_MAJOR, TW_VERSION_MINOR, TW_VERSION_PATCH };
}

QString runningText()
{
    const Version version = running();
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.build);
}

Verdict judge(const QString &reply)
{
    if (reply.contains(QLatin1String("404 Not Found")))
        return Verdict::SiteNotFound;

    QStringView text(reply);
    // A byte-order mark left by the editor that wrote the file is no digit.
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    const QList<QStringView> parts = text.split(u'.');
    if (parts.size() < 3)
        return Verdict::Unreadable;

    const Version version = running();
    const long long limits[3] = { version.major, version.minor, version.build };
    bool newer = false;
    for (int i = 0; i < 3; ++i) {
        const std::optional<long long> number = readNumber(parts[i]);
        if (!number)
            return Verdict::Unreadable;
        newer = newer || *number > limits[i];
    }
    return newer ? Verdict::NewerAvailable : Verdict::UpToDate;
}

} // namespace VersionReply
