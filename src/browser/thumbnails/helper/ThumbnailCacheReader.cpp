// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/ThumbnailCacheReader.h"
#include "exif/ImageBytes.h"

#include <QFile>
#include <QSize>

#include <sys/stat.h>
#include <zlib.h>

namespace {

// A 256 x 256 entry of 16-bit RGBA pixels stored without compression, with
// room for its texts.
constexpr qint64 maxEntryBytes = 1024 * 1024;
// Longer texts are not the cache's.
constexpr uLong maxTextBytes = 8192;
const QByteArray signature("\x89PNG\r\n\x1a\n", 8);

quint32 bigEndian32(const QByteArray &bytes, int at)
{
    return quint32(uchar(bytes[at])) << 24 | quint32(uchar(bytes[at + 1])) << 16
        | quint32(uchar(bytes[at + 2])) << 8 | quint32(uchar(bytes[at + 3]));
}

// A compressed text, as zTXt and iTXt chunks may hold; empty when it would
// inflate past maxTextBytes or does not inflate.
QByteArray inflated(const QByteArray &compressed)
{
    QByteArray text(int(maxTextBytes), Qt::Uninitialized);
    uLongf size = maxTextBytes;
    if (uncompress(reinterpret_cast<Bytef *>(text.data()), &size,
            reinterpret_cast<const Bytef *>(compressed.constData()), uLong(compressed.size()))
        != Z_OK)
        return QByteArray();
    text.truncate(int(size));
    return text;
}

// The keyword and text of a tEXt, zTXt or iTXt chunk; an empty keyword for
// anything else.
QPair<QByteArray, QByteArray> textOf(const QByteArray &type, const QByteArray &data)
{
    const int keyEnd = data.indexOf('\0');
    if (keyEnd <= 0)
        return {};
    const QByteArray key = data.left(keyEnd);
    if (type == "tEXt")
        return { key, data.mid(keyEnd + 1) };
    if (type == "zTXt")
        return { key,
            data.size() > keyEnd + 2 && data[keyEnd + 1] == 0 ? inflated(data.mid(keyEnd + 2))
                                                              : QByteArray() };
    if (type != "iTXt" || data.size() < keyEnd + 3)
        return {};
    // Compression flag and method, then a language tag and a translated
    // keyword, each ended by a zero byte.
    const bool compressed = data[keyEnd + 1] != 0;
    const int languageEnd = data.indexOf('\0', keyEnd + 3);
    const int translatedEnd = languageEnd < 0 ? -1 : data.indexOf('\0', languageEnd + 1);
    if (translatedEnd < 0)
        return {};
    const QByteArray text = data.mid(translatedEnd + 1);
    return { key, compressed ? inflated(text) : text };
}

// What an entry says of itself, read from its chunks without decoding them.
struct EntryFacts
{
    QSize size;
    QByteArray uri;
    QByteArray mtime;
};

bool readFacts(const QByteArray &png, EntryFacts &facts)
{
    if (!png.startsWith(signature))
        return false;
    for (int at = signature.size(); at + 12 <= png.size();) {
        const quint32 length = bigEndian32(png, at);
        if (length > quint32(png.size() - at - 12))
            return false;
        const QByteArray type = png.mid(at + 4, 4);
        const QByteArray data = png.mid(at + 8, int(length));
        if (at == signature.size()) {
            if (type != "IHDR" || length != 13)
                return false;
            facts.size = QSize(int(qMin<quint32>(bigEndian32(data, 0), INT_MAX)),
                int(qMin<quint32>(bigEndian32(data, 4), INT_MAX)));
        }
        if (type == "IEND")
            return true;
        const auto text = textOf(type, data);
        if (text.first == "Thumb::URI")
            facts.uri = text.second;
        else if (text.first == "Thumb::MTime")
            facts.mtime = text.second;
        at += 12 + int(length);
    }
    return false;
}

} // namespace

ThumbnailCacheReader::ThumbnailCacheReader(const int *entries)
    : m_entries(entries)
{ }

QByteArray ThumbnailCacheReader::validEntry(
    DesktopThumbnailCache::Folder folder, const DesktopThumbnailCache::Key &key) const
{
    if (!key.isValid())
        return QByteArray();
    const int descriptor = m_entries[folder];
    struct stat status {};
    QFile file;
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size > maxEntryBytes || !file.open(descriptor, QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray png = file.read(maxEntryBytes);
    const int edge = DesktopThumbnailCache::maxEdge(folder);
    EntryFacts facts;
    bool isTime = false;
    if (!readFacts(png, facts) || facts.size.isEmpty() || facts.size.width() > edge
        || facts.size.height() > edge || facts.uri != key.uri || facts.mtime.toLongLong(&isTime) != key.mtime
        || !isTime)
        return QByteArray();
    return png;
}

QImage ThumbnailCacheReader::find(const DesktopThumbnailCache::Key &key) const
{
    for (const auto folder : { DesktopThumbnailCache::Large, DesktopThumbnailCache::Normal }) {
        const QByteArray png = validEntry(folder, key);
        const QImage entry = png.isEmpty()
            ? QImage()
            : ImageBytes::decode(png, "PNG", DesktopThumbnailCache::maxEdge(folder));
        if (!entry.isNull())
            return entry;
    }
    return QImage();
}

bool ThumbnailCacheReader::hasFailed(const DesktopThumbnailCache::Key &key) const
{
    return !validEntry(DesktopThumbnailCache::Fail, key).isEmpty();
}
