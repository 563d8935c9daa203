// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "base/CopyDlg.h"
#include "base/FileNameMatcher.h"
#include "base/SessionCommands.h"
#include "engine/copy/CopyFailure.h"
#include "engine/copy/CopyQuestion.h"
#include "engine/copy/TemporaryJournal.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfoList>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <future>
#include <memory>
#include <optional>

struct stat;

class CopyPreflight;

// The copy worker: copies a selection of files in its own thread and asks
// the user, through its job (CopyJob), what to do about existing files and
// failures.
//
// Before the first byte is written it checks the whole selection against the
// destination (room, and what FAT cannot hold) and asks once about what
// would not arrive. Everything that did not arrive is kept for the report at
// the end.
//
// Each file is written under a hidden temporary name in its destination
// folder and renamed over the destination only once complete and on the
// disk, so that neither a cancel, a failure nor a power cut loses an
// existing file or leaves a name on incomplete data; a new folder is filled
// under a hidden name and shown the same way once its content is on the
// disk. Small files are made durable together, by one flush of the file
// system before their renames; a large one by its own. The temporary names
// are recorded beforehand (TemporaryJournal), so that what an
// interrupted copy leaves can be found and removed.
//
// The destination is walked through folder descriptors that never follow a
// symbolic link: nothing reached through a link on the device is written
// or has its mode changed. A selected link is not followed either. The data
// moves in chunks of 1 MiB: copied by the kernel where source and
// destination share a file system, through a buffer elsewhere. Each full
// chunk is signalled; the names and bytes of small files are gathered into
// a signal every few hundredths of a second.
class AsyncCopy : public QThread
{
    Q_OBJECT

public:
    explicit AsyncCopy(QObject *parent = nullptr);

    // How long a removal of the device takes to be known after the first
    // failed access to it; the copy waits this long before it decides
    // whether a failure means the device has gone.
    void setRemovalNoticeMs(unsigned long ms) { m_removalNoticeMs = ms; }

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
    // How far the last run went; read once the worker has ended.
    const CopySummary &summary() const { return m_summary; }
    // Whether the last run found nothing to copy; read once it has ended.
    bool foundNothing() const { return m_foundNothing; }

    // Asks a running copy to stop at its next check.
    void requestStop();
    bool isStopRequested() const { return stopRequested; }

    // Stores the user's answer to the question the worker waits on.
    void setAnswer(CopyAnswer answer);

signals:
    // The bytes the whole copy moves, sent once before the first byte.
    void selectionSized(qint64 bytes);
    void bytesWritten(qint64 bytes);
    // Bytes of the selection that will not be written (there already, kept,
    // refused): they leave the copy's total.
    void bytesSkipped(qint64 bytes);
    void fileNameChanged(const QString &fileName);
    // The file now copied is the number-th of the selection's files.
    void fileNumberChanged(int number, int files);
    // The worker waits for setAnswer(). Before anything is written it asks
    // once (AskBeforeCopy) about the entries the destination cannot take,
    // answered with Yes (copy the rest), Apply (rename, where safe names are
    // offered) or Cancel.
    void questionAsked(const CopyQuestion &question);
    // The worker's last signal; ok: the run went through.
    void copyEnded(bool ok);

protected:
    void run() override;

private:
    // Changed: the source ended before the size it had when it was opened.
    enum class Transfer { Complete, Stopped, Failed, ReadFailed, Changed };
    // What becomes of a file the destination already has: replaced, kept
    // (the copy skipped), kept beside the copy under a free name, or kept
    // with the whole copy cancelled.
    enum class Clash { Replace, Skip, KeepBoth, Cancel };

    // A folder files are copied into, open while they are, so that they
    // are made relative to it.
    struct Destination
    {
        QString path;
        std::shared_ptr<Descriptor> folder;
        // Made by this copy inside a folder not shown yet: nothing in it can
        // be in the way, and its files need no hidden names.
        bool fresh;
        // Set, for the folder not shown yet that this one lies in, when a
        // part of a file is left in it: that folder must never be shown.
        std::shared_ptr<bool> spoilt;

        int fd() const { return folder->get(); }
    };

    // A complete file or folder under its temporary name, waiting to take
    // its own once its data is on the disk.
    struct Pending
    {
        std::shared_ptr<Descriptor> folder;
        QByteArray temporary;
        QByteArray name;
        bool replacing;
        // Taken already: the copy takes the first free numbered name.
        bool besideExisting;
        bool dateKept;
        QFileInfo source;
        QString destDir;
    };

