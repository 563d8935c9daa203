// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TL09Engine.h"

#include "base/DeviceState.h"
#include "engine/CollectionHook.h"
#include "engine/copy/CopyJob.h"
#include "engine/copy/TemporaryJournal.h"
#include "engine/device/HalBackend.h"
#include "engine/device/UDisks2Backend.h"

namespace {

const unsigned long stopTimeoutMs = 3000;

} // namespace

TL09Engine::TL09Engine(QObject *parent)
    : TL09Engine(nullptr, parent)
{ }

TL09Engine::TL09Engine(DeviceBackend *backend, QObject *parent)
    : QThread(parent)
    , m_givenBackend(backend)
{
    if (m_givenBackend) {
        m_givenBackend->setParent(this);
    } else {
        // HAL is listened to from the start: it announces removals only to
        // those already listening. UDisks2 tells as fast.
        m_hal = new HalBackend(this);
    }
    watchRemovals(m_givenBackend ? m_givenBackend : m_hal);
}

TL09Engine::~TL09Engine()
{
    // A QThread must not be destroyed while it runs.
    stopThreads();
}

void TL09Engine::stopThreads()
{
    // The abort flag ends the walk at its next entry, a cancel a copy after
    // its chunk or question.
    m_abortRequested = true;
    cancelCopies();
    wait();
    if (m_hostSweep)
        m_hostSweep->wait();
    for (CopyJob *job : qAsConst(m_copies)) {
        if (job)
            job->waitForEnd();
    }
}

// The device: its back-ends, identification and mounting.

void TL09Engine::watchRemovals(DeviceBackend *backend)
{
    connect(backend, &DeviceBackend::deviceRemoved, this, &TL09Engine::delDevice);
}

DeviceBackend *TL09Engine::deviceBackend()
{
    if (m_givenBackend)
        return m_givenBackend;
    if (!UDisks2Backend::isInCharge())
        return m_hal;
    if (!m_udisks2) {
        m_udisks2 = new UDisks2Backend(this);
        watchRemovals(m_udisks2);
    }
    return m_udisks2;
}

bool TL09Engine::isDeviceNode(const QString &udi)
{
    return m_hal && m_hal->isDeviceNode(udi);
}

QString TL09Engine::deviceVolumeUdi()
{
    return m_hal ? m_hal->deviceVolumeUdi() : QString();
}

void TL09Engine::findDeviceVolume()
{
    deviceBackend()->findDeviceVolume();
}

void TL09Engine::mountDevice()
{
    deviceBackend()->mountDevice();
}

SafeRemoval *TL09Engine::safelyRemoveDevice()
{
    return deviceBackend()->safelyRemoveDevice();
}

void TL09Engine::delDevice(const QString &udi)
{
    forgetDevice(udi);
}

// The collection thread and the bookmark models it reloads.

void TL09Engine::startDataCollection()
{
    stopDataCollection();
    m_abortRequested = false;
    start(InheritPriority);
}

void TL09Engine::startRefreshAfterCopy()
{
    m_refreshAfterCopy = true;
    startDataCollection();
}

void TL09Engine::stopDataCollection()
{
    if (!isRunning())
        return;
    m_abortRequested = true;
    // Calls made directly afterwards (tests, or the next start) count again.
    if (wait(stopTimeoutMs))
        m_abortRequested = false;
}

bool TL09Engine::isFirstCollectionOfDevice()
{
    const quint64 arrival = deviceArrival();
    const bool first = arrival != m_collectedArrival;
    m_collectedArrival = arrival;
    return first;
}

void TL09Engine::sweepHostTemporaries()
{
    m_hostSweep.reset(QThread::create(&TemporaryJournal::sweepHost));
    m_hostSweep->start(QThread::LowPriority);
}

