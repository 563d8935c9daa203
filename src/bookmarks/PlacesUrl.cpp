// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/PlacesUrl.h"

#include <QByteArray>
#include <QDateTime>
#include <QRandomGenerator>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace {

// Firefox hashes at most this many bytes of a URL, and looks for the end of
// the scheme only among the first 50.
const int maxHashedBytes = 1500;
const int maxSchemeBytes = 50;
const quint32 goldenRatio = 0x9E3779B9u;

// The ports Firefox leaves out of the URLs it stores, as their scheme's own.
int defaultPort(const QString &scheme)
{
    if (scheme == QLatin1String("http") || scheme == QLatin1String("ws"))
        return 80;
    if (scheme == QLatin1String("https") || scheme == QLatin1String("wss"))
        return 443;
    if (scheme == QLatin1String("ftp"))
        return 21;
    return -1;
}

// Schemes whose addresses always have a host and a path.
bool isSpecial(const QString &scheme)
{
    return defaultPort(scheme) != -1 || scheme == QLatin1String("file");
}

// An address without "//" after its scheme, as Firefox keeps it: as written,
// with its scheme in lower case, without tabs and line breaks, and with the
// bytes that are not printable ASCII escaped. The schemes that Firefox does
// not handle itself, as "mailto", also have blanks, quotes and angle brackets
// escaped in their query and fragment.
QString opaqueNormalized(const QString &scheme, const QString &rest)
{
    const bool simple = scheme == QLatin1String("javascript") || scheme == QLatin1String("data");
    QByteArray bytes = rest.toUtf8();
    bytes.replace('\t', QByteArray()).replace('\r', QByteArray()).replace('\n', QByteArray());
    QByteArray out = scheme.toLatin1() + ':';
    const char *escapedAfter = nullptr;
    for (const char c : qAsConst(bytes)) {
        if (c == '?' && !escapedAfter)
            escapedAfter = " \"<>";
        else if (c == '#')
            escapedAfter = " \"<>`";
        const auto byte = static_cast<unsigned char>(c);
        const bool escape = byte < 0x20 || byte >= 0x7F
            || (!simple && escapedAfter && c != '\0' && std::strchr(escapedAfter, c));
        if (escape)
            out += '%' + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
        else
            out += c;
    }
    return QString::fromLatin1(out);
}

quint32 hashBytes(const QByteArray &bytes)
{
    quint32 hash = 0;
    const int length = qMin(bytes.size(), maxHashedBytes);
    for (int i = 0; i < length; ++i) {
        const quint32 rotated = (hash << 5) | (hash >> 27);
        hash = (rotated ^ static_cast<unsigned char>(bytes.at(i))) * goldenRatio;
    }
    return hash;
}

} // namespace

namespace PlacesUrl {

QString normalized(const QString &url)
{
    const QString trimmed = url.trimmed();
    const int colon = trimmed.indexOf(QLatin1Char(':'));
    const QString scheme = trimmed.left(qMax(colon, 0)).toLower();
    if (colon > 0 && !isSpecial(scheme) && QStringView(trimmed).mid(colon + 1, 2) != QLatin1String("//"))
        return opaqueNormalized(scheme, trimmed.mid(colon + 1));
    QUrl parsed(trimmed);
    if (!parsed.isValid())
        return url;
    if (!parsed.host().isEmpty() && parsed.path().isEmpty())
        parsed.setPath(QStringLiteral("/"));
    if (parsed.port() != -1 && parsed.port() == defaultPort(parsed.scheme()))
        parsed.setPort(-1);
    return parsed.toString(QUrl::FullyEncoded);
}

qint64 hash(const QString &url)
{
    const QByteArray bytes = url.toUtf8();
    const int colon = bytes.left(maxSchemeBytes).indexOf(':');
    if (colon < 0)
        return hashBytes(bytes);
    return (static_cast<qint64>(hashBytes(bytes.left(colon)) & 0xFFFF) << 32) | hashBytes(bytes);
}

QString reversedHost(const QString &url)
{
    QString host = QUrl(url).host(QUrl::FullyEncoded).toLower();
    std::reverse(host.begin(), host.end());
    return host + QLatin1Char('.');
}

QString originPrefix(const QString &url)
{
    const int colon = url.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return QLatin1String("");
    const int end = colon + 1;
    if (QStringView(url).mid(end, 2) == QLatin1String("//"))
        return url.left(end + 2);
    return url.left(end);
}

QString originHost(const QString &url)
{
    // Whatever the scheme: "javascript:void(0)" has the host "void(0)".
    QString authority = url.mid(originPrefix(url).size());
    for (const QChar stop : { QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#') }) {
        const int at = authority.indexOf(stop);
        if (at >= 0)
            authority.truncate(at);
    }
    QString host = authority.mid(authority.lastIndexOf(QLatin1Char('@')) + 1);
    // Empty, never null: moz_origins takes no NULL host.
    if (host.isNull())
        host = QLatin1String("");
    return host;
}

QString newGuid()
{
    quint8 bytes[9];
    for (quint8 &byte : bytes)
        byte = static_cast<quint8>(QRandomGenerator::system()->bounded(256));
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes)
            .toBase64(QByteArray::Base64UrlEncoding));
}

qint64 nowMicroseconds()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000;
}

} // namespace PlacesUrl
