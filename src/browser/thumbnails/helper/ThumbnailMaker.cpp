// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/ThumbnailMaker.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/helper/RegularFile.h"
#include "browser/thumbnails/helper/ThumbnailCacheReader.h"
#include "browser/thumbnails/helper/ThumbnailSources.h"

#include <QFile>

#include <sys/stat.h>

namespace {

// Entries wait while other files are asked for, but no more than this many
// (about 200 KiB each).
constexpr int maxWaitingEntries = 64;

} // namespace

QImage ThumbnailMaker::iconFor(const ThumbnailProtocol::Request &request)
{
    // Other categories keep the file icons.
    if (request.mode != PicturesMode && request.mode != MovieMode)
        return QImage();
    QFile file;
    struct stat status
    {
    };
    if (!RegularFile::open(file, request.path, status))
        return QImage();
    const DesktopThumbnailCache::Key key = DesktopThumbnailCache::keyOf(request.path, status);
    const bool cached = !request.cacheRoot.isEmpty();
    if (cached) {
        const ThumbnailCacheReader cache { DesktopThumbnailCache(request.cacheRoot) };
        if (cache.hasFailed(key))
            return QImage();
        const QImage entry = cache.find(key);
        if (!entry.isNull())
            return ThumbnailSources::icon(entry, request.mode);
    }
    const QImage thumbnail = ThumbnailSources::thumbnail(file, request.path, request.mode);
    if (cached) {
        if (m_entries.size() >= maxWaitingEntries)
            saveEntry();
        m_entries.enqueue({ request.cacheRoot, key, thumbnail });
    }
    return ThumbnailSources::icon(thumbnail, request.mode);
}

void ThumbnailMaker::saveEntry()
{
    const Entry entry = m_entries.dequeue();
    const DesktopThumbnailCache cache(entry.cacheRoot);
    if (entry.thumbnail.isNull())
        cache.saveFailure(entry.key);
    else
        cache.save(entry.key, entry.thumbnail);
}