void TL09Engine::run()
{
    // Files an interrupted copy left behind, on the device or the PC, would
    // take space for good; a copy still running owns its own (the sweep
    // waits for none).
    if (isFirstCollectionOfDevice()) {
        TemporaryJournal::sweep(mountPoint());
        TemporaryJournal::sweepHost();
    }
    const bool ok = collectData();
    if (!m_refreshAfterCopy)
        reloadBookmarks();
    if (!m_refreshAfterCopy && checkDeviceFolders() && !m_abortRequested)
        emit dataCollectionFinished(ok);
    m_refreshAfterCopy = false;
}

void TL09Engine::setHostBookmarkModel(CollectionHook *model)
{
    QMutexLocker locker(&m_bookmarkModelsLock);
    m_hostBookmarkModel = model;
}

void TL09Engine::setDeviceBookmarkModel(CollectionHook *model)
{
    QMutexLocker locker(&m_bookmarkModelsLock);
    m_deviceBookmarkModel = model;
}

CollectionHook *TL09Engine::hostBookmarkModel() const
{
    QMutexLocker locker(&m_bookmarkModelsLock);
    return m_hostBookmarkModel;
}

CollectionHook *TL09Engine::deviceBookmarkModel() const
{
    QMutexLocker locker(&m_bookmarkModelsLock);
    return m_deviceBookmarkModel;
}

void TL09Engine::reloadBookmarks()
{
    // The models read their stores here and hand the new trees to the GUI
    // thread themselves. A model that goes meanwhile waits in its
    // destructor until its reload has returned.
    QMutexLocker locker(&m_bookmarkModelsLock);
    for (CollectionHook *model : { m_hostBookmarkModel, m_deviceBookmarkModel }) {
        if (model && !m_abortRequested)
            model->reload();
    }
}

// Storage accounting, done by m_storage.

bool TL09Engine::checkDeviceFolders()
{
    const StorageAccounting::Readiness readiness = m_storage.checkDeviceFolders();
    m_readOnly = readiness == StorageAccounting::Readiness::ReadOnly;
    m_mountedReadOnly = readiness == StorageAccounting::Readiness::MountedReadOnly;
    return readiness != StorageAccounting::Readiness::NoDevice;
}

void TL09Engine::spaceUsage(quint64 *total, quint64 *used) const
{
    m_storage.spaceUsage(total, used);
}

QString TL09Engine::deviceModel() const
{
    return m_storage.deviceModel();
}

bool TL09Engine::collectData()
{
    m_counted = {};
    if (!checkDeviceFolders() || !sumFolder(mountPoint()))
        return false;
    quint64 capacity;
    quint64 used;
    spaceUsage(&capacity, &used);
    if (capacity == 0)
        return false;
    const auto percent = [capacity](qint64 bytes) { return double(bytes) / double(capacity) * 100.0; };
    const StorageShares shares { percent(m_counted.pictures), percent(m_counted.music),
        percent(m_counted.video), percent(m_counted.documents) };
    // The main window reads the figures in its own thread, as one set.
    QMutexLocker locker(&m_sharesLock);
    m_shares = shares;
    return true;
}

TL09Engine::StorageShares TL09Engine::storageShares() const
{
    QMutexLocker locker(&m_sharesLock);
    return m_shares;
}

bool TL09Engine::sumFolder(const QString &path)
{
    CategoryBytes found;
    const bool complete = m_storage.sumFolder(path, &found);
    m_counted.pictures += found.pictures;
    m_counted.music += found.music;
    m_counted.video += found.video;
    m_counted.documents += found.documents;
    return complete;
}

// The copies: each a job of its own.

CopyJob *TL09Engine::makeCopy(const CopyRequest &request, QObject *owner)
{
    DeviceBackend *listened = m_givenBackend ? m_givenBackend : m_hal;
    auto *job = new CopyJob(request, listened->removalNoticeMs(), owner);
    m_copies.removeAll(nullptr);
    m_copies.append(job);
    connect(job, &CopyJob::finished, this, [this, job] {
        if (!job->foundNothing())
            startRefreshAfterCopy();
    });
    return job;
}

void TL09Engine::cancelCopies()
{
    for (CopyJob *job : qAsConst(m_copies)) {
        if (job)
            job->cancel();
    }
}
