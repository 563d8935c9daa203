// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/storage/StorageAccounting.h"

#include <QList>
#include <QMutex>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <memory>

class CollectionHook;
class CopyJob;
class DeviceBackend;
class HalBackend;
class SafeRemoval;
class UDisks2Backend;
struct CopyRequest;

// The device engine: finds the device among HAL's volumes and has it
// mounted, keeps its category folders, and measures in its own thread how
// the device's storage is used. The main window polls it; the only thing
// the engine hears from HAL by itself is a device's removal.
//
// The engine is the face the rest of the program sees; the work is done by
// its delegates: a device back-end (HAL, or UDisks2 where HAL is not
// running), the storage accounting, and a job per copy. The device itself
// (mount point and identifier) is process-wide state, see
// base/DeviceState.h. The program makes one engine at start and hands it to
// whoever needs it.
class TL09Engine : public QThread
{
    Q_OBJECT

public:
    // Asks HAL about the device, or UDisks2 while HAL has no owner on the
    // system bus, decided anew at each call.
    explicit TL09Engine(QObject *parent = nullptr);
    // Asks backend alone about the device, and takes it as a child. Tests
    // give a stand-in, so that they need no bus.
    explicit TL09Engine(DeviceBackend *backend, QObject *parent = nullptr);
    ~TL09Engine() override;

    // Ends the collection and the copies and waits for their threads.
    void stopThreads();

    // The PC's and the device's bookmark models, reloaded after each data
    // collection. Setting another (or none) waits for a reload in progress,
    // so that a model may unregister itself as it goes.
    void setHostBookmarkModel(CollectionHook *model);
    void setDeviceBookmarkModel(CollectionHook *model);
    CollectionHook *hostBookmarkModel() const;
    CollectionHook *deviceBookmarkModel() const;

    // Identification and mounting (GUI thread); the first two ask HAL.
    bool isDeviceNode(const QString &udi);
    QString deviceVolumeUdi();
    void findDeviceVolume();
    void mountDevice();
    // Starts taking the device volume out so that it can be unplugged (see
    // SafeRemoval); null where there is nothing to undo: with no device, or
    // with a volume the system mounted.
    SafeRemoval *safelyRemoveDevice();

    // The collection thread.
    void startDataCollection();
    void startRefreshAfterCopy();
    void stopDataCollection();

    // A copy of request, owned by owner, not started yet. Once it has
    // copied anything the storage figures are measured again; the engine
    // stops it when it stops its threads.
    CopyJob *makeCopy(const CopyRequest &request, QObject *owner);
    // Asks every copy still running to stop (the device goes).
    void cancelCopies();
    // Starts removing, in the background, what copies to this computer that
    // were killed left behind. Called once at the program's start.
    void sweepHostTemporaries();

    // The shares of the capacity, in percent, that one collection found.
    struct StorageShares
    {
        double pictures = 0;
        double music = 0;
        double video = 0;
        double documents = 0;
    };

    // Storage accounting.
    bool collectData();
    // The shares of the last collection that completed; one that runs or
    // failed leaves them as they were. From any thread.
    StorageShares storageShares() const;
    // The bytes of each category that the running or last collection, and
    // the sumFolder() calls since, have counted (engine thread).
    const CategoryBytes &countedBytes() const { return m_counted; }
    bool sumFolder(const QString &path);
    // Whether the device is there, its category folders made where missing.
    bool checkDeviceFolders();
    // A category folder could not be made on the device at the last check.
    bool isReadOnly() const { return m_readOnly; }
    // The device's file system was mounted read-only at the last check.
    bool isMountedReadOnly() const { return m_mountedReadOnly; }
    // The running collection is the silent refresh after a copy.
    bool isRefreshAfterCopy() const { return m_refreshAfterCopy; }
    // Both figures from one reading of the file system, 0 when unknown.
    void spaceUsage(quint64 *total, quint64 *used) const;
    QString deviceModel() const;

signals:
    void dataCollectionFinished(bool ok);

public slots:
    void delDevice(const QString &udi);

protected:
    void run() override;

private:
    bool isFirstCollectionOfDevice();
    // Rebuilds both bookmark models from their stores (engine thread).
    void reloadBookmarks();
    // The back-end that answers now: the one given, else UDisks2 while it
    // is in charge, else HAL.
    DeviceBackend *deviceBackend();
    void watchRemovals(DeviceBackend *backend);

    DeviceBackend *m_givenBackend = nullptr;
    HalBackend *m_hal = nullptr;
    // Made on first need.
    UDisks2Backend *m_udisks2 = nullptr;
    // The running collection must stop at the next entry.
    std::atomic<bool> m_abortRequested { false };
    std::atomic<bool> m_refreshAfterCopy { false };
    std::atomic<bool> m_readOnly { false };
    std::atomic<bool> m_mountedReadOnly { false };
    StorageAccounting m_storage { m_abortRequested };
    QList<QPointer<CopyJob>> m_copies;
    std::unique_ptr<QThread> m_hostSweep;
    CategoryBytes m_counted;
    mutable QMutex m_sharesLock;
    StorageShares m_shares;
    // The device arrival whose first collection has run: the first one
    // removes what an interrupted copy left.
    quint64 m_collectedArrival = 0;
    // Set by the models on the GUI thread, used by the engine thread; the
    // lock is held while either is set or reloaded.
    mutable QMutex m_bookmarkModelsLock;
    CollectionHook *m_hostBookmarkModel = nullptr;
    CollectionHook *m_deviceBookmarkModel = nullptr;
};
