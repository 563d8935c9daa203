// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailHelperPool.h"
#include "base/LogCategories.h"
#include "base/ModuleLoader.h"
#include "browser/thumbnails/DesktopThumbnailCache.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "browser/thumbnails/ThumbnailHelper.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace {

constexpr int maxHelpers = 4;
constexpr int idleEndMs = 60000;
constexpr int maxFailedStarts = 3;

} // namespace

ThumbnailHelperPool *ThumbnailHelperPool::shared()
{
    static QPointer<ThumbnailHelperPool> pool;
    if (!pool)
        pool = new ThumbnailHelperPool(defaultSize(), QCoreApplication::instance());
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
    for (int index = 0; index < size(); ++index) {
        Slot &slot = m_slots[size_t(index)];
        while (!slot.worker) {
            ThumbnailProtocol::Request request;
            ThumbLoaderWorker *worker = takeNextJob(request);
            if (!worker)
                return;
            // Without helpers, nothing can be made.
            if (!startHelper(index)) {
                worker->jobDone(request.path, QImage());
                continue;
            }
            slot.worker = worker;
            slot.request = request;
            slot.helper->make(request);
        }
    }
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
    auto *helper = new ThumbnailHelper(this);
    helper->setFileTimeout(m_fileTimeoutMs);
    if (!helper->start(ModuleLoader::path(QLatin1String(ThumbnailProtocol::helperName)))) {
        delete helper;
        return false;
    }
    connect(
        helper, &ThumbnailHelper::finished, this, [this, index](const QImage &icon) { finish(index, icon); });
    connect(helper, &ThumbnailHelper::died, this, [this, index](bool greeted) { lose(index, greeted); });
    slot.helper = helper;
    return true;
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
}

void ThumbnailHelperPool::finish(int index, const QImage &icon)
{
    Slot &slot = m_slots[size_t(index)];
    ThumbLoaderWorker *worker = slot.worker;
    slot.worker = nullptr;
    m_failedStarts = 0;
    if (worker)
        worker->jobDone(slot.request.path, icon);
    dispatch();
}

void ThumbnailHelperPool::lose(int index, bool greeted)
{
    Slot &slot = m_slots[size_t(index)];
    ThumbLoaderWorker *worker = slot.worker;
    const ThumbnailProtocol::Request request = slot.request;
    dropHelper(slot);
    if (!greeted && ++m_failedStarts == maxFailedStarts)
        qCWarning(
            lcThumbnails, "%s keeps ending as it starts: no more thumbnails", ThumbnailProtocol::helperName);
    if (worker) {
        qCDebug(lcThumbnails, "no thumbnail for %s: its helper ended", qUtf8Printable(request.path));
        // The file would stop the next helper the same way.
        if (greeted && !request.cacheRoot.isEmpty()) {
            const DesktopThumbnailCache cache(request.cacheRoot);
            cache.saveFailure(DesktopThumbnailCache::keyOf(request.path));
        }
        worker->jobDone(request.path, QImage());
    }
    dispatch();
}

void ThumbnailHelperPool::endIdleHelpers()
{
    for (Slot &slot : m_slots) {
        if (slot.helper && !slot.worker) {
            slot.helper->close();
            slot.helper->deleteLater();
            slot.helper = nullptr;
        }
    }
}
