// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/ThumbnailProtocol.h"

#include <QQueue>

// What a thumbnail helper does with each file it is asked for: the
// desktop's cached thumbnail when it holds a valid one, else one made from
// the file itself (see ThumbnailSources). The icon goes back at once; what
// was made, and what could not be, is written to the desktop's cache
// afterwards, an entry at a time while no other file waits.
class ThumbnailMaker
{
public:
    // The icon a file list shows of the file; null when it has none.
    QImage iconFor(const ThumbnailProtocol::Request &request);

    bool hasEntries() const { return !m_entries.isEmpty(); }
    // Writes the oldest entry waiting.
    void saveEntry();

private:
    struct Entry
    {
        QString cacheRoot;
        DesktopThumbnailCache::Key key;
        // Null: the file gave none.
        QImage thumbnail;
    };

    QQueue<Entry> m_entries;
};
