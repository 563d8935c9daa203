// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/ThumbnailMaker.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/helper/ThumbnailCacheReader.h"
#include "browser/thumbnails/helper/ThumbnailSources.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Entries wait for the writer, but no more than this many (about 200 KiB
// each).
constexpr int maxWaitingEntries = 64;

} // namespace

ThumbnailMaker::ThumbnailMaker()
    : m_writer(&ThumbnailMaker::writeEntries, this)
{ }

ThumbnailMaker::~ThumbnailMaker()
{
    {
        const std::lock_guard<std::mutex> locked(m_lock);
        m_ending = true;
    }
    m_changed.notify_all();
    m_writer.join();
}

QImage ThumbnailMaker::iconFor(const ThumbnailProtocol::Request &request)
{
    // The file handed is ours to close, whatever comes of it.
    auto file = std::make_shared<QFile>();
    if (request.descriptor >= 0
        && !file->open(request.descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        ::close(request.descriptor);
    // Other categories keep the file icons.
    if (!file->isOpen() || (request.mode != PicturesMode && request.mode != MovieMode))
        return QImage();
    // The program checked the file; what it is now is what the cache
    // records.
    struct stat status {};
    if (::fstat(file->handle(), &status) != 0 || !S_ISREG(status.st_mode))
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
    const QImage thumbnail = ThumbnailSources::thumbnail(*file, request.path, request.mode);
    if (cached)
        enqueue({ request.cacheRoot, key, thumbnail, file });
    return ThumbnailSources::icon(thumbnail, request.mode);
}

void ThumbnailMaker::enqueue(const Entry &entry)
{
    std::unique_lock<std::mutex> locked(m_lock);
    m_changed.wait(locked, [this] { return m_entries.size() < maxWaitingEntries; });
    m_entries.enqueue(entry);
    locked.unlock();
    m_changed.notify_all();
}

void ThumbnailMaker::writeEntries()
{
    std::unique_lock<std::mutex> locked(m_lock);
    for (;;) {
        m_changed.wait(locked, [this] { return m_ending || !m_entries.isEmpty(); });
        if (m_entries.isEmpty())
            return;
        const Entry entry = m_entries.head();
        locked.unlock();
        const DesktopThumbnailCache cache(entry.cacheRoot);
        if (entry.thumbnail.isNull())
            cache.saveFailure(entry.key, entry.file->handle());
        else
            cache.save(entry.key, entry.thumbnail, entry.file->handle());
        locked.lock();
        m_entries.dequeue();
        m_changed.notify_all();
    }
}
