// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "base/BrowserMode.h"
#include "base/Logger.h"
#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/ThumbnailHelperPool.h"

#include <QFile>
#include <QTimer>

#include <sys/stat.h>

namespace {

// How often files being copied in are looked at: one that kept its size and
// time over a whole period is taken as complete.
constexpr int arrivalCheckMs = 400;

bool makesThumbnails(int mode)
{
    return mode == PicturesMode || mode == MovieMode || mode == MusicMode;
}

} // namespace

ThumbLoaderWorker::ThumbLoaderWorker(QObject *parent)
    : ThumbLoaderWorker(ThumbnailHelperPool::shared(), parent)
{ }

ThumbLoaderWorker::ThumbLoaderWorker(ThumbnailDispatcher *dispatcher, QObject *parent)
    : QObject(parent)
    , m_mode(MovieMode)
    , m_cacheRoot(DesktopThumbnailCache::defaultRoot())
    , m_arrivalCheck(new QTimer(this))
{
    m_arrivalCheck->setInterval(arrivalCheckMs);
    connect(m_arrivalCheck, &QTimer::timeout, this, [this] { checkArrivals(true); });
    setDispatcher(dispatcher);
}

ThumbLoaderWorker::~ThumbLoaderWorker()
{
    if (m_dispatcher)
        m_dispatcher->detach(this);
}

void ThumbLoaderWorker::setDispatcher(ThumbnailDispatcher *dispatcher)
{
    if (m_dispatcher)
        m_dispatcher->detach(this);
    m_dispatcher = dispatcher;
    m_dispatcher->attach(this);
}

void ThumbLoaderWorker::addFiles(const QList<QFileInfo> &files, int mode)
{
    m_mode = mode;
    if (!makesThumbnails(mode)) {
        QTimer::singleShot(0, this, &ThumbLoaderWorker::updateIcons);
        return;
    }
    for (const QFileInfo &file : files) {
        const QString path = file.absoluteFilePath();
        if (!m_entries.contains(path))
            request(path, false);
    }
    wake();
}

void ThumbLoaderWorker::setVisibleFiles(const QStringList &paths)
{
    if (m_viewReports && paths == m_inView)
        return;
    m_viewReports = true;
    m_inView = paths;
    m_inViewSet = QSet<QString>(paths.cbegin(), paths.cend());
    // Backwards, each to the front: the first row ends first.
    for (auto path = paths.crbegin(); path != paths.crend(); ++path) {
        const auto found = m_entries.find(*path);
        if (found == m_entries.end()) {
            if (makesThumbnails(m_mode))
                request(*path, true);
        } else if (found->state == ThumbnailState::Requested) {
            m_waiting.splice(m_waiting.begin(), m_waiting, found->place);
        } else if (found->state == ThumbnailState::Shown) {
            m_uses.splice(m_uses.end(), m_uses, found->place);
        } else if (found->state == ThumbnailState::Cached) {
            show(*path, *found);
        }
    }
    wake();
}

void ThumbLoaderWorker::addArrivingFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (m_entries.contains(path))
            continue;
        Entry &entry = m_entries[path];
        entry.state = ThumbnailState::Arriving;
        ++m_arriving;
    }
    if (m_arriving > 0 && !m_arrivalCheck->isActive())
        m_arrivalCheck->start();
}

void ThumbLoaderWorker::releaseArrivingFiles()
{
    checkArrivals(false);
}

void ThumbLoaderWorker::checkArrivals(bool settledOnly)
{
    for (auto entry = m_entries.begin(); entry != m_entries.end();) {
        if (entry->state != ThumbnailState::Arriving) {
            ++entry;
            continue;
        }
        struct stat status {};
        if (::lstat(QFile::encodeName(entry.key()).constData(), &status) != 0) {
            --m_arriving;
            entry = m_entries.erase(entry);
            continue;
        }
        const qint64 mtime = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
        const bool grown = status.st_size != entry->size || mtime != entry->mtime;
        entry->size = status.st_size;
        entry->mtime = mtime;
        if (!settledOnly || (!grown && status.st_size > 0)) {
            --m_arriving;
            entry->state = ThumbnailState::Requested;
            entry->place = m_inViewSet.contains(entry.key())
                ? m_waiting.insert(m_waiting.begin(), entry.key())
                : m_waiting.insert(m_waiting.end(), entry.key());
        }
        ++entry;
    }
    if (m_arriving == 0)
        m_arrivalCheck->stop();
    wake();
}

void ThumbLoaderWorker::forget(const QString &path)
{
    const auto found = m_entries.find(path);
    if (found == m_entries.end())
        return;
    unlink(*found);
    m_entries.erase(found);
}

