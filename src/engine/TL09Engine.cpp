// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TL09Engine.h"

#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "engine/CollectionHook.h"
#include "engine/copy/CopySelection.h"
#include "engine/copy/TemporaryJournal.h"
#include "engine/device/HalBackend.h"
#include "engine/device/UDisks2Backend.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

const unsigned long stopTimeoutMs = 3000;

} // namespace

TL09Engine *TL09Engine::instance()
{
    static TL09Engine *const engine = [] {
        auto *created = new TL09Engine;
        // The engine is never destroyed, but its threads must not outlive
        // the application object: they use what goes with it. Without an
        // event loop that ends, the application's destructor stops them.
        if (const QCoreApplication *application = QCoreApplication::instance())
            connect(application, &QCoreApplication::aboutToQuit, created, &TL09Engine::stopThreads);
        qAddPostRoutine([] { TL09Engine::instance()->stopThreads(); });
        return created;
    }();
    return engine;
}

TL09Engine::TL09Engine(QObject *parent)
    : TL09Engine(nullptr, parent)
{ }

TL09Engine::TL09Engine(DeviceBackend *backend, QObject *parent)
    : QThread(parent)
    , m_givenBackend(backend)
    , m_copy(this)
{
    // The worker's questions cross threads: a program that links the engine
    // and nothing else must still receive them.
    qRegisterMetaType<CopyDlg>("CopyDlg");
    qRegisterMetaType<BrowserMode>("BrowserMode");
    connect(&m_copy, &AsyncCopy::selectionSized, this, &TL09Engine::receiveSelectionSize);
    connect(&m_copy, &AsyncCopy::bytesWritten, this, &TL09Engine::receiveBytesWritten);
    connect(&m_copy, &AsyncCopy::bytesPerSecond, this, &TL09Engine::receiveBytesPerSecond);
    connect(&m_copy, &AsyncCopy::fileNameChanged, this, &TL09Engine::copyFileNameChanged);
    connect(&m_copy, &AsyncCopy::fileNumberChanged, this, &TL09Engine::copyFileNumberChanged);
    connect(&m_copy, &AsyncCopy::showDialog, this, &TL09Engine::relayQuestion);
    connect(&m_copy, &AsyncCopy::askBeforeCopy, this, &TL09Engine::relayQuestionBeforeCopy);
    connect(&m_copy, &AsyncCopy::copy_thread_finished, this, &TL09Engine::receiveCopyFileFinished);
    if (m_givenBackend) {
        m_givenBackend->setParent(this);
    } else {
        // HAL is listened to from the start: it announces removals only to
        // those already listening. UDisks2 tells as fast.
        m_hal = new HalBackend(this);
    }
    DeviceBackend *listened = m_givenBackend ? m_givenBackend : m_hal;
    watchRemovals(listened);
    m_copy.setRemovalNoticeMs(listened->removalNoticeMs());
}

TL09Engine::~TL09Engine()
{
    // A QThread must not be destroyed while it runs.
    stopThreads();
}

void TL09Engine::stopThreads()
{
    // The abort flag ends the walk at its next entry, the stop request the
    // copy after its chunk or question.
    abortRequested = true;
    cancelCopy();
    wait();
    m_copy.wait();
}

void TL09Engine::setMainWindow(QWidget *window)
{
    m_mainWindow = window;
    m_copy.setMainWindow(window);
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
    abortRequested = false;
    start(InheritPriority);
}

void TL09Engine::startRefreshAfterCopy()
{
    refreshAfterCopy = true;
    startDataCollection();
}

void TL09Engine::stopDataCollection()
{
    if (!isRunning())
        return;
    abortRequested = true;
    wait(stopTimeoutMs);
}

bool TL09Engine::isFirstCollectionOfDevice()
{
    const quint64 arrival = deviceArrival();
    const bool first = arrival != m_collectedArrival;
    m_collectedArrival = arrival;
    return first;
}

void TL09Engine::run()
{
    // Files an interrupted copy left behind would take space for good; a
    // copy still running owns its own (the sweep waits for none).
    if (isFirstCollectionOfDevice())
        TemporaryJournal::sweep(mountPoint());
    const bool ok = collectData();
    if (!refreshAfterCopy)
        reloadBookmarks();
    if (!refreshAfterCopy && checkDeviceFolders() && !abortRequested)
        emit dataCollectionFinished(ok);
    refreshAfterCopy = false;
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
        if (model && !abortRequested)
            model->reload();
    }
}

// Storage accounting, done by m_storage.

QStringList TL09Engine::documentExtensions()
{
    return MediaCategories::documentExtensions();
}

QStringList TL09Engine::pictureExtensions()
{
    return MediaCategories::pictureExtensions();
}

QStringList TL09Engine::musicExtensions()
{
    return MediaCategories::musicExtensions();
}

QStringList TL09Engine::videoExtensions()
{
    return MediaCategories::videoExtensions();
}

QStringList TL09Engine::categoryNameFilters(int category)
{
    return MediaCategories::nameFilters(category);
}

QString TL09Engine::documentsFolder(int side)
{
    return MediaCategories::folder(side, DocumentsMode);
}

QString TL09Engine::picturesFolder(int side)
{
    return MediaCategories::folder(side, PicturesMode);
}

QString TL09Engine::musicFolder(int side)
{
    return MediaCategories::folder(side, MusicMode);
}

QString TL09Engine::videoFolder(int side)
{
    return MediaCategories::folder(side, MovieMode);
}

QString TL09Engine::categoryName(int category)
{
    return MediaCategories::fileWord(category);
}

