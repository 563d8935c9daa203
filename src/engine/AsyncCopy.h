// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/BrowserMode.h"
#include "engine/CopyDlg.h"
#include "engine/FileNameMatcher.h"
#include "engine/SessionCommands.h"

#include <QFileInfoList>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <optional>

struct stat;

class TL09Engine;
class QWidget;

// The copy worker: copies a selection of files in its own thread and asks
// the user, through the engine, what to do about existing files and
// failures.
//
// Each file is written under a hidden temporary name in its destination
// folder and renamed over the destination only once complete, so that an
// existing file is never lost to a copy that is cancelled or fails. The data
// moves in chunks of 1 MiB, each one signalled: copied by the kernel where
// source and destination share a file system, through a buffer elsewhere.
class AsyncCopy : public QThread
{
    Q_OBJECT

public:
    // The answer of a question the user has not answered yet.
    static const int answerPending = -311;
    // Temporary files start with this; hidden names are never listed.
    static const char temporaryPrefix[];
    // Whether name is one the worker gives a file in progress.
    static bool isTemporaryName(const char *name);

    explicit AsyncCopy(TL09Engine *engine);

    void setMainWindow(QWidget *window) { m_mainWindow = window; }
    QWidget *mainWindow() const { return m_mainWindow; }

    // Sets up the next run(): what to copy where, and the name filters that
    // choose the files inside selected folders. Called before start(), so a
    // stop requested right after start() is not lost.
    void prepare(const QFileInfoList &files, BrowserMode target, const QString &destDir,
        const QStringList &nameFilters);

    // Asks a running copy to stop at its next check.
    void requestStop();
    bool isStopRequested() const { return stopRequested; }

    // Stores the user's answer to the question the worker waits on.
    void setDialogAnswer(int answer) { dialogAnswer = answer; }

    // Copies files into destDir; false when the copy ended early (stopped,
    // failed write, device gone, or destDir missing).
    bool copyList(const QFileInfoList &files, BrowserMode target, const QString &destDir);

signals:
    void bytesWritten(qint64 bytes);
    void bytesPerSecond(qint64 bytes);
    void copyFinshed(bool ok);
    void fileNameChanged(const QString &fileName);
    void showDialog(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void showDlg();
    void copy_thread_finished(bool bCancel);

protected:
    void run() override;

private:
    enum class Transfer { Complete, Stopped, Failed, ReadFailed };

    // Creates path (one level) unless it is already a folder.
    bool makeFolder(const QString &path, BrowserMode target) const;
    // Gives a new file or folder to the owner of the home it is made in.
    void giveToOwner(int fd) const;
    bool copyFolder(const QFileInfo &folder, BrowserMode target, const QString &destDir);
    bool copyFile(const QFileInfo &file, BrowserMode target, const QString &destDir);
    bool mayReplace(const QString &fileName, qint64 size, BrowserMode target);
    bool writeReplacement(int source, const struct stat &status, const QString &destination, bool replacing,
        BrowserMode target);
    Transfer transfer(int source, int destination, qint64 size);
    bool endAfterFailedWrite(const QString &fileName, const QByteArray &temporary, BrowserMode target);
    // Shows a failure's box and returns true so the copy goes on, unless the
    // device has gone.
    bool reportFailure(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void askAndWait(const QString &fileName, BrowserMode target, CopyDlg dlg);

    TL09Engine *const m_engine;
    QWidget *m_mainWindow = nullptr;
    QFileInfoList files;
    QString destDir;
    FileNameMatcher matcher;
    BrowserMode target = HostMode;
    std::optional<FileOwner> newOwner;
    // 0 ask for each existing file, 1 overwrite all, 3 skip all; used by the
    // worker thread only.
    int overwritePolicy = 0;
    std::atomic<bool> stopRequested { false };
    std::atomic<int> dialogAnswer { answerPending };
    QMutex stopMutex;
    QMutex runMutex;
};
