// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/thumbnails/DesktopThumbnailCache.h"

// Looks files up in the desktop's thumbnail cache, where anyone who can
// write to it may have put anything, through the entries the program handed
// open with the file: the helper cannot reach the cache itself. An entry is
// read whole, and refused when it is larger than an entry of its folder can
// be; its chunks are then read before any pixel is decoded: the size it
// declares must fit its folder, and its Thumb::URI and Thumb::MTime must be
// those of the file.
class ThumbnailCacheReader
{
public:
    // The file's entries, open, in the order of DesktopThumbnailCache::Folder;
    // -1 where there is none. They stay the caller's.
    explicit ThumbnailCacheReader(const int *entries);

    // The valid entry of the file, large before normal; null when none.
    QImage find(const DesktopThumbnailCache::Key &key) const;
    // Whether a failure was recorded for the file as it is now.
    bool hasFailed(const DesktopThumbnailCache::Key &key) const;

private:
    // The entry's bytes when it belongs to the file and fits folder; empty
    // otherwise.
    QByteArray validEntry(DesktopThumbnailCache::Folder folder, const DesktopThumbnailCache::Key &key) const;

    const int *m_entries;
};
