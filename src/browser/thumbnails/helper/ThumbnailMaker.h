// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/ThumbnailProtocol.h"

#include <QFile>
#include <QQueue>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

// What a thumbnail helper does with each file it is asked for: the
// desktop's cached thumbnail when it holds a valid one, else one made from
// the file itself (see ThumbnailSources). The icon goes back at once; what
// was made, and what could not be, is written to the desktop's cache by a
// thread of its own meanwhile, so that the next file need not wait for it
// and a helper killed for a folder left has lost little of it.
class ThumbnailMaker
{
public:
    ThumbnailMaker();
    // Writes every entry waiting first.
    ~ThumbnailMaker();
    ThumbnailMaker(const ThumbnailMaker &) = delete;
    ThumbnailMaker &operator=(const ThumbnailMaker &) = delete;

    // The icon a file list shows of the file; null when it has none.
    QImage iconFor(const ThumbnailProtocol::Request &request);

private:
    struct Entry
    {
        QString cacheRoot;
        DesktopThumbnailCache::Key key;
        // Null: the file gave none.
        QImage thumbnail;
        // The file, kept open until its entry is written, which tells
        // whether it changed meanwhile.
        std::shared_ptr<QFile> file;
    };

    void enqueue(const Entry &entry);
    void writeEntries();

    std::mutex m_lock;
    std::condition_variable m_changed;
    QQueue<Entry> m_entries;
    bool m_ending = false;
    std::thread m_writer;
};
