// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailHelperPool.h"
#include "base/LogCategories.h"
#include "base/ModuleLoader.h"
#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "browser/thumbnails/ThumbnailHelper.h"
#include "browser/thumbnails/helper/RegularFile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <malloc.h>
#include <sys/prctl.h>
#include <sys/stat.h>

namespace {

constexpr int maxHelpers = 4;
// The file a helper works on and the one it goes on with.
constexpr int jobsPerHelper = 2;
constexpr int idleEndMs = 60000;
constexpr int maxFailedStarts = 3;

// Icons are taken and dropped by the quarter megabyte. Mapped afresh for
// each, as large blocks are, their pages are faulted in every time, which
// on some virtual machines costs more than the rest of the icon; kept in
// the heap, the icons of a folder left serve those of the next one. Up to
// the icons' own memory bound stays with the program once freed.
void keepIconsInTheHeap()
{
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, int(ThumbLoaderWorker::defaultMemory));
}

// Opens what a helper is handed, which sees no files of its own: the file,
// as ever (none when it is no regular file: the helper then answers that it
// has no thumbnail), and its entries in the desktop's cache. Returns the
// file's key in that cache; invalid when the cache is left alone.
DesktopThumbnailCache::Key openHanded(ThumbnailProtocol::Request &request)
{
    struct stat status {};
    request.descriptor = RegularFile::openDescriptor(request.path, status);
    if (request.descriptor < 0 || request.cacheRoot.isEmpty())
        return DesktopThumbnailCache::Key();
    const DesktopThumbnailCache::Key key = DesktopThumbnailCache::keyOf(request.path, status);
    const DesktopThumbnailCache cache(request.cacheRoot);
    for (const auto folder :
        { DesktopThumbnailCache::Normal, DesktopThumbnailCache::Large, DesktopThumbnailCache::Fail }) {
        struct stat entryStatus {};
        request.entries[folder] = RegularFile::openDescriptor(cache.entryPath(folder, key), entryStatus);
    }
    return key;
}

} // namespace

ThumbnailHelperPool *ThumbnailHelperPool::shared()
{
    static QPointer<ThumbnailHelperPool> pool;
    if (!pool) {
        keepIconsInTheHeap();
        // A helper that got past its box, or any other program of the
        // user, may not read or write this process's memory.
        prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
        pool = new ThumbnailHelperPool(defaultSize(), QCoreApplication::instance());
    }
    return pool;
}

int ThumbnailHelperPool::defaultSize()
{
    return qBound(1, QThread::idealThreadCount(), maxHelpers);
}

ThumbnailHelperPool::ThumbnailHelperPool(int size, QObject *parent)
    : ThumbnailDispatcher(parent)
    , m_slots(size_t(qMax(1, size)))
    , m_fileTimeoutMs(ThumbnailHelper::defaultFileTimeoutMs)
    , m_confinement(HelperConfinement::available())
    , m_idleEnd(new QTimer(this))
{
    m_idleEnd->setSingleShot(true);
    m_idleEnd->setInterval(idleEndMs);
    connect(m_idleEnd, &QTimer::timeout, this, &ThumbnailHelperPool::endIdleHelpers);
}

ThumbnailHelperPool::~ThumbnailHelperPool()
{
    for (Slot &slot : m_slots)
        dropHelper(slot);
}

void ThumbnailHelperPool::attach(ThumbLoaderWorker *worker)
{
    if (!m_workers.contains(worker))
        m_workers.append(worker);
    // Started ahead, so that the first files of a list need not wait for
    // the helpers to load.
    for (int slot = 0; slot < size(); ++slot)
        startHelper(slot);
    m_idleEnd->start();
}

void ThumbnailHelperPool::detach(ThumbLoaderWorker *worker)
{
    cancel(worker);
    m_workers.removeAll(worker);
}

void ThumbnailHelperPool::wake()
{
    dispatch();
}

void ThumbnailHelperPool::cancel(ThumbLoaderWorker *worker)
{
    for (Slot &slot : m_slots) {
        if (slot.worker == worker)
            dropHelper(slot);
    }
}

void ThumbnailHelperPool::dispatch()
{
    // A result handed back may make its worker ask for more at once.
    if (m_dispatching) {
        m_dispatchAgain = true;
        return;
    }
    m_dispatching = true;
    do {
        m_dispatchAgain = false;
        dispatchOnce();
    } while (m_dispatchAgain);
    m_dispatching = false;
    const bool busy
        = std::any_of(m_slots.cbegin(), m_slots.cend(), [](const Slot &slot) { return slot.worker; });
    if (busy)
        m_idleEnd->stop();
    else if (!m_idleEnd->isActive())
        m_idleEnd->start();
}

void ThumbnailHelperPool::dispatchOnce()
{
    // Every helper gets a job before any gets a second one.
    for (int depth = 1; depth <= jobsPerHelper; ++depth) {
        for (int index = 0; index < size(); ++index) {
            while (m_slots[size_t(index)].jobs.size() < depth && fill(index)) { }
        }
    }
}

