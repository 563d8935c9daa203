// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/BrowserMode.h"
#include "engine/AsyncCopy.h"
#include "engine/CopyDlg.h"
#include "engine/FileNameMatcher.h"

#include <QFileInfoList>
#include <QSet>
#include <QStringList>
#include <QThread>

#include <atomic>

class BookmarkTreeModel;
class QWidget;

// The device engine: finds the device among HAL's volumes and has it
// mounted, keeps its category folders, and measures in its own thread how
// the device's storage is used. The main window polls it; the only thing
// the engine hears from HAL by itself is a device's removal.
//
// The device itself (mount point and HAL identifier) is process-wide state,
// see engine/DeviceState.h.
class TL09Engine : public QThread
{
    Q_OBJECT

public:
    // The program's engine, created on first use and kept until exit.
    static TL09Engine *instance();

    explicit TL09Engine(QObject *parent = nullptr);
    ~TL09Engine() override;

    void setMainWindow(QWidget *window);
    QWidget *mainWindow() const { return m_mainWindow; }
    void setHostBookmarkModel(BookmarkTreeModel *model) { m_hostBookmarkModel = model; }
    void setDeviceBookmarkModel(BookmarkTreeModel *model) { m_deviceBookmarkModel = model; }
    BookmarkTreeModel *hostBookmarkModel() const { return m_hostBookmarkModel; }
    BookmarkTreeModel *deviceBookmarkModel() const { return m_deviceBookmarkModel; }

    // HAL: identification and mounting (GUI thread).
    bool isDeviceNode(const QString &udi);
    QString deviceVolumeUdi();
    void findDeviceVolume();
    void mountDevice();

    // The collection thread.
    void startDataCollection();
    void startRefreshAfterCopy();
    void stopDataCollection();

    // Copies files into destDir in the copy worker; false when nothing was
    // started (destDir missing, nothing of the category to copy, or a copy
    // still running).
    bool startCopy(const QFileInfoList &files, BrowserMode target, const QString &destDir);
    // Bytes a copy of files moves; nameFilters apply inside selected folders
    // only, and an empty file counts as one byte.
    qint64 selectionSize(const QFileInfoList &files, const QStringList &nameFilters) const;
    // Asks a running copy to stop.
    void cancelCopy();
    // The user's answer to the copy worker's last question.
    void setDialogAnswer(int answer);

    // Storage accounting.
    bool collectData();
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
    // What a copy takes of a selected folder: its sub-folders and the files
    // the patterns match, never a symbolic link.
    static QFileInfoList copiedEntries(const QString &folder, const FileNameMatcher &matcher);

    // A category folder could not be created on the device.
    std::atomic<bool> readOnly { false };
    // The media category shown, numbered as FileBrowserMode; set by the media
    // window before any copy.
    int category = DocumentsMode;

    qint64 videoBytes = 0;
    qint64 musicBytes = 0;
    qint64 picturesBytes = 0;
    qint64 documentsBytes = 0;
    double videoPercent = 0;
    double musicPercent = 0;
    double picturesPercent = 0;
    double documentsPercent = 0;

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
    void copyFileFinished(bool b);
    void showDialog(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void estimatedTimeReamining(int seconds);
    void dataCollectionFinished(bool ok);

public slots:
    void recieveBytesWritten(qint64 bytes);
    void recieveBytesPerSecond(qint64 bytes);
    void receiveCopyFileFinished(bool b);
    void addDevice(const QString &udi);
    void delDevice(const QString &udi);

protected:
    void run() override;

private:
    qint64 selectionSize(const QFileInfoList &files, const FileNameMatcher &matcher) const;
    bool isDeviceNode(const QString &udi, QSet<QString> &visited);
    // Rebuilds both bookmark models from their stores (engine thread).
    void reloadBookmarks();
    void resetCounters();
    bool sumDirectory(int directory);
    void countEntry(int directory, const char *name, unsigned char type);
    void countFile(const char *name, qint64 size);
    static QString categoryFolder(int side, const QString &name);

    QWidget *m_mainWindow = nullptr;
    AsyncCopy m_copy;
    // Set by the models on the GUI thread, read by the engine thread.
    std::atomic<BookmarkTreeModel *> m_hostBookmarkModel { nullptr };
    std::atomic<BookmarkTreeModel *> m_deviceBookmarkModel { nullptr };
};
