// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "base/CopyDlg.h"
#include "engine/copy/AsyncCopy.h"
#include "engine/copy/CopyProgress.h"
#include "engine/storage/StorageAccounting.h"

#include <QFileInfoList>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <optional>

class CollectionHook;
class DeviceBackend;
class HalBackend;
class QWidget;
class SafeRemoval;
class UDisks2Backend;

// The device engine: finds the device among HAL's volumes and has it
// mounted, keeps its category folders, and measures in its own thread how
// the device's storage is used. The main window polls it; the only thing
// the engine hears from HAL by itself is a device's removal.
//
// The engine is the face the rest of the program sees; the work is done by
// its delegates: a device back-end (HAL, or UDisks2 where HAL is not
// running), the storage accounting, the copy worker and the copy's
// progress. The device itself (mount point and identifier) is process-wide
// state, see base/DeviceState.h.
class TL09Engine : public QThread
{
    Q_OBJECT

public:
    // The program's engine, created on first use and kept until exit.
    static TL09Engine *instance();

    // Asks HAL about the device, or UDisks2 while HAL has no owner on the
    // system bus, decided anew at each call.
    explicit TL09Engine(QObject *parent = nullptr);
    // Asks backend alone about the device, and takes it as a child. Tests
    // give a stand-in, so that they need no bus.
    explicit TL09Engine(DeviceBackend *backend, QObject *parent = nullptr);
    ~TL09Engine() override;

    // Ends the collection and the copy and waits for both threads.
    void stopThreads();

    void setMainWindow(QWidget *window);
    QWidget *mainWindow() const { return m_mainWindow; }
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
    // Under UDisks2, starts taking the device volume out so that it can be
    // unplugged (see SafeRemoval); null where there is nothing to undo: under
    // HAL, with no device, or with a volume the system mounted.
    SafeRemoval *safelyRemoveDevice();

    // The collection thread.
    void startDataCollection();
    void startRefreshAfterCopy();
    void stopDataCollection();

    // Copies files into destDir in the copy worker, once a copy still
    // running (a cancelled one flushing) has ended; false when destDir is
    // missing. Returns at once: the worker sizes the selection, and a copy
    // that finds nothing of the category ends with copyFoundNothing().
    bool startCopy(const QFileInfoList &files, BrowserMode target, const QString &destDir);
    // Copies again, like startCopy(), what of the last copy failed and may
    // arrive now.
    bool retryCopy(BrowserMode target);
    // What did not arrive in the last copy that ran to its end.
    const CopyFailures &copyFailures() const { return m_copyFailures; }
    // How far the last copy that ended went.
    const CopySummary &copySummary() const { return m_copySummary; }
    // The files of the overwrite question the copy waits on.
    AsyncCopy::Overwrite overwriteQuestion() const { return m_copy.overwriteQuestion(); }
    // Whether the last copy that ended found nothing of the category to copy.
    bool copyFoundNothing() const { return m_copyFoundNothing; }
    // Bytes a copy of files moves; nameFilters apply inside selected folders
    // only, and an empty file counts as one byte.
    static qint64 selectionSize(const QFileInfoList &files, const QStringList &nameFilters);
    // Asks a running copy to stop, and drops one waiting to start.
    void cancelCopy();
    // The user's answer to the copy worker's last question.
    void setDialogAnswer(int answer);

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
    bool checkDeviceFolders();
    quint64 totalCapacity() const;
    quint64 usedSpace() const;
    // Both figures from one reading of the file system, 0 when unknown.
    void spaceUsage(quint64 *total, quint64 *used) const;
    QString deviceModel() const;

    // Category folders on the PC (side 0) or on the device (side 1).
    static QString documentsFolder(int side);
    static QString picturesFolder(int side);
    static QString musicFolder(int side);
    static QString videoFolder(int side);
    // The word naming a category's files in messages ("image", ...).
    static QString categoryName(int category);

    static QStringList documentExtensions();
    static QStringList pictureExtensions();
    static QStringList musicExtensions();
    static QStringList videoExtensions();
    static QStringList categoryNameFilters(int category);

    // A category folder could not be created on the device.
    std::atomic<bool> readOnly { false };
    // The media category shown, numbered as FileBrowserMode; set by the media
    // window before any copy.
    int category = DocumentsMode;

    qint64 copyTotalBytes = 0;
    qint64 copyWrittenBytes = 0;
    qint64 etaSum = 0;
    qint64 etaSamples = 0;

    // The running collection is the silent refresh after a copy.
    std::atomic<bool> refreshAfterCopy { false };
    // The running collection must stop at the next entry.
    std::atomic<bool> abortRequested { false };

signals:
    void progressChanged(qreal percent);
    void copyFileNameChanged(const QString &fileName);
    void copyFileNumberChanged(int number, int files);
    // Sent with each progressChanged().
    void copyBytesChanged(qint64 written, qint64 total);
    void copyFileFinished(bool b);
    void showDialog(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void askBeforeCopy(const QString &names, BrowserMode target, bool offerSafeNames);
    void estimatedTimeRemaining(int seconds);
    void dataCollectionFinished(bool ok);

public slots:
    void receiveBytesWritten(qint64 bytes);
    void receiveBytesPerSecond(qint64 bytes);
    void receiveCopyFileFinished(bool b);
    void delDevice(const QString &udi);

protected:
    void run() override;

private:
    struct CopyRequest
    {
        QList<AsyncCopy::Batch> batches;
        BrowserMode target;
        QStringList nameFilters;
    };

    bool startBatches(const QList<AsyncCopy::Batch> &batches, BrowserMode target);
    void startNextCopy();
    void receiveSelectionSize(qint64 bytes);
    // Whether the worker still waits for an answer: not after a cancel, nor
    // once the copy has ended.
    bool isQuestionAwaited() const;
    void relayQuestion(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void relayQuestionBeforeCopy(const QString &names, BrowserMode target, bool offerSafeNames);
    bool isFirstCollectionOfDevice();
    // Rebuilds both bookmark models from their stores (engine thread).
    void reloadBookmarks();
    // The back-end that answers now: the one given, else UDisks2 while it
    // is in charge, else HAL.
    DeviceBackend *deviceBackend();
    void watchRemovals(DeviceBackend *backend);

    QWidget *m_mainWindow = nullptr;
    DeviceBackend *m_givenBackend = nullptr;
    HalBackend *m_hal = nullptr;
    // Made on first need.
    UDisks2Backend *m_udisks2 = nullptr;
    StorageAccounting m_storage { abortRequested };
    CopyProgress m_progress;
    AsyncCopy m_copy;
    std::optional<CopyRequest> m_nextCopy;
    CopyFailures m_copyFailures;
    CopySummary m_copySummary;
    bool m_copyFoundNothing = false;
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
