// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailMemoryCache.h"

namespace {

qint64 pixelBytes(const QPixmap &pixmap)
{
    return qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
}

} // namespace

ThumbnailMemoryCache::ThumbnailMemoryCache(qint64 maxBytes)
    : m_maxBytes(maxBytes)
{ }

QStringList ThumbnailMemoryCache::setMaxBytes(qint64 maxBytes)
{
    m_maxBytes = maxBytes;
    return makeRoom(QString());
}

QPixmap ThumbnailMemoryCache::peek(const QString &path) const
{
    const auto found = m_entries.constFind(path);
    return found == m_entries.cend() ? QPixmap() : found->pixmap;
}

QStringList ThumbnailMemoryCache::insert(const QString &path, const QPixmap &pixmap)
{
    remove(path);
    m_uses.push_back(path);
    m_entries.insert(path, Entry { pixmap, std::prev(m_uses.end()) });
    m_bytes += pixelBytes(pixmap);
    // The newest is kept, even when it alone passes the bound.
    return makeRoom(path);
}

void ThumbnailMemoryCache::remove(const QString &path)
{
    const auto found = m_entries.find(path);
    if (found == m_entries.end())
        return;
    m_bytes -= pixelBytes(found->pixmap);
    m_uses.erase(found->use);
    m_entries.erase(found);
}

void ThumbnailMemoryCache::clear()
{
    m_entries.clear();
    m_uses.clear();
    m_inView.clear();
    m_bytes = 0;
}

void ThumbnailMemoryCache::setInView(const QSet<QString> &paths)
{
    m_inView = paths;
    for (const QString &path : paths) {
        const auto found = m_entries.find(path);
        if (found != m_entries.end())
            touch(*found);
    }
}

void ThumbnailMemoryCache::touch(Entry &entry)
{
    m_uses.splice(m_uses.end(), m_uses, entry.use);
}

QStringList ThumbnailMemoryCache::makeRoom(const QString &kept)
{
    QStringList dropped;
    auto use = m_uses.begin();
    while (m_bytes > m_maxBytes && use != m_uses.end()) {
        const QString path = *use++;
        if (path == kept || m_inView.contains(path))
            continue;
        remove(path);
        dropped.append(path);
    }
    return dropped;
}
