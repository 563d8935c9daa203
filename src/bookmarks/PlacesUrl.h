// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The values Firefox derives from a URL and stores beside it in
// places.sqlite, computed as Firefox computes them: without them Firefox
// keeps a place but cannot find it by its URL.
namespace PlacesUrl {

// The URL as Firefox keeps it: percent-encoded, the host in ASCII, "/" as
// the path of an address that has none, and no port that is the scheme's
// own. Firefox looks a bookmark up by this form only.
QString normalized(const QString &url);

// Firefox's SQL hash(url): the hash of the scheme in bits 32 to 47 and the
// hash of the whole URL in the low 32 bits.
qint64 hash(const QString &url);
// The host reversed, with a trailing "." ("moc.elpmaxe.www.").
QString reversedHost(const QString &url);
// The origin of a URL as moz_origins keeps it, for every scheme: its prefix
// ("https://", "javascript:") and what follows up to the first "/", "?" or
// "#", without user and password ("www.example.com:8080").
QString originPrefix(const QString &url);
QString originHost(const QString &url);
// A fresh identifier of 12 characters from A-Z a-z 0-9 - _.
QString newGuid();
// Firefox's clock: microseconds since 1970.
qint64 nowMicroseconds();

} // namespace PlacesUrl
