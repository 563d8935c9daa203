// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/PlacesUrl.h"

#include <QByteArray>
#include <QDateTime>
#include <QRandomGenerator>
#include <QUrl>

#include <algorithm>

namespace {

// Firefox hashes at most this many bytes of a URL, and looks for the end of
// the scheme only among the first 50.
const int maxHashedBytes = 1500;
const int maxSchemeBytes = 50;
const quint32 goldenRatio = 0x9E3779B9u;

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
    QUrl parsed(url);
    if (!parsed.isValid())
        return url;
    if (!parsed.host().isEmpty() && parsed.path().isEmpty())
        parsed.setPath(QStringLiteral("/"));
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
        return QString();
    const int end = colon + 1;
    if (url.midRef(end, 2) == QLatin1String("//"))
        return url.left(end + 2);
    return url.left(end);
}

QString originHost(const QString &url)
{
    const QString prefix = originPrefix(url);
    if (!prefix.endsWith(QLatin1String("//")))
        return QString();
    QString authority = url.mid(prefix.size());
    for (const QChar stop : { QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#') }) {
        const int at = authority.indexOf(stop);
        if (at >= 0)
            authority.truncate(at);
    }
    return authority.mid(authority.lastIndexOf(QLatin1Char('@')) + 1).toLower();
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