bool ThumbnailHelperPool::fill(int index)
{
    Slot &slot = m_slots[size_t(index)];
    ThumbnailProtocol::Request request;
    // A helper holds jobs of one list only, so that stopping a list kills
    // no other list's work.
    ThumbLoaderWorker *worker = slot.worker;
    if (worker ? !worker->takeJob(request) : !(worker = takeNextJob(request)))
        return false;
    // Without helpers, nothing can be made.
    if (!startHelper(index))
        worker->jobDone(request.path, QImage());
    else
        hand(slot, worker, request);
    return true;
}

void ThumbnailHelperPool::hand(
    Slot &slot, ThumbLoaderWorker *worker, const ThumbnailProtocol::Request &request)
{
    Job job { request, DesktopThumbnailCache::Key() };
    job.key = openHanded(job.request);
    slot.worker = worker;
    slot.helper->make(job.request);
    slot.jobs.append(job);
}

ThumbLoaderWorker *ThumbnailHelperPool::takeNextJob(ThumbnailProtocol::Request &request)
{
    for (int tried = 0; tried < m_workers.size(); ++tried) {
        ThumbLoaderWorker *worker = m_workers.at((m_nextWorker + tried) % m_workers.size());
        if (worker->takeJob(request)) {
            m_nextWorker = (m_nextWorker + tried + 1) % m_workers.size();
            return worker;
        }
    }
    return nullptr;
}

bool ThumbnailHelperPool::startHelper(int index)
{
    Slot &slot = m_slots[size_t(index)];
    if (slot.helper)
        return true;
    if (m_failedStarts >= maxFailedStarts)
        return false;
    const HelperConfinement confinement(m_confinement);
    auto *helper = new ThumbnailHelper(this);
    helper->setFileTimeout(m_fileTimeoutMs);
    if (!helper->start(ModuleLoader::path(QLatin1String(ThumbnailProtocol::helperName)), confinement)) {
        delete helper;
        // A helper that cannot be run at all is not tried again for every
        // file.
        countFailedStart();
        return false;
    }
    connect(helper, &ThumbnailHelper::finished, this,
        [this, index](const ThumbnailProtocol::Reply &reply) { finish(index, reply); });
    connect(helper, &ThumbnailHelper::died, this, [this, index](bool greeted) { lose(index, greeted); });
    slot.helper = helper;
    return true;
}

void ThumbnailHelperPool::countFailedStart()
{
    // Bubblewrap may be there and still unable to make its box.
    if (m_confinement == HelperConfinement::Bubblewrap) {
        qCWarning(lcThumbnails, "thumbnail helpers cannot start in bubblewrap: confined by %s only",
            HelperConfinement::nameOf(HelperConfinement::KernelMeans));
        m_confinement = HelperConfinement::KernelMeans;
        return;
    }
    if (++m_failedStarts == maxFailedStarts)
        qCWarning(
            lcThumbnails, "%s keeps failing to start: no more thumbnails", ThumbnailProtocol::helperName);
}

void ThumbnailHelperPool::dropHelper(Slot &slot)
{
    if (!slot.helper)
        return;
    slot.helper->kill();
    // Its own signal may be running.
    slot.helper->deleteLater();
    slot.helper = nullptr;
    slot.worker = nullptr;
    slot.jobs.clear();
}

void ThumbnailHelperPool::finish(int index, const ThumbnailProtocol::Reply &reply)
{
    Slot &slot = m_slots[size_t(index)];
    ThumbLoaderWorker *worker = slot.worker;
    const Job job = slot.jobs.takeFirst();
    if (slot.jobs.isEmpty())
        slot.worker = nullptr;
    m_failedStarts = 0;
    if (reply.save && job.key.isValid())
        m_cacheWriter.record(job.request.cacheRoot, job.key, reply.thumbnail);
    worker->jobDone(job.request.path, reply.icon);
    dispatch();
}

void ThumbnailHelperPool::lose(int index, bool greeted)
{
    Slot &slot = m_slots[size_t(index)];
    ThumbLoaderWorker *worker = slot.worker;
    QList<Job> jobs = slot.jobs;
    dropHelper(slot);
    if (!greeted)
        countFailedStart();
    if (jobs.isEmpty()) {
        dispatch();
        return;
    }
    const Job lost = jobs.takeFirst();
    // The files after it were never looked at: a new helper makes them.
    for (const Job &job : qAsConst(jobs)) {
        if (startHelper(index))
            hand(slot, worker, job.request);
        else
            worker->jobDone(job.request.path, QImage());
    }
    qCDebug(lcThumbnails, "no thumbnail for %s: its helper ended", qUtf8Printable(lost.request.path));
    // The file would stop the next helper the same way.
    if (greeted && lost.key.isValid())
        m_cacheWriter.record(lost.request.cacheRoot, lost.key, QImage());
    worker->jobDone(lost.request.path, QImage());
    dispatch();
}

void ThumbnailHelperPool::endIdleHelpers()
{
    for (Slot &slot : m_slots) {
        if (slot.helper && slot.jobs.isEmpty()) {
            slot.helper->close();
            slot.helper->deleteLater();
            slot.helper = nullptr;
        }
    }
}
