#pragma once

#include <QString>
#include <QUrl>

// The vendor's web site and contact address, configured in one place (the
// settings entries SettingsKeys::VendorSite and ContactEMail). Every web
// link of the program is built here, so moving the site is one setting.
namespace VendorSite {

// The configured base address; the default when the stored one is not an
// http: or https: address with a host name.
QUrl baseUrl();

// `path` ("/version.txt", "/support/") on the site. A base address with a
// path of its own ("https://host/tintwright") keeps it in front.
QUrl url(const QString &path);

// The site's host name, as messages name the site ("www.tintwright.example").
QString host();

// The contact e-mail address, and the mailto: address that opens a new
// message to it.
QString contactAddress();
QUrl contactMailUrl();

} // namespace VendorSite
