// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/AsyncCopy.h"

#include "base/SessionCommands.h"
#include "engine/TL09Engine.h"
#include "engine/copy/ChunkMover.h"
#include "engine/copy/CopyPreflight.h"
#include "engine/copy/CopySelection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The copy recurses once per folder level of the selection.
const uint copyStackSize = 10000000;
const qint64 chunkSize = 1048576;
const unsigned long answerPollMs = 100;
// Progress reaches the window at most this often, besides once per full
// chunk: a signal for each small file would cost more than its copy.
const qint64 progressIntervalMs = 25;
// HAL's removal notice reaches the engine a moment after the first access
// to a pulled device fails.
const unsigned long removalNoticeMs = 300;
const unsigned long failedWritePauseMs = 1000;
// Random characters after the temporary prefix, as many as mkstemp uses.
const int temporarySuffixLength = 6;

// Closes its descriptor when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor() { close(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    bool isValid() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Whether the data written reached the file system without a late
    // error (network and FUSE file systems report some only here).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// Gives name, which ends in temporarySuffixLength placeholders, a random
// ending, as mkstemp does.
void randomizeSuffix(QByteArray &name)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    char *const suffix = name.data() + name.size() - temporarySuffixLength;
    for (int i = 0; i < temporarySuffixLength; ++i)
        suffix[i] = letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
}

QByteArray temporaryName()
{
    return AsyncCopy::temporaryPrefix + QByteArray(temporarySuffixLength, 'X');
}

