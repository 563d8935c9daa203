// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/DesktopThumbnailCache.h"

#include <QQueue>

#include <condition_variable>
#include <mutex>
#include <thread>

// Writes what the thumbnail helpers made into the desktop's cache, from a
// thread of its own: the helpers can write nowhere, and the list's thread
// never waits for an entry's compression or its disk.
class ThumbnailCacheWriter
{
public:
    ThumbnailCacheWriter();
    // Writes every entry waiting first.
    ~ThumbnailCacheWriter();
    ThumbnailCacheWriter(const ThumbnailCacheWriter &) = delete;
    ThumbnailCacheWriter &operator=(const ThumbnailCacheWriter &) = delete;

    // Records the file of key in the cache at root: its thumbnail, or a
    // failure when that is null. Returns at once; past a few dozen entries
    // waiting, the entry is dropped and the file made again on its next
    // visit.
    void record(const QString &root, const DesktopThumbnailCache::Key &key, const QImage &thumbnail);

private:
    struct Entry
    {
        QString root;
        DesktopThumbnailCache::Key key;
        QImage thumbnail;
    };

    void writeEntries();

    std::mutex m_lock;
    std::condition_variable m_changed;
    QQueue<Entry> m_entries;
    bool m_ending = false;
    std::thread m_writer;
};
