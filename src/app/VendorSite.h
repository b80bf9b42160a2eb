#pragma once

#include <QString>

// The vendor's web site, which exported pages link to and which the update
// check and help links will ask. Until it becomes a setting, every address
// is built here from one placeholder base under the reserved ".example"
// domain, so that nothing points at a real site by accident.
namespace VendorSite {

// Scheme and host, without a trailing '/'.
inline QString base()
{
    return QStringLiteral("https://www.tintwright.example");
}

// The home page: the base address with a trailing '/'.
inline QString homePage()
{
    return base() + QLatin1Char('/');
}

} // namespace VendorSite
