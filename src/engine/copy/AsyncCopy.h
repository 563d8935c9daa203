// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "base/CopyDlg.h"
#include "base/FileNameMatcher.h"
#include "base/SessionCommands.h"
#include "engine/copy/CopyFailure.h"

#include <QElapsedTimer>
#include <QFileInfoList>
#include <QHash>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <optional>

struct stat;

class CopyPreflight;
class TL09Engine;
class QWidget;

// The copy worker: copies a selection of files in its own thread and asks
// the user, through the engine, what to do about existing files and
// failures.
//
// Before the first byte is written it checks the whole selection against the
// destination (room, and what FAT cannot hold) and asks once about what
// would not arrive. Everything that did not arrive is kept for the report at
// the end.
//
// Each file is written under a hidden temporary name in its destination
// folder and renamed over the destination only once complete, so that an
// existing file is never lost to a copy that is cancelled or fails; a new
// folder is filled under a hidden name and shown once its content is in. The data
// moves in chunks of 1 MiB: copied by the kernel where source and
// destination share a file system, through a buffer elsewhere. Each full
// chunk is signalled; the names and bytes of small files are gathered into
// a signal every few hundredths of a second.
class AsyncCopy : public QThread
{
    Q_OBJECT

public:
    // Temporary files start with this; hidden names are never listed.
    static const char temporaryPrefix[];
    // Whether name is one the worker gives a file in progress.
    static bool isTemporaryName(const char *name);
    // Removes the temporary file, or folder with its content, name in
    // folder; anything else of that name stays.
    static void removeTemporary(int folder, const char *name);

    explicit AsyncCopy(TL09Engine *engine);

    void setMainWindow(QWidget *window) { m_mainWindow = window; }
    QWidget *mainWindow() const { return m_mainWindow; }

    // Files copied into one folder.
    struct Batch
    {
        QFileInfoList files;
        QString destDir;
    };

    // Sets up the next run(): what to copy where, and the name filters that
    // choose the files inside selected folders. Called before start(), so a
    // stop requested right after start() is not lost.
    void prepare(const QList<Batch> &batches, BrowserMode target, const QStringList &nameFilters);

    // What did not arrive in the last run; read once the worker has ended.
    const CopyFailures &failures() const { return m_failures; }
    // Whether the last run found nothing to copy; read once it has ended.
    bool foundNothing() const { return m_foundNothing; }

    // Asks a running copy to stop at its next check.
    void requestStop();
    bool isStopRequested() const { return stopRequested; }

    // Stores the user's answer to the question the worker waits on.
    void setDialogAnswer(int answer) { dialogAnswer = answer; }

signals:
    // The bytes the whole copy moves, sent once before the first byte.
    void selectionSized(qint64 bytes);
    void bytesWritten(qint64 bytes);
    void bytesPerSecond(qint64 bytes);
    void copyFinshed(bool ok);
    void fileNameChanged(const QString &fileName);
    void showDialog(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void showDlg();
    void copy_thread_finished(bool bCancel);
    // Asks about the entries the destination cannot take, by name, one per
    // line, before anything is written; answered through setDialogAnswer()
    // with Yes (copy the rest), Apply (rename, with offerSafeNames) or Cancel.
    void askBeforeCopy(const QString &names, BrowserMode target, bool offerSafeNames);

protected:
    void run() override;

private:
    enum class Transfer { Complete, Stopped, Failed, ReadFailed };

    // A folder files are copied into, open while they are, so that they
    // are made relative to it.
    struct Destination
    {
        QString path;
        int fd;
        // Made by this copy inside a folder not shown yet: nothing in it can
        // be in the way, and its files need no hidden names.
        bool fresh;
    };

    // Sizes and checks the selection before the copy; false when the user
    // cancels or there is nothing to copy.
    bool checkBeforeCopy();
    void survey(const QFileInfoList &entries, const QString &destDir, CopyPreflight &check);
    void refuse(const CopyFailures &findings, bool underSafeNames);
    // The name entry takes in its destination folder.
    QString copiedName(const QFileInfo &entry) const;
    void note(const QFileInfo &entry, const QString &destDir, CopyOutcome reason);
    // Copies a batch's files; false when the copy ended early (stopped,
    // failed write, device gone, or its folder missing).
    bool copyBatch(const Batch &batch, BrowserMode target);
    bool copyList(const QFileInfoList &files, BrowserMode target, const Destination &destination);
    // Opens the folder name in parent, made first unless it is one already,
    // or made under a new hidden name (written to name) when hidden; opened
    // to all on the device or, when made here, given to the home's owner.
    // -1 when it cannot be.
    int makeFolder(int parent, QByteArray &name, bool hidden, BrowserMode target, bool *created) const;
    // Gives a new file or folder to the owner of the home it is made in.
    void giveToOwner(int fd) const;
    bool copyFolder(const QFileInfo &folder, BrowserMode target, const Destination &destination);
    bool copyFile(const QFileInfo &file, BrowserMode target, const Destination &destination);
    bool mayReplace(const QString &fileName, qint64 size, BrowserMode target);
    bool writeReplacement(const QFileInfo &file, int source, const struct stat &status,
        const Destination &destination, bool replacing, BrowserMode target);
    Transfer transfer(int source, int destination, qint64 size);
    // The file now being copied, and bytes counted as done: signalled at
    // once for a full chunk or when the last signal is old enough, else
    // gathered for the next one.
    void announce(const QString &fileName);
    void countDone(qint64 bytes, bool wholeChunk = false);
    void signalProgress();
    bool endAfterFailedWrite(
        const QString &fileName, int folder, const QByteArray &temporary, BrowserMode target);
    // Shows a failure's box and returns true so the copy goes on, unless the
    // device has gone.
    bool reportFailure(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void askAndWait(const QString &fileName, BrowserMode target, CopyDlg dlg);
    void waitForAnswer();

    TL09Engine *const m_engine;
    QWidget *m_mainWindow = nullptr;
    QList<Batch> m_batches;
    // Entries the user chose not to copy after the check, by source path.
    QHash<QString, CopyOutcome> m_refused;
    QHash<QString, QString> m_safeNames;
    // The listing of each selected folder and folder below, by path, as the
    // check found it.
    QHash<QString, QFileInfoList> m_listings;
    CopyFailures m_failures;
    bool m_foundNothing = false;
    QString m_unsignalledName;
    qint64 m_unsignalledBytes = 0;
    bool m_hasUnsignalledBytes = false;
    QElapsedTimer m_sinceProgress;
    FileNameMatcher matcher;
    BrowserMode target = HostMode;
    std::optional<FileOwner> newOwner;
    // 0 ask for each existing file, 1 overwrite all, 3 skip all; used by the
    // worker thread only.
    int overwritePolicy = 0;
    std::atomic<bool> stopRequested { false };
    std::atomic<int> dialogAnswer { AnswerPending };
    QMutex stopMutex;
    QMutex runMutex;
};
