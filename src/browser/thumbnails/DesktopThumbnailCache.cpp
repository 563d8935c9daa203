// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/DesktopThumbnailCache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <array>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace {

constexpr int normalEdge = 128;
constexpr int largeEdge = 256;
// Our failure entries are blank pixels.
constexpr int failEdge = 1;
// A file changed this recently may still be being written (a copy in
// progress): an entry made from it now could describe half a picture and
// would stay valid, its time stamp having only a one-second resolution.
constexpr qint64 settleSeconds = 3;
// Keeps writing entries cheap; they are small and read far more often.
constexpr int pngQuality = 50;

// Characters the desktop's libraries leave unescaped in a file URI's path.
bool isPathSafe(uchar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || QByteArray("!$&'()*+,-./:=@_~").contains(char(c));
}

quint32 crc32(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> values {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            values[n] = c;
        }
        return values;
    }();
    quint32 crc = 0xFFFFFFFFU;
    for (const char byte : bytes)
        crc = table[(crc ^ uchar(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFU;
}

void appendBigEndian32(QByteArray &bytes, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes += char((value >> shift) & 0xFF);
}

// An uncompressed tEXt chunk, as the desktop's own thumbnailers write them.
QByteArray textChunk(const QByteArray &key, const QByteArray &value)
{
    const QByteArray body = "tEXt" + key + '\0' + value;
    QByteArray chunk;
    appendBigEndian32(chunk, quint32(body.size() - 4));
    chunk += body;
    appendBigEndian32(chunk, crc32(body));
    return chunk;
}

// The PNG of image with the cache's text chunks right after its header.
QByteArray entryPng(const QImage &image, const DesktopThumbnailCache::Key &key)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    writer.setQuality(pngQuality);
    if (!writer.write(image))
        return QByteArray();
    // Signature (8 bytes) and the IHDR chunk (25 bytes) come first.
    constexpr int afterHeader = 33;
    const QByteArray texts = textChunk("Thumb::URI", key.uri)
        + textChunk("Thumb::MTime", QByteArray::number(key.mtime))
        + textChunk("Thumb::Size", QByteArray::number(key.size))
        + textChunk("Software", "OpaloSync " OPALO_VERSION);
    return png.insert(afterHeader, texts);
}

// Creates path and its missing parents readable by the owner only, as the
// cache holds pictures of the user's files.
bool makePrivateFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !makePrivateFolder(parent))
        return false;
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0 || errno == EEXIST;
}

QImage fittedInto(const QImage &image, int edge)
{
    if (image.width() <= edge && image.height() <= edge)
        return image;
    return image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

DesktopThumbnailCache::DesktopThumbnailCache(const QString &root)
    : m_root(root)
{ }

QString DesktopThumbnailCache::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/thumbnails");
}

QByteArray DesktopThumbnailCache::fileUri(const QString &absolutePath)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray uri("file://");
    for (const char byte : QFile::encodeName(absolutePath)) {
        const auto c = uchar(byte);
        if (isPathSafe(c)) {
            uri += byte;
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0xF];
        }
    }
    return uri;
}

DesktopThumbnailCache::Key DesktopThumbnailCache::keyOf(const QString &absolutePath)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(absolutePath).constData(), &status) != 0)
        return Key();
    return keyOf(absolutePath, status);
}

DesktopThumbnailCache::Key DesktopThumbnailCache::keyOf(
    const QString &absolutePath, const struct stat &status)
{
    Key key;
    if (!S_ISREG(status.st_mode))
        return key;
    key.path = absolutePath;
    key.uri = fileUri(absolutePath);
    key.entryName = QString::fromLatin1(QCryptographicHash::hash(key.uri, QCryptographicHash::Md5).toHex())
        + QStringLiteral(".png");
    key.mtime = qint64(status.st_mtime);
    key.size = qint64(status.st_size);
    return key;
}

int DesktopThumbnailCache::maxEdge(Folder folder)
{
    switch (folder) {
    case Normal:
        return normalEdge;
    case Large:
        return largeEdge;
    case Fail:
        break;
    }
    return failEdge;
}

QString DesktopThumbnailCache::folderPath(Folder folder) const
{
    switch (folder) {
    case Normal:
        return m_root + QStringLiteral("/normal");
    case Large:
        return m_root + QStringLiteral("/large");
    case Fail:
        break;
    }
    return m_root + QStringLiteral("/fail/opalosync-" OPALO_VERSION);
}

QString DesktopThumbnailCache::entryPath(Folder folder, const Key &key) const
{
    return folderPath(folder) + QLatin1Char('/') + key.entryName;
}

bool DesktopThumbnailCache::mayWrite(const Key &key) const
{
    // A file on the device is still there, unchanged, only while the device
    // is mounted: one that vanished is never recorded as a failure.
    const Key now = keyOf(key.path);
    return key.isValid() && now.isValid() && now.mtime == key.mtime && now.size == key.size
        && QDateTime::currentSecsSinceEpoch() - key.mtime >= settleSeconds;
}

bool DesktopThumbnailCache::save(const Key &key, const QImage &thumbnail) const
{
    const int longer = qMax(thumbnail.width(), thumbnail.height());
    // Smaller pictures would look blurred in the desktop's own views.
    if (longer < normalEdge || !mayWrite(key))
        return false;
    if (longer >= largeEdge)
        return writeEntry(Large, key, fittedInto(thumbnail, largeEdge));
    return writeEntry(Normal, key, fittedInto(thumbnail, normalEdge));
}

bool DesktopThumbnailCache::saveFailure(const Key &key) const
{
    if (!mayWrite(key))
        return false;
    QImage blank(failEdge, failEdge, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    return writeEntry(Fail, key, blank);
}

bool DesktopThumbnailCache::writeEntry(Folder folder, const Key &key, const QImage &image) const
{
    const QString path = folderPath(folder);
    const QByteArray png = entryPng(image, key);
    if (png.isEmpty() || !makePrivateFolder(path))
        return false;
    // Written beside and renamed over, so that a reader never sees half an
    // entry; QTemporaryFile makes it readable by the owner only.
    QTemporaryFile temporary(path + QStringLiteral("/.opalosync-XXXXXX.png"));
    if (!temporary.open() || temporary.write(png) != png.size() || !temporary.flush())
        return false;
    const QByteArray from = QFile::encodeName(temporary.fileName());
    const QByteArray to = QFile::encodeName(entryPath(folder, key));
    if (std::rename(from.constData(), to.constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}
