// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailCacheWriter.h"

namespace {

// Some 200 KiB each.
constexpr int maxWaitingEntries = 64;

} // namespace

ThumbnailCacheWriter::ThumbnailCacheWriter()
    : m_writer(&ThumbnailCacheWriter::writeEntries, this)
{ }

ThumbnailCacheWriter::~ThumbnailCacheWriter()
{
    {
        const std::lock_guard<std::mutex> locked(m_lock);
        m_ending = true;
    }
    m_changed.notify_all();
    m_writer.join();
}

void ThumbnailCacheWriter::record(
    const QString &root, const DesktopThumbnailCache::Key &key, const QImage &thumbnail)
{
    {
        const std::lock_guard<std::mutex> locked(m_lock);
        if (m_entries.size() >= maxWaitingEntries)
            return;
        m_entries.enqueue({ root, key, thumbnail });
    }
    m_changed.notify_all();
}

void ThumbnailCacheWriter::writeEntries()
{
    std::unique_lock<std::mutex> locked(m_lock);
    for (;;) {
        m_changed.wait(locked, [this] { return m_ending || !m_entries.isEmpty(); });
        if (m_entries.isEmpty())
            return;
        const Entry entry = m_entries.dequeue();
        locked.unlock();
        const DesktopThumbnailCache cache(entry.root);
        if (entry.thumbnail.isNull())
            cache.saveFailure(entry.key);
        else
            cache.save(entry.key, entry.thumbnail);
        locked.lock();
    }
}
