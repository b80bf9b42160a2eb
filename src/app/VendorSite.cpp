#include "app/VendorSite.h"

#include "app/Settings.h"
#include "app/SettingsKeys.h"

namespace VendorSite {

namespace {

bool isSiteAddress(const QUrl &url)
{
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

} // namespace

QUrl baseUrl()
{
    const QUrl stored(GetSetting(SettingsKeys::VendorSite).trimmed(), QUrl::StrictMode);
    if (isSiteAddress(stored))
        return stored.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo);
    return QUrl(QString::fromLatin1(SettingsKeys::VendorSite.defaultValue));
}

QUrl url(const QString &path)
{
    QUrl result = baseUrl();
    QString basePath = result.path();
    while (basePath.endsWith(QLatin1Char('/')))
        basePath.chop(1);
    result.setPath(basePath + path);
    return result;
}

QString host()
{
    return baseUrl().host();
}

QString contactAddress()
{
    const QString stored = GetSetting(SettingsKeys::ContactEMail).trimmed();
    // One '@' with something on both sides and nothing that would break out
    // of a mailto: address.
    const qsizetype at = stored.indexOf(QLatin1Char('@'));
    const bool plausible = at > 0 && at == stored.lastIndexOf(QLatin1Char('@'))
        && at < stored.size() - 1 && !stored.contains(QLatin1Char('?'))
        && !stored.contains(QLatin1Char(' '));
    return plausible ? stored : QString::fromLatin1(SettingsKeys::ContactEMail.defaultValue);
}

QUrl contactMailUrl()
{
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(contactAddress());
    return mail;
}

} // namespace VendorSite