// Creates the file name in folder, which must not be there yet, under the
// process's umask.
int createFile(int folder, const QByteArray &name, mode_t mode)
{
    return ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

// mkostemp in folder with a mode.
int createTemporary(int folder, QByteArray &name, mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        randomizeSuffix(name);
        const int fd = createFile(folder, name, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// mkdtemp in folder.
bool createTemporaryFolder(int folder, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        randomizeSuffix(name);
        if (::mkdirat(folder, name.constData(), 0777) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Removes the folder name in parent with everything in it, without
// following a symbolic link.
void removeTree(int parent, const char *name)
{
    const int folder = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR *stream = folder < 0 ? nullptr : ::fdopendir(folder);
    if (!stream) {
        if (folder >= 0)
            ::close(folder);
        return;
    }
    while (const dirent *entry = ::readdir(stream)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        if (::unlinkat(folder, entry->d_name, 0) != 0 && (errno == EISDIR || errno == EPERM))
            removeTree(folder, entry->d_name);
    }
    ::closedir(stream);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

// The mode of a copy on the PC: the source's, writable by its owner, less
// what the umask takes away when the file is created.
mode_t hostMode(mode_t mode)
{
    return (mode & 0777) | S_IWUSR;
}

// Whether destDir is folder itself or lies below it: copying a folder there
// would copy its own copy again, without end.
bool isInside(const QString &destDir, const QFileInfo &folder)
{
    const QString outer = folder.canonicalFilePath();
    const QString inner = QFileInfo(destDir).canonicalFilePath();
    return !outer.isEmpty() && (inner == outer || inner.startsWith(outer + QLatin1Char('/')));
}

// Writes the file system's cached data of path to the disk.
bool flushFileSystem(const QString &path)
{
    const Descriptor folder(::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.isValid() && ::syncfs(folder.get()) == 0;
}

// Renames the complete temporary in folder to name; 0 or the error. A new
// file never takes the place of one that appeared after the check.
int putInPlace(int folder, const QByteArray &temporary, const QByteArray &name, bool replacing)
{
    if (!replacing) {
        if (::renameat2(folder, temporary.constData(), folder, name.constData(), RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        // A file system without the exclusive rename: checked just before.
        struct stat status;
        if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0)
            return EEXIST;
    }
    return ::renameat(folder, temporary.constData(), folder, name.constData()) == 0 ? 0 : errno;
}

// Gives the file open on fd the modification time in status; a file system
// without that precision (FAT keeps 2 seconds) rounds it.
void keepDate(int fd, const struct stat &status)
{
    const struct timespec times[2] = { { 0, UTIME_OMIT }, status.st_mtim };
    ::futimens(fd, times);
}

} // namespace

const char AsyncCopy::temporaryPrefix[] = ".opalosync-";

bool AsyncCopy::isTemporaryName(const char *name)
{
    const size_t prefix = std::strlen(temporaryPrefix);
    return std::strncmp(name, temporaryPrefix, prefix) == 0
        && std::strlen(name) == prefix + temporarySuffixLength;
}

void AsyncCopy::removeTemporary(int folder, const char *name)
{
    struct stat status;
    if (!isTemporaryName(name) || ::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISREG(status.st_mode))
        ::unlinkat(folder, name, 0);
    else if (S_ISDIR(status.st_mode))
        removeTree(folder, name);
}

AsyncCopy::AsyncCopy(TL09Engine *engine)
    : QThread(engine)
    , m_engine(engine)
{
    setStackSize(copyStackSize);
}

void AsyncCopy::prepare(const QList<Batch> &batches, BrowserMode target, const QStringList &nameFilters)
{
    m_batches = batches;
    this->target = target;
    matcher = FileNameMatcher(nameFilters);
    QMutexLocker locker(&stopMutex);
    stopRequested = false;
}

void AsyncCopy::requestStop()
{
    QMutexLocker locker(&stopMutex);
    stopRequested = true;
}

void AsyncCopy::run()
{
    overwritePolicy = 0;
    m_failures.clear();
    m_refused.clear();
    m_safeNames.clear();
    m_listings.clear();
    m_foundNothing = false;
    m_sinceProgress.invalidate();
    const QString destDir = m_batches.isEmpty() ? QString() : m_batches.first().destDir;
    newOwner = target == HostMode ? homeOwnerOf(destDir) : std::nullopt;
    QMutexLocker locker(&runMutex);
    bool ok = checkBeforeCopy();
    for (const Batch &batch : qAsConst(m_batches)) {
        if (!ok)
            break;
        ok = copyBatch(batch, target);
    }
    // Also after a stop: the files completed so far stay, so they must be on
    // the disk when the user pulls the device.
    if (!m_foundNothing && !flushFileSystem(destDir) && ok) {
        ok = false;
        reportFailure(QString(), target, DriveSpaceError);
    }
    signalProgress();
    locker.unlock();
    emit copy_thread_finished(ok);
}

bool AsyncCopy::checkBeforeCopy()
{
    if (m_batches.isEmpty())
        return false;
    CopyPreflight check(CopyPreflight::probe(m_batches.first().destDir));
    for (const Batch &batch : qAsConst(m_batches))
        survey(batch.files, batch.destDir, check);
    if (stopRequested)
        return false;
    m_foundNothing = check.selectionBytes() == 0;
    if (m_foundNothing)
        return false;
    emit selectionSized(check.selectionBytes());
    if (check.findings().isEmpty())
        return true;
    QStringList names;
    QSet<QString> listed;
    for (const CopyFailure &finding : check.findings()) {
        if (!listed.contains(finding.source)) {
            listed.insert(finding.source);
            names << QFileInfo(finding.source).fileName();
        }
    }
    dialogAnswer = AnswerPending;
    emit askBeforeCopy(names.join(QLatin1Char('\n')), target, check.hasRefusedNames());
    waitForAnswer();
    const int answer = dialogAnswer;
    if (stopRequested || (answer != AnswerYes && answer != AnswerApply))
        return false;
    const bool underSafeNames = answer == AnswerApply;
    if (underSafeNames)
        m_safeNames = check.safeNames();
    refuse(check.findings(), underSafeNames);
    return true;
}

void AsyncCopy::survey(const QFileInfoList &entries, const QString &destDir, CopyPreflight &check)
{
    check.addListing(entries, destDir);
    for (const QFileInfo &entry : entries) {
        if (!entry.isDir() || stopRequested)
            continue;
        // Kept for the copy, which then walks the selection only once.
        const QFileInfoList listing = CopySelection::copiedEntries(entry.filePath(), matcher);
        m_listings.insert(entry.filePath(), listing);
        survey(listing, destDir + QLatin1Char('/') + entry.fileName(), check);
    }
}

void AsyncCopy::refuse(const CopyFailures &findings, bool underSafeNames)
{
    // A file can be found twice (no room, and its name); it is refused, and
    // reported, for the first.
    for (const CopyFailure &finding : findings) {
        if ((underSafeNames && finding.reason == CopyOutcome::NameNotAllowed)
            || m_refused.contains(finding.source))
            continue;
        m_refused.insert(finding.source, finding.reason);
        m_failures << finding;
    }
}

QString AsyncCopy::copiedName(const QFileInfo &entry) const
{
    return m_safeNames.isEmpty() ? entry.fileName() : m_safeNames.value(entry.filePath(), entry.fileName());
}

void AsyncCopy::note(const QFileInfo &entry, const QString &destDir, CopyOutcome reason)
{
    m_failures << CopyFailure { entry.filePath(), destDir, reason };
}

bool AsyncCopy::copyBatch(const Batch &batch, BrowserMode target)
{
    // A path descriptor: writing into a folder needs no right to read it.
    const Descriptor folder(::open(encoded(batch.destDir).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return folder.isValid() && copyList(batch.files, target, { batch.destDir, folder.get(), false });
}

bool AsyncCopy::copyList(const QFileInfoList &files, BrowserMode target, const Destination &destination)
{
    for (const QFileInfo &entry : files) {
        if (stopRequested)
            return false;
        if (!m_refused.isEmpty() && m_refused.contains(entry.filePath())) {
            // Counted as done, so that the progress still reaches its end.
            countDone(entry.isDir() ? 0 : qMax<qint64>(entry.size(), 1));
            continue;
        }
        const bool goOn
            = entry.isDir() ? copyFolder(entry, target, destination) : copyFile(entry, target, destination);
        if (!goOn)
            return false;
    }
    return true;
}

bool AsyncCopy::copyFolder(const QFileInfo &folder, BrowserMode target, const Destination &destination)
{
    const QString name = copiedName(folder);
    if (isInside(destination.path, folder))
        return reportFailure(name, target, CopyError);
    const QByteArray shownName = encoded(name);
    // A new folder is filled under a hidden name and shown once its content
    // is in: a folder that is there holds whole files only, and those in a
    // hidden one need no hidden names of their own. Below it, folders are
    // made under their own names.
    struct stat status;
    const bool hidden = !destination.fresh
        && ::fstatat(destination.fd, shownName.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0
        && errno == ENOENT;
    QByteArray madeName = hidden ? temporaryName() : shownName;
    bool created = false;
    const Descriptor copied(makeFolder(destination.fd, madeName, hidden, target, &created));
    if (!copied.isValid()) {
        note(folder, destination.path, CopyOutcome::NoRights);
        return reportFailure(name, target, RightsError);
    }
    const QFileInfoList listing = m_listings.take(folder.filePath());
    const Destination inside { destination.path + QLatin1Char('/') + name, copied.get(), created };
    const bool complete = listing.isEmpty() || copyList(listing, target, inside);
    // Dated once its content is in, which would change the date again.
    if (complete && ::stat(encoded(folder.filePath()).constData(), &status) == 0)
        keepDate(copied.get(), status);
    // Also after a stop: the files completed so far are shown.
    if (hidden && putInPlace(destination.fd, madeName, shownName, false) == EEXIST) {
        removeTree(destination.fd, madeName.constData());
        note(folder, destination.path, CopyOutcome::ExistsKept);
    }
    return complete;
}

int AsyncCopy::makeFolder(int parent, QByteArray &name, bool hidden, BrowserMode target, bool *created) const
{
    *created = hidden ? createTemporaryFolder(parent, name) : ::mkdirat(parent, name.constData(), 0777) == 0;
    if (!*created && (hidden || errno != EEXIST))
        return -1;
    Descriptor folder(::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat status;
    if (!folder.isValid() || ::fstat(folder.get(), &status) != 0)
        return -1;
    // The device's volume is mounted for the user, who may write there
    // whatever the modes say; on the PC the umask decides. File systems
    // without Unix modes refuse the change; the folder is usable anyway.
    if (target == ExternalDeviceMode)
        ::fchmod(folder.get(), withWriteForAll(status.st_mode));
    else if (*created)
        giveToOwner(folder.get());
    return folder.release();
}

void AsyncCopy::giveToOwner(int fd) const
{
    if (newOwner)
        ::fchown(fd, newOwner->uid, newOwner->gid);
}

bool AsyncCopy::copyFile(const QFileInfo &file, BrowserMode target, const Destination &destination)
{
    const QString name = copiedName(file);
    announce(name);
    struct stat status;
    // Nothing can be in the way in a folder this copy has just made.
    const bool replacing = !destination.fresh
        && ::fstatat(destination.fd, encoded(name).constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    if (replacing && !mayReplace(name, file.size(), target)) {
        note(file, destination.path, CopyOutcome::ExistsKept);
        return true;
    }
    if (stopRequested)
        return false;
    // Not blocking, so that a named pipe among the selection cannot hold
    // the copy; only regular files are copied.
    const Descriptor source(::open(encoded(file.filePath()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!source.isValid() || ::fstat(source.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        note(file, destination.path, CopyOutcome::ReadError);
        return reportFailure(name, target, RightsError);
    }
    // A wider read-ahead for a file read in several chunks, from start to end.
    if (status.st_size > chunkSize)
        ::posix_fadvise(source.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return writeReplacement(file, source.get(), status, destination, replacing, target);
}

bool AsyncCopy::mayReplace(const QString &fileName, qint64 size, BrowserMode target)
{
    if (overwritePolicy == 0) {
        askAndWait(fileName, target, AskOverwrite);
        switch (dialogAnswer) {
        case AnswerNo:
            break;
        case AnswerNoToAll:
            overwritePolicy = 3;
            break;
        case AnswerYesToAll:
            overwritePolicy = 1;
            return true;
        default:
            return true;
        }
    } else if (overwritePolicy == 1) {
        return true;
    }
    // A skipped file counts as done, so that the progress still reaches its end.
    countDone(size);
    return false;
}

bool AsyncCopy::writeReplacement(const QFileInfo &file, int source, const struct stat &status,
    const Destination &destination, bool replacing, BrowserMode target)
{
    const QString name = copiedName(file);
    // In a folder not shown yet, the file is written under its own name.
    const bool direct = destination.fresh;
    // The name the data is written under.
    QByteArray written = direct ? encoded(name) : temporaryName();
    const bool toDevice = target == ExternalDeviceMode;
    const mode_t mode = toDevice ? 0600 : hostMode(status.st_mode);
    Descriptor output(
        direct ? createFile(destination.fd, written, mode) : createTemporary(destination.fd, written, mode));
    // Two names the same on a volume that ignores case.
    if (direct && !output.isValid() && errno == EEXIST) {
        countDone(status.st_size);
        note(file, destination.path, CopyOutcome::ExistsKept);
        return true;
    }
    if (!output.isValid()) {
        note(file, destination.path, errno == ENOSPC ? CopyOutcome::NoSpace : CopyOutcome::NoRights);
        return reportFailure(name, target, RightsError);
    }
    if (toDevice)
        ::fchmod(output.get(), withWriteForAll(status.st_mode));
    else
        giveToOwner(output.get());
    Transfer result = transfer(source, output.get(), status.st_size);
    // The copy carries the source's date, which a picture's owner sorts by.
    if (result == Transfer::Complete)
        keepDate(output.get(), status);
    // The file it replaces stays until the new data is on the disk. New
    // files are flushed together at the end of the copy.
    if (result == Transfer::Complete && replacing && ::fdatasync(output.get()) != 0)
        result = Transfer::Failed;
    if (!output.close() && result == Transfer::Complete)
        result = Transfer::Failed;
    if (result == Transfer::Failed) {
        note(file, destination.path, CopyOutcome::NoSpace);
        return endAfterFailedWrite(name, destination.fd, written, target);
    }
    if (result != Transfer::Complete)
        ::unlinkat(destination.fd, written.constData(), 0);
    if (result == Transfer::ReadFailed) {
        note(file, destination.path, CopyOutcome::ReadError);
        return reportFailure(name, target, CopyError);
    }
    if (result == Transfer::Stopped)
        return false;
    const int error = direct ? 0 : putInPlace(destination.fd, written, encoded(name), replacing);
    if (error != 0) {
        ::unlinkat(destination.fd, written.constData(), 0);
        // A file that appeared meanwhile was not asked about: it stays.
        if (error == EEXIST) {
            note(file, destination.path, CopyOutcome::ExistsKept);
            return true;
        }
        note(file, destination.path, CopyOutcome::NoRights);
        return reportFailure(name, target, RightsError);
    }
    emit copyFinshed(true);
    return true;
}

AsyncCopy::Transfer AsyncCopy::transfer(int source, int destination, qint64 size)
{
    ChunkMover mover(source, destination, size);
    qint64 done = 0;
    QElapsedTimer timer;
    do {
        timer.start();
        const qint64 count = mover.next(qMin(chunkSize, size - done));
        if (count == ChunkMover::readFailed)
            return Transfer::ReadFailed;
        if (count < 0)
            return Transfer::Failed;
        // The disk starts on a full chunk at once, so that a large copy is
        // written while it goes on rather than all in the flush at its end.
        if (count == chunkSize)
            ::sync_file_range(destination, done, count, SYNC_FILE_RANGE_WRITE);
        done += count;
        countDone(count, count == chunkSize);
        const qint64 ms = timer.elapsed();
        if (ms > 0)
            emit bytesPerSecond(count / ms * 1000);
        // A file that shrank while being copied ends at its new end.
        if (count == 0)
            break;
    } while (done < size && !stopRequested);
    return stopRequested ? Transfer::Stopped : Transfer::Complete;
}

void AsyncCopy::announce(const QString &fileName)
{
    m_unsignalledName = fileName;
    if (!m_sinceProgress.isValid() || m_sinceProgress.hasExpired(progressIntervalMs))
        signalProgress();
}

void AsyncCopy::countDone(qint64 bytes, bool wholeChunk)
{
    m_unsignalledBytes += bytes;
    m_hasUnsignalledBytes = true;
    if (wholeChunk || !m_sinceProgress.isValid() || m_sinceProgress.hasExpired(progressIntervalMs))
        signalProgress();
}

void AsyncCopy::signalProgress()
{
    if (!m_unsignalledName.isEmpty()) {
        emit fileNameChanged(m_unsignalledName);
        m_unsignalledName.clear();
    }
    if (m_hasUnsignalledBytes) {
        emit bytesWritten(m_unsignalledBytes);
        m_unsignalledBytes = 0;
        m_hasUnsignalledBytes = false;
    }
    m_sinceProgress.start();
}

bool AsyncCopy::endAfterFailedWrite(
    const QString &fileName, int folder, const QByteArray &temporary, BrowserMode target)
{
    msleep(removalNoticeMs);
    const bool present = ::faccessat(folder, temporary.constData(), F_OK, 0) == 0;
    ::unlinkat(folder, temporary.constData(), 0);
    if (present && m_engine->checkDeviceFolders())
        askAndWait(fileName, target, DriveSpaceError);
    msleep(failedWritePauseMs);
    return false;
}

bool AsyncCopy::reportFailure(const QString &fileName, BrowserMode target, CopyDlg dlg)
{
    // A pulled device makes every access fail: the copy then ends without
    // a box, and the main window reports the lost connection.
    msleep(removalNoticeMs);
    if (!m_engine->checkDeviceFolders())
        return false;
    askAndWait(fileName, target, dlg);
    return true;
}

void AsyncCopy::askAndWait(const QString &fileName, BrowserMode target, CopyDlg dlg)
{
    // The dialog behind the question shows how far the copy got.
    signalProgress();
    dialogAnswer = AnswerPending;
    emit showDialog(fileName, target, dlg);
    waitForAnswer();
}

void AsyncCopy::waitForAnswer()
{
    while (dialogAnswer == AnswerPending && !stopRequested)
        msleep(answerPollMs);
}