bool TL09Engine::checkDeviceFolders()
{
    const StorageAccounting::Readiness readiness = m_storage.checkDeviceFolders();
    if (readiness == StorageAccounting::Readiness::NoDevice)
        return false;
    readOnly = readiness == StorageAccounting::Readiness::ReadOnly;
    return true;
}

quint64 TL09Engine::totalCapacity() const
{
    quint64 total;
    quint64 used;
    spaceUsage(&total, &used);
    return total;
}

quint64 TL09Engine::usedSpace() const
{
    quint64 total;
    quint64 used;
    spaceUsage(&total, &used);
    return used;
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
    const quint64 capacity = totalCapacity();
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

// The copy: started here, done by m_copy, its progress reckoned by
// m_progress.

bool TL09Engine::startCopy(const QFileInfoList &files, BrowserMode target, const QString &destDir)
{
    return startBatches({ AsyncCopy::Batch { files, destDir } }, target);
}

bool TL09Engine::retryCopy(BrowserMode target)
{
    QList<AsyncCopy::Batch> batches;
    for (const CopyFailure &failure : qAsConst(m_copyFailures)) {
        if (!failure.isRetriable())
            continue;
        const auto batch = std::find_if(batches.begin(), batches.end(),
            [&failure](const AsyncCopy::Batch &batch) { return batch.destDir == failure.destDir; });
        if (batch == batches.end())
            batches << AsyncCopy::Batch { { QFileInfo(failure.source) }, failure.destDir };
        else
            batch->files << QFileInfo(failure.source);
    }
    return startBatches(batches, target);
}

bool TL09Engine::startBatches(const QList<AsyncCopy::Batch> &batches, BrowserMode target)
{
    QList<AsyncCopy::Batch> copied;
    for (const AsyncCopy::Batch &batch : batches) {
        if (QFileInfo(batch.destDir).isDir())
            copied << batch;
    }
    if (copied.isEmpty())
        return false;
    // Sized by the worker, whose check walks the selection anyway: a big
    // folder would hold the window here.
    m_nextCopy = CopyRequest { copied, target, categoryNameFilters(category) };
    // After a cancel the worker still flushes what it wrote: the new copy
    // follows when it is done.
    if (!m_copy.isRunning())
        startNextCopy();
    return true;
}

void TL09Engine::startNextCopy()
{
    // Until the worker has sized the selection, no progress is reckoned.
    copyTotalBytes = 0;
    copyWrittenBytes = 0;
    etaSum = 0;
    etaSamples = 0;
    m_progress.restart();
    m_copyFailures.clear();
    m_copySummary = CopySummary();
    m_copyFoundNothing = false;
    m_copy.prepare(m_nextCopy->batches, m_nextCopy->target, m_nextCopy->nameFilters);
    m_nextCopy.reset();
    m_copy.start(InheritPriority);
}

void TL09Engine::receiveSelectionSize(qint64 bytes)
{
    copyTotalBytes = bytes;
}

qint64 TL09Engine::selectionSize(const QFileInfoList &files, const QStringList &nameFilters)
{
    return CopySelection::size(files, FileNameMatcher(nameFilters));
}

void TL09Engine::cancelCopy()
{
    m_nextCopy.reset();
    if (m_copy.isRunning())
        m_copy.requestStop();
}

bool TL09Engine::isQuestionAwaited() const
{
    // Asked just before a cancel, or by a copy that has ended: nobody waits
    // for the answer, and the box would be about nothing.
    return m_copy.isRunning() && !m_copy.isStopRequested();
}

void TL09Engine::relayQuestion(const QString &fileName, BrowserMode target, CopyDlg dlg)
{
    if (isQuestionAwaited())
        emit showDialog(fileName, target, dlg);
}

void TL09Engine::relayQuestionBeforeCopy(const QString &names, BrowserMode target, bool offerSafeNames)
{
    if (isQuestionAwaited())
        emit askBeforeCopy(names, target, offerSafeNames);
}

void TL09Engine::setDialogAnswer(int answer)
{
    m_copy.setDialogAnswer(answer);
}

void TL09Engine::receiveBytesWritten(qint64 bytes)
{
    copyWrittenBytes += bytes;
    if (const std::optional<double> percent = m_progress.percentToShow(copyWrittenBytes, copyTotalBytes)) {
        emit progressChanged(*percent);
        emit copyBytesChanged(copyWrittenBytes, copyTotalBytes);
    }
}

void TL09Engine::receiveBytesPerSecond(qint64 bytes)
{
    if (bytes <= 0 || copyTotalBytes <= 0)
        return;
    // The whole copy's duration at this rate, in seconds.
    etaSum += copyTotalBytes / bytes;
    ++etaSamples;
    if (const std::optional<int> eta
        = m_progress.remainingToShow(copyWrittenBytes, copyTotalBytes, etaSum, etaSamples))
        emit estimatedTimeRemaining(*eta);
}

void TL09Engine::receiveCopyFileFinished(bool b)
{
    // The worker's last act was to signal this; once it has returned, a new
    // copy can start as soon as the dialog closes.
    m_copy.wait();
    // A copy that waited for this one takes over its dialog; its own end
    // refreshes the storage figures.
    if (m_nextCopy) {
        startNextCopy();
        return;
    }
    m_copyFailures = m_copy.failures();
    m_copySummary = m_copy.summary();
    m_copyFoundNothing = m_copy.foundNothing();
    if (!m_copyFoundNothing)
        startRefreshAfterCopy();
    emit copyFileFinished(b);
}