    // Sizes and checks the selection before the copy; false when the user
    // cancels or there is nothing to copy.
    bool checkBeforeCopy();
    // Lists entries' folders, each from its own, open, parent folder
    // (sourceFolder; -1 for the selection).
    void survey(
        const QFileInfoList &entries, const QString &destDir, CopyPreflight &check, int sourceFolder = -1);
    // Notes a source folder that could not be opened or listed: what it
    // holds did not arrive, and nothing says how much.
    void noteUnlisted(const QFileInfo &folder, const QString &destDir, int error);
    void refuse(const CopyFailures &findings, bool underSafeNames);
    // The name entry takes in its destination folder.
    QString copiedName(const QFileInfo &entry) const;
    void note(const QFileInfo &entry, const QString &destDir, CopyOutcome reason);
    // Copies a batch's files; false when the copy ended early (stopped,
    // failed write, device gone).
    bool copyBatch(const Batch &batch);
    // Opens destDir, on the device without following a link below its root.
    int openDestination(const QString &destDir) const;
    // Copies files, the entries of the source folder open on sourceFolder
    // (-1 for the selection, opened from their parent folders' paths).
    bool copyList(const QFileInfoList &files, const Destination &destination, int sourceFolder);
    // Opens the folder name in destination, made first unless it is one
    // already, or made under a new hidden name (written to name) when
    // hidden; opened to all on the device or, when made here, given to the
    // home's owner. -1 when it cannot be, with errno set.
    int makeFolder(const Destination &destination, QByteArray &name, bool hidden, bool *created);
    // Gives a new file or folder to the owner of the home it is made in.
    void giveToOwner(int fd) const;
    bool copyFolder(const QFileInfo &folder, const Destination &destination, int sourceFolder);
    bool copyFile(const QFileInfo &file, const Destination &destination, int sourceFolder);
    Clash resolveClash(const QFileInfo &file, const QString &existing, const struct stat &status);
    bool writeFile(const QFileInfo &file, int source, const struct stat &status,
        const Destination &destination, bool replacing, bool besideExisting);
    // Removes what was written under written when it is not to stay.
    void discardWritten(const Destination &destination, const QByteArray &written);
    // Creates a file under a new temporary name in destination; the name
    // goes to name.
    int createTemporary(const Destination &destination, QByteArray *name, mode_t mode);
    Transfer transfer(int source, int destination, qint64 size);
    // Renames what waits once the disk holds it: gathers pending, and when
    // enough has gathered starts its flush and places what the last flush
    // made durable. False when the copy must end.
    bool placeWhenDue(const Pending &pending);
    // Places everything that waits, flushed first.
    bool makeDurable();
    bool placeFlushed();
    bool place(const Pending &pending);
    // The file now being copied, and bytes counted as done: signalled at
    // once for a full chunk or when the last signal is old enough, else
    // gathered for the next one.
    void announce(const QString &fileName);
    void countDone(qint64 bytes, bool wholeChunk = false);
    void countSkipped(qint64 bytes);
    void signalProgress();
    // Ends the copy after a failed write: the box, unless the device has
    // gone (or the file written has, with it).
    bool endAfterFailedWrite(const QString &fileName, bool written);
    // Shows a failure's box, once per cause, and returns true so the copy
    // goes on, unless the device has gone.
    bool reportFailure(const QString &fileName, CopyDlg dlg, CopyOutcome cause);
    // Gives the failures since the last file that arrived the device's
    // going as their cause.
    void markDeviceGone();
    void waitForRemovalNotice();
    void askAndWait(const QString &fileName, CopyDlg dlg, CopyOutcome cause);
    void askAndWait(const CopyQuestion &question);
    void waitForAnswer();

    unsigned long m_removalNoticeMs = 0;
    QList<Batch> m_batches;
    // Entries the user chose not to copy after the check, by source path.
    QHash<QString, CopyOutcome> m_refused;
    QHash<QString, QString> m_safeNames;
    // The listing of each selected folder and folder below, by path, as the
    // check found it.
    QHash<QString, QFileInfoList> m_listings;
    // Whether a source folder could not be opened or listed.
    bool m_unlisted = false;
    CopyFailures m_failures;
    // Failures from this index on came after the last file that arrived.
    int m_failuresBeforeGone = 0;
    // The causes of failure the user has been told of in this run.
    QSet<int> m_toldCauses;
    CopySummary m_summary;
    // The number of the file now copied, among the selection's.
    int m_fileNumber = 0;
    bool m_foundNothing = false;
    // The device's root when the copy goes onto it, else empty.
    QString m_deviceRoot;
    // The destination is FAT or exFAT, whose dates are local times.
    bool m_fatLike = false;
    TemporaryJournal m_journal;
    QList<Pending> m_pending;
    // What the flush under way makes durable, and its result: 0 or the error.
    QList<Pending> m_flushed;
    std::future<int> m_flushing;
    // The folder whose file system is flushed to make the pending durable.
    QString m_flushedFolder;
    qint64 m_unflushedBytes = 0;
    QElapsedTimer m_sinceFlush;
    // The error of the last failed write and its cause, and whether one has
    // ended the copy.
    int m_writeError = 0;
    CopyOutcome m_failedWrite = CopyOutcome::WriteError;
    bool m_ended = false;
    QString m_unsignalledName;
    qint64 m_unsignalledBytes = 0;
    bool m_hasUnsignalledBytes = false;
    qint64 m_unsignalledSkipped = 0;
    QElapsedTimer m_sinceProgress;
    FileNameMatcher matcher;
    BrowserMode target = HostMode;
    std::optional<FileOwner> newOwner;
    // 0 ask for each existing file, 1 overwrite all, 2 keep both for all,
    // 3 skip all; used by the worker thread only.
    int overwritePolicy = 0;
    std::atomic<bool> stopRequested { false };
    std::atomic<int> dialogAnswer { AnswerPending };
    QMutex stopMutex;
    QMutex runMutex;
    // Wakes the worker when an answer or a stop arrives.
    QMutex m_answerLock;
    QWaitCondition m_answered;
};