void ThumbLoaderWorker::setIcon(const QString &path, const QImage &icon)
{
    if (icon.isNull())
        return;
    auto found = m_entries.find(path);
    if (found == m_entries.end())
        found = m_entries.insert(path, Entry());
    else
        unlink(*found);
    store(path, *found, icon);
}

ThumbnailState ThumbLoaderWorker::state(const QString &path) const
{
    const auto found = m_entries.constFind(path);
    return found == m_entries.cend() ? ThumbnailState::Unknown : found->state;
}

bool ThumbLoaderWorker::isAwaited(const QString &path) const
{
    const ThumbnailState now = state(path);
    return now == ThumbnailState::Requested || now == ThumbnailState::InFlight;
}

QImage ThumbLoaderWorker::thumbnail(const QString &path) const
{
    const auto found = m_entries.constFind(path);
    return found == m_entries.cend() ? QImage() : found->icon;
}

void ThumbLoaderWorker::setMemoryLimit(qint64 bytes)
{
    m_maxBytes = bytes;
    makeRoom(QString());
}

bool ThumbLoaderWorker::takeJob(ThumbnailProtocol::Request &job)
{
    if (m_waiting.empty())
        return false;
    const QString path = m_waiting.front();
    m_waiting.pop_front();
    m_entries[path].state = ThumbnailState::InFlight;
    ++m_inFlight;
    job = ThumbnailProtocol::Request { m_mode, path, m_cacheRoot };
    return true;
}

void ThumbLoaderWorker::jobDone(const QString &path, const QImage &icon)
{
    // Its row may have gone meanwhile.
    const auto found = m_entries.find(path);
    if (found == m_entries.end() || found->state != ThumbnailState::InFlight)
        return;
    --m_inFlight;
    if (icon.isNull())
        found->state = ThumbnailState::Failed;
    else
        store(path, *found, icon);
    if (m_waiting.empty() && m_inFlight == 0)
        emit updateIcons();
}

void ThumbLoaderWorker::stopProcess()
{
    if (m_dispatcher)
        m_dispatcher->cancel(this);
    m_entries.clear();
    m_waiting.clear();
    m_uses.clear();
    m_inView.clear();
    m_inViewSet.clear();
    m_inFlight = 0;
    m_arriving = 0;
    m_bytes = 0;
    m_arrivalCheck->stop();
    Logger::instance()->log("thread stopped");
}

void ThumbLoaderWorker::request(const QString &path, bool first)
{
    Entry &entry = m_entries[path];
    entry.state = ThumbnailState::Requested;
    entry.place = m_waiting.insert(first ? m_waiting.begin() : m_waiting.end(), path);
}

void ThumbLoaderWorker::store(const QString &path, Entry &entry, const QImage &icon)
{
    entry.icon = icon;
    entry.place = m_uses.insert(m_uses.end(), path);
    entry.state = ThumbnailState::Cached;
    m_bytes += entry.icon.sizeInBytes();
    // The newest is kept, even when it alone passes the bound.
    makeRoom(path);
    // Finding a row by its path goes through the whole folder: once a view
    // reports what it shows, only those rows are told; the others show the
    // icon whenever they are painted, and are told when they come into view.
    if (!m_viewReports || m_inViewSet.contains(path))
        show(path, m_entries[path]);
}

void ThumbLoaderWorker::show(const QString &path, Entry &entry)
{
    entry.state = ThumbnailState::Shown;
    m_uses.splice(m_uses.end(), m_uses, entry.place);
    emit sendIcon(path, entry.icon);
}

void ThumbLoaderWorker::makeRoom(const QString &kept)
{
    for (auto use = m_uses.begin(); m_bytes > m_maxBytes && use != m_uses.end();) {
        const QString path = *use++;
        if (path != kept && !m_inViewSet.contains(path))
            forget(path);
    }
}

void ThumbLoaderWorker::unlink(Entry &entry)
{
    switch (entry.state) {
    case ThumbnailState::Requested:
        m_waiting.erase(entry.place);
        break;
    case ThumbnailState::Cached:
    case ThumbnailState::Shown:
        m_bytes -= entry.icon.sizeInBytes();
        m_uses.erase(entry.place);
        break;
    case ThumbnailState::InFlight:
        --m_inFlight;
        break;
    case ThumbnailState::Arriving:
        --m_arriving;
        break;
    case ThumbnailState::Unknown:
    case ThumbnailState::Failed:
        break;
    }
}

void ThumbLoaderWorker::wake()
{
    if (!m_waiting.empty() && m_dispatcher)
        m_dispatcher->wake();
}
