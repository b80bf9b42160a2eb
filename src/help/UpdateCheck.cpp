#include "help/UpdateCheck.h"

#include "app/PlatformServices.h"
#include "app/VendorSite.h"
#include "help/VersionReply.h"

namespace UpdateCheck {

namespace {

void inform(QWidget *parent, const QString &text)
{
    PlatformServices::get().messageBox(
        parent, text, PlatformServices::Buttons::Ok, PlatformServices::Icon::Information);
}

} // namespace

void CheckForUpdates(QWidget *parent, int timeoutMs)
{
    PlatformServices &services = PlatformServices::get();
    const PlatformServices::HttpReply reply
        = services.httpGet(VendorSite::url(QStringLiteral("/version.txt")), timeoutMs);

    using VersionReply::Verdict;
    Verdict verdict = VersionReply::judge(reply.body);
    // A failed transfer only counts for its error page: a server that cannot
    // find the file says so there.
    if (!reply.ok && verdict != Verdict::SiteNotFound)
        verdict = Verdict::Unreadable;

    switch (verdict) {
    case Verdict::UpToDate:
        inform(parent, QStringLiteral("Your version of Tintwright is up to date."));
        break;
    case Verdict::NewerAvailable:
        services.openUrl(VendorSite::url(QStringLiteral("/download.php")));
        break;
    case Verdict::SiteNotFound:
        inform(parent,
            QStringLiteral("Could not connect to %1 to check for updates.")
                .arg(VendorSite::host()));
        break;
    case Verdict::Unreadable:
        inform(parent,
            QStringLiteral("An error occurred while attempting to connect to %1.")
                .arg(VendorSite::host()));
        break;
    }
}

} // namespace UpdateCheck
