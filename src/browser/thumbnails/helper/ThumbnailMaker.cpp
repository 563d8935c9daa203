// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/ThumbnailMaker.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/helper/ThumbnailCacheReader.h"
#include "browser/thumbnails/helper/ThumbnailSources.h"

#include <QFile>
#include <QScopeGuard>

#include <sys/stat.h>
#include <unistd.h>

ThumbnailProtocol::Reply ThumbnailMaker::replyTo(ThumbnailProtocol::Request &request)
{
    const auto closeAll = qScopeGuard([&request] { ThumbnailProtocol::closeDescriptors(request); });
    // Documents keep their type icons.
    if (request.descriptor < 0
        || (request.mode != PicturesMode && request.mode != MovieMode && request.mode != MusicMode))
        return {};
    QFile file;
    if (!file.open(request.descriptor, QIODevice::ReadOnly))
        return {};
    // The program checked the file; what it is now is what the cache
    // records.
    struct stat status {};
    if (::fstat(file.handle(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    const bool cached = !request.cacheRoot.isEmpty();
    if (cached) {
        const DesktopThumbnailCache::Key key = DesktopThumbnailCache::keyOf(request.path, status);
        const ThumbnailCacheReader cache(request.entries);
        if (cache.hasFailed(key))
            return {};
        const QImage entry = cache.find(key);
        if (!entry.isNull())
            return { ThumbnailSources::icon(entry, request.mode), false, QImage() };
    }
    const QImage thumbnail = ThumbnailSources::thumbnail(file, request.path, request.mode);
    return { ThumbnailSources::icon(thumbnail, request.mode), cached, thumbnail };
}
