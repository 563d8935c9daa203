// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/AsyncCopy.h"

#include "base/DeviceState.h"
#include "base/SessionCommands.h"
#include "engine/copy/ChunkMover.h"
#include "engine/copy/CopyPreflight.h"
#include "engine/copy/CopySelection.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>

#include <cerrno>
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
const unsigned long failedWritePauseMs = 1000;
// Complete files wait under their temporary names until one flush of the
// file system makes them durable together, started when this many wait,
// this much data is unflushed or the first has waited this long.
const int maxPending = 512;
const qint64 maxUnflushedBytes = 64 * chunkSize;
const qint64 maxPendingMs = 1000;
// Attempts at a free temporary name before giving up.
const int temporaryNameAttempts = 100;
// The highest number a copy kept beside an existing file takes.
const int lastNumberedName = 9999;
// FAT keeps modification times in steps of 2 seconds.
const qint64 dateToleranceMs = 2000;
// FAT keeps local times, read with the offset the kernel took at mount:
// after a change of daylight saving time every date there is an hour off.
const qint64 hourMs = 3600 * 1000;

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// Why an entry could not be made or written, from the error.
CopyOutcome outcomeOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return CopyOutcome::NoSpace;
    case EFBIG:
        return CopyOutcome::TooLarge;
    case EROFS:
        return CopyOutcome::ReadOnly;
    case ENAMETOOLONG:
        return CopyOutcome::NameTooLong;
    case ENODEV:
    case ENXIO:
        return CopyOutcome::DeviceGone;
    case EACCES:
    case EPERM:
    case EEXIST:
    case ENOTDIR:
    case EISDIR:
    case ENOENT:
        return CopyOutcome::NoRights;
    case ELOOP:
        return CopyOutcome::IsLink;
    default:
        return CopyOutcome::WriteError;
    }
}

// Why a file to copy could not be opened and read, from the error.
CopyOutcome sourceOutcomeOf(int error)
{
    switch (error) {
    case ELOOP:
        return CopyOutcome::IsLink;
    case EACCES:
    case EPERM:
        return CopyOutcome::NoRightsToRead;
    case ENODEV:
    case ENXIO:
        return CopyOutcome::DeviceGone;
    default:
        return CopyOutcome::ReadError;
    }
}

// Why a source folder could not be opened or listed, from the error.
CopyOutcome unlistedOutcome(int error)
{
    switch (error) {
    case ELOOP:
        return CopyOutcome::IsLink;
    case EACCES:
    case EPERM:
        return CopyOutcome::ListingRefused;
    default:
        return CopyOutcome::ListingFailed;
    }
}

// Opens the source entry, a name in the folder open on sourceFolder or, for
// a selected entry (sourceFolder -1), in the folder its path names; never
// through a symbolic link, so that a folder swapped for one while the copy
// goes on leads nowhere. A file is opened without blocking, so that a named
// pipe among the selection cannot hold the copy. -1 on failure, with errno
// set.
int openSource(int sourceFolder, const QFileInfo &entry, bool folder)
{
    const Descriptor parent(
        sourceFolder < 0 ? ::open(encoded(entry.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC) : -1);
    const int at = sourceFolder < 0 ? parent.get() : sourceFolder;
    if (at < 0)
        return -1;
    const QByteArray name = encoded(entry.fileName());
    return folder ? openFolderAt(at, name.constData(), O_RDONLY)
                  : ::openat(at, name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
}

// Creates the file name in folder, which must not be there yet, under the
// process's umask.
int createFile(int folder, const QByteArray &name, mode_t mode)
{
    return ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

// The mode of a copy on the PC: the source's, writable by its owner, less
// what the umask takes away when the file is created.
mode_t hostMode(mode_t mode)
{
    return (mode & 0777) | S_IWUSR;
}

// The mode of a copy on the device: the source's permissions, without the
// set-id and sticky bits, writable by all.
mode_t deviceMode(mode_t mode)
{
    return withWriteForAll(mode & 0777);
}

// Whether destDir is folder itself or lies below it: copying a folder there
// would copy its own copy again, without end.
bool isInside(const QString &destDir, const QFileInfo &folder)
{
    const QString outer = folder.canonicalFilePath();
    const QString inner = QFileInfo(destDir).canonicalFilePath();
    return !outer.isEmpty() && (inner == outer || inner.startsWith(outer + QLatin1Char('/')));
}

// path relative to root when it lies below it, else a null string.
QString pathBelow(const QString &root, const QString &path)
{
    if (root.isEmpty())
        return QString();
    const QString relative = QDir(root).relativeFilePath(QDir::cleanPath(path));
    return relative == QLatin1String("..") || relative.startsWith(QLatin1String("../")) ? QString()
                                                                                        : relative;
}

// Writes the file system's cached data of path to the disk; 0 or the error.
// A folder that may be written but not read has every file system flushed.
int flushFileSystem(const QString &path)
{
    const Descriptor folder(::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isValid() && errno == EACCES) {
        ::sync();
        return 0;
    }
    if (!folder.isValid())
        return errno;
    return ::syncfs(folder.get()) == 0 ? 0 : errno;
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

// name with number before its suffix: "beach (2).jpg" for "beach.jpg". A
// leading dot starts a hidden name, not a suffix.
QByteArray numberedName(const QByteArray &name, int number)
{
    const QString decoded = QFile::decodeName(name);
    const int dot = decoded.lastIndexOf(QLatin1Char('.'));
    const int split = dot > 0 ? dot : decoded.size();
    return encoded(decoded.left(split) + QStringLiteral(" (%1)").arg(number) + decoded.mid(split));
}

QDateTime modificationDate(const struct stat &status)
{
    return QDateTime::fromMSecsSinceEpoch(
        qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000);
}

// Whether existing, at the destination, is already a copy of source: a
// regular file of its size and date, to FAT's precision. A copy keeps the
// source's date, so what an interrupted copy completed is found so.
bool isAlreadyThere(const QFileInfo &source, const struct stat &existing, bool fatLike)
{
    if (!S_ISREG(existing.st_mode) || existing.st_size != source.size())
        return false;
    const qint64 apart = qAbs(modificationDate(existing).msecsTo(source.lastModified()));
    return apart <= dateToleranceMs || (fatLike && qAbs(apart - hourMs) <= dateToleranceMs);
}

// Whether name in folder still has the date of source once renamed: some
// file systems (fusefat) reset it then. A date that did not stay is set
// again; false when that fails too.
bool dateStayed(int folder, const QByteArray &name, const QFileInfo &source)
{
    struct stat placed;
    if (::fstatat(folder, name.constData(), &placed, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    const QDateTime wanted = source.lastModified();
    if (qAbs(modificationDate(placed).msecsTo(wanted)) <= dateToleranceMs)
        return true;
    const qint64 ms = wanted.toMSecsSinceEpoch();
    // Both times given: a FUSE file system may drop a change of the
    // modification time alone.
    const struct timespec date { time_t(ms / 1000), long(ms % 1000) * 1000000 };
    const struct timespec times[2] = { date, date };
    return ::utimensat(folder, name.constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

// Gives the file open on fd the modification time in status; a file system
// without that precision (FAT keeps 2 seconds) rounds it.
bool keepDate(int fd, const struct stat &status)
{
    const struct timespec times[2] = { { 0, UTIME_OMIT }, status.st_mtim };
    return ::futimens(fd, times) == 0;
}

} // namespace

AsyncCopy::AsyncCopy(QObject *parent)
    : QThread(parent)
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
    QMutexLocker answerLocker(&m_answerLock);
    m_answered.wakeAll();
}

void AsyncCopy::setAnswer(CopyAnswer answer)
{
    QMutexLocker locker(&m_answerLock);
    dialogAnswer = answer;
    m_answered.wakeAll();
}

void AsyncCopy::run()
{
    overwritePolicy = 0;
    m_failures.clear();
    m_failuresBeforeGone = 0;
    m_toldCauses.clear();
    m_summary = CopySummary();
    m_fileNumber = 0;
    m_refused.clear();
    m_safeNames.clear();
    m_listings.clear();
    m_unlisted = false;
    m_foundNothing = false;
    m_ended = false;
    m_sinceProgress.invalidate();
    m_unsignalledSkipped = 0;
    const QString destDir = m_batches.isEmpty() ? QString() : m_batches.first().destDir;
    newOwner = target == HostMode ? homeOwnerOf(destDir) : std::nullopt;
    const QString root = target == ExternalDeviceMode ? mountPoint() : QString();
    m_deviceRoot = pathBelow(root, destDir).isNull() ? QString() : root;
    QMutexLocker locker(&runMutex);
    m_journal.open(m_deviceRoot);
    bool ok = checkBeforeCopy();
    for (const Batch &batch : qAsConst(m_batches)) {
        if (!ok)
            break;
        ok = copyBatch(batch);
    }
    // Also after a stop: the files completed so far stay, so they must be on
    // the disk when the user pulls the device.
    if (!m_foundNothing && flushFileSystem(destDir) != 0 && ok) {
        ok = false;
        reportFailure(QString(), DriveSpaceError, CopyOutcome::NoSpace);
    }
    m_journal.close();
    // What a folder that could not be listed holds did not arrive.
    m_summary.complete = ok && !m_unlisted;
    signalProgress();
    locker.unlock();
    emit copyEnded(ok);
}

bool AsyncCopy::checkBeforeCopy()
{
    if (m_batches.isEmpty())
        return false;
    const VolumeFacts volume = CopyPreflight::probe(m_batches.first().destDir);
    m_fatLike = volume.kind != VolumeFacts::Other;
    CopyPreflight check(volume);
    for (const Batch &batch : qAsConst(m_batches))
        survey(batch.files, batch.destDir, check);
    if (stopRequested)
        return false;
    // A folder that could not be listed is reported, not taken as empty.
    m_foundNothing = check.selectionBytes() == 0 && !m_unlisted;
    if (check.selectionBytes() == 0)
        return false;
    emit selectionSized(check.selectionBytes());
    if (check.findings().isEmpty())
        return true;
    CopyQuestion question;
    question.kind = AskBeforeCopy;
    question.target = target;
    question.offerSafeNames = check.hasRefusedNames();
    QSet<QString> listed;
    for (const CopyFailure &finding : check.findings()) {
        if (!listed.contains(finding.source)) {
            listed.insert(finding.source);
            question.refused << finding;
        }
    }
    askAndWait(question);
    const int answer = dialogAnswer;
    if (stopRequested || (answer != AnswerYes && answer != AnswerApply))
        return false;
    const bool underSafeNames = answer == AnswerApply;
    if (underSafeNames)
        m_safeNames = check.safeNames();
    refuse(check.findings(), underSafeNames);
    return true;
}

void AsyncCopy::survey(
    const QFileInfoList &entries, const QString &destDir, CopyPreflight &check, int sourceFolder)
{
    check.addListing(entries, destDir);
    for (const QFileInfo &entry : entries) {
        if (!entry.isDir() || entry.isSymLink()) {
            ++m_summary.files;
            continue;
        }
        if (stopRequested)
            continue;
        const Descriptor folder(openSource(sourceFolder, entry, true));
        const CopySelection::Listing listing = folder.isValid()
            ? CopySelection::list(folder.get(), entry.filePath(), matcher)
            : CopySelection::Listing { {}, errno };
        // A part of a folder is not copied as if it were the whole.
        if (listing.error != 0) {
            noteUnlisted(entry, destDir, listing.error);
            m_refused.insert(entry.filePath(), unlistedOutcome(listing.error));
            continue;
        }
        // Kept for the copy, which then walks the selection only once.
        m_listings.insert(entry.filePath(), listing.entries);
        survey(listing.entries, destDir + QLatin1Char('/') + entry.fileName(), check, folder.get());
    }
}

void AsyncCopy::noteUnlisted(const QFileInfo &folder, const QString &destDir, int error)
{
    m_unlisted = true;
    note(folder, destDir, unlistedOutcome(error));
}

void AsyncCopy::refuse(const CopyFailures &findings, bool underSafeNames)
{
    // A file can be found twice (no room, and its name); it is refused, and
    // reported, for the first.
    for (const CopyFailure &finding : findings) {
        const bool renamed = finding.reason == CopyOutcome::NameNotAllowed
            || finding.reason == CopyOutcome::SameNameInOtherCase;
        if ((underSafeNames && renamed) || m_refused.contains(finding.source))
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

bool AsyncCopy::copyBatch(const Batch &batch)
{
    m_flushedFolder = batch.destDir;
    const auto folder = std::make_shared<Descriptor>(openDestination(batch.destDir));
    if (!folder->isValid()) {
        const CopyOutcome reason = outcomeOf(errno);
        for (const QFileInfo &entry : batch.files)
            note(entry, batch.destDir, reason);
        return reportFailure(QFileInfo(batch.destDir).fileName(), RightsError, reason);
    }
    const bool goOn = copyList(batch.files, { batch.destDir, folder, false, nullptr }, -1);
    // Also after a stop: the files completed so far are shown.
    return makeDurable() && goOn;
}

int AsyncCopy::openDestination(const QString &destDir) const
{
    // A path descriptor: writing into a folder needs no right to read it.
    const QString below = pathBelow(m_deviceRoot, destDir);
    if (below.isNull())
        return ::open(encoded(destDir).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const Descriptor root(::open(encoded(m_deviceRoot).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return root.isValid() ? openFolderBelow(root.get(), encoded(below)) : -1;
}

bool AsyncCopy::copyList(const QFileInfoList &files, const Destination &destination, int sourceFolder)
{
    for (const QFileInfo &entry : files) {
        if (stopRequested)
            return false;
        if (!entry.isDir() || entry.isSymLink())
            ++m_fileNumber;
        if (!m_refused.isEmpty() && m_refused.contains(entry.filePath())) {
            // Counted as done, so that the progress still reaches its end.
            countSkipped(entry.isDir() ? 0 : qMax<qint64>(entry.size(), 1));
            continue;
        }
        // Only a selected entry can be a link: listings leave them out.
        if (entry.isSymLink()) {
            countSkipped(1);
            note(entry, destination.path, CopyOutcome::IsLink);
            if (!reportFailure(entry.fileName(), RightsError, CopyOutcome::IsLink))
                return false;
            continue;
        }
        const bool goOn = entry.isDir() ? copyFolder(entry, destination, sourceFolder)
                                        : copyFile(entry, destination, sourceFolder);
        if (!goOn)
            return false;
    }
    return true;
}

bool AsyncCopy::copyFolder(const QFileInfo &folder, const Destination &destination, int sourceFolder)
{
    const QString name = copiedName(folder);
    if (isInside(destination.path, folder))
        return reportFailure(name, CopyError, CopyOutcome::WriteError);
    // Held while its content is copied, which is then read from the folder
    // listed, whatever takes its name meanwhile.
    const Descriptor source(openSource(sourceFolder, folder, true));
    if (!source.isValid()) {
        const int error = errno;
        noteUnlisted(folder, destination.path, error);
        return reportFailure(name, RightsError, unlistedOutcome(error));
    }
    const QByteArray shownName = encoded(name);
    // A new folder is filled under a hidden name and shown once its content
    // is in: a folder that is there holds whole files only, and those in a
    // hidden one need no hidden names of their own. Below it, folders are
    // made under their own names.
    struct stat status;
    const bool hidden = !destination.fresh
        && ::fstatat(destination.fd(), shownName.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0
        && errno == ENOENT;
    QByteArray madeName = shownName;
    bool created = false;
    const auto copied = std::make_shared<Descriptor>(makeFolder(destination, madeName, hidden, &created));
    if (!copied->isValid()) {
        const CopyOutcome reason = outcomeOf(errno);
        note(folder, destination.path, reason);
        return reportFailure(name, RightsError, reason);
    }
    const QFileInfoList listing = m_listings.take(folder.filePath());
    // Made where it shows at once (its name could not be looked up), it is
    // filled as a folder that was there.
    const bool fresh = created && (hidden || destination.fresh);
    const Destination inside { destination.path + QLatin1Char('/') + name, copied, fresh,
        hidden ? std::make_shared<bool>(false) : destination.spoilt };
    const bool complete = listing.isEmpty() || copyList(listing, inside, source.get());
    // Dated once its content is in, which would change the date again.
    const bool dateKept
        = !complete || (::fstat(source.get(), &status) == 0 && keepDate(copied->get(), status));
    if (!hidden) {
        if (!dateKept)
            note(folder, destination.path, CopyOutcome::DateNotKept);
        return complete;
    }
    // A part of a file that could not be removed keeps the folder hidden
    // for good.
    if (*inside.spoilt) {
        m_journal.discard(destination.folder, madeName);
        note(folder, destination.path, CopyOutcome::WriteError);
        return complete;
    }
    // Also after a stop: the files completed so far are shown.
    return placeWhenDue(
               { destination.folder, madeName, shownName, false, false, dateKept, folder, destination.path })
        && complete;
}

int AsyncCopy::makeFolder(const Destination &destination, QByteArray &name, bool hidden, bool *created)
{
    *created = false;
    for (int attempt = 0; hidden && !*created && attempt < temporaryNameAttempts; ++attempt) {
        name = m_journal.reserve(destination.path, destination.fd());
        *created = ::mkdirat(destination.fd(), name.constData(), 0777) == 0;
        if (!*created && errno != EEXIST)
            return -1;
    }
    if (!hidden)
        *created = ::mkdirat(destination.fd(), name.constData(), 0777) == 0;
    if (!*created && (hidden || errno != EEXIST))
        return -1;
    // Never through a link: what it points to is not the device's to give.
    Descriptor folder(openFolderAt(destination.fd(), name.constData(), O_RDONLY));
    struct stat status;
    if (!folder.isValid() || ::fstat(folder.get(), &status) != 0) {
        const int error = errno;
        // A folder made here and left empty is not left behind.
        if (hidden)
            m_journal.discard(destination.folder, name);
        else if (*created)
            ::unlinkat(destination.fd(), name.constData(), AT_REMOVEDIR);
        errno = error;
        return -1;
    }
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

bool AsyncCopy::copyFile(const QFileInfo &file, const Destination &destination, int sourceFolder)
{
    const QString name = copiedName(file);
    announce(name);
    struct stat status;
    // Nothing can be in the way in a folder this copy has just made.
    const bool replacing = !destination.fresh
        && ::fstatat(destination.fd(), encoded(name).constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    if (replacing && isAlreadyThere(file, status, m_fatLike)) {
        ++m_summary.alreadyThere;
        countSkipped(qMax<qint64>(file.size(), 1));
        return true;
    }
    bool besideExisting = false;
    if (replacing) {
        switch (resolveClash(file, destination.path + QLatin1Char('/') + name, status)) {
        case Clash::Skip:
            note(file, destination.path, CopyOutcome::KeptAsAsked);
            return true;
        case Clash::Cancel:
            return false;
        case Clash::KeepBoth:
            besideExisting = true;
            break;
        case Clash::Replace:
            break;
        }
    }
    if (stopRequested)
        return false;
    // Only regular files are copied.
    const Descriptor source(openSource(sourceFolder, file, false));
    if (!source.isValid() || ::fstat(source.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        const CopyOutcome reason = sourceOutcomeOf(errno);
        note(file, destination.path, reason);
        return reportFailure(name, RightsError, reason);
    }
    // A wider read-ahead for a file read in several chunks, from start to end.
    if (status.st_size > chunkSize)
        ::posix_fadvise(source.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return writeFile(file, source.get(), status, destination, replacing && !besideExisting, besideExisting);
}

AsyncCopy::Clash AsyncCopy::resolveClash(
    const QFileInfo &file, const QString &existing, const struct stat &status)
{
    if (overwritePolicy == 0) {
        CopyQuestion question;
        question.kind = AskOverwrite;
        question.target = target;
        question.fileName = QFileInfo(existing).fileName();
        question.overwrite = { file.filePath(), file.size(), file.lastModified(), existing,
            qint64(status.st_size), modificationDate(status) };
        askAndWait(question);
        if (stopRequested)
            return Clash::Cancel;
        switch (dialogAnswer) {
        case AnswerYesToAll:
            overwritePolicy = 1;
            return Clash::Replace;
        case AnswerYes:
            return Clash::Replace;
        case AnswerKeepBothToAll:
            overwritePolicy = 2;
            return Clash::KeepBoth;
        case AnswerKeepBoth:
            return Clash::KeepBoth;
        case AnswerCancel:
            // Nothing more is asked: the copy ends at its next check.
            requestStop();
            return Clash::Cancel;
        case AnswerNoToAll:
            overwritePolicy = 3;
            break;
        default:
            // No, or a box closed without an answer: nothing is lost.
            break;
        }
    } else if (overwritePolicy == 1) {
        return Clash::Replace;
    } else if (overwritePolicy == 2) {
        return Clash::KeepBoth;
    }
    // A skipped file counts as done, so that the progress still reaches its end.
    countSkipped(file.size());
    return Clash::Skip;
}

bool AsyncCopy::writeFile(const QFileInfo &file, int source, const struct stat &status,
    const Destination &destination, bool replacing, bool besideExisting)
{
    const QString name = copiedName(file);
    // In a folder not shown yet, the file is written under its own name.
    const bool direct = destination.fresh;
    // The name the data is written under.
    QByteArray written = encoded(name);
    const bool toDevice = target == ExternalDeviceMode;
    const mode_t mode = toDevice ? 0600 : hostMode(status.st_mode);
    Descriptor output(
        direct ? createFile(destination.fd(), written, mode) : createTemporary(destination, &written, mode));
    // Two names the same on a volume that ignores case.
    if (direct && !output.isValid() && errno == EEXIST) {
        countSkipped(status.st_size);
        note(file, destination.path, CopyOutcome::ExistsKept);
        return true;
    }
    if (!output.isValid()) {
        const CopyOutcome reason = outcomeOf(errno);
        note(file, destination.path, reason);
        return reportFailure(name, RightsError, reason);
    }
    if (toDevice)
        ::fchmod(output.get(), deviceMode(status.st_mode));
    else
        giveToOwner(output.get());
    Transfer result = transfer(source, output.get(), status.st_size);
    // The copy carries the source's date, which a picture's owner sorts by.
    const bool dateKept = result != Transfer::Complete || keepDate(output.get(), status);
    if (!output.close() && result == Transfer::Complete) {
        m_writeError = errno;
        result = Transfer::Failed;
    }
    if (result == Transfer::Failed) {
        note(file, destination.path, outcomeOf(m_writeError));
        m_failedWrite = outcomeOf(m_writeError);
        // A file that has gone with the device says the device has gone.
        const bool present
            = ::faccessat(destination.fd(), written.constData(), F_OK, AT_SYMLINK_NOFOLLOW) == 0;
        discardWritten(destination, written);
        return endAfterFailedWrite(name, present);
    }
    if (result != Transfer::Complete)
        discardWritten(destination, written);
    if (result == Transfer::ReadFailed || result == Transfer::Changed) {
        const CopyOutcome reason
            = result == Transfer::Changed ? CopyOutcome::ChangedWhileCopied : CopyOutcome::ReadError;
        note(file, destination.path, reason);
        return reportFailure(name, CopyError, reason);
    }
    if (result == Transfer::Stopped)
        return false;
    if (direct) {
        m_unflushedBytes += status.st_size;
        if (!dateKept)
            note(file, destination.path, CopyOutcome::DateNotKept);
        ++m_summary.copied;
        return true;
    }
    m_unflushedBytes += status.st_size;
    return placeWhenDue({ destination.folder, written, encoded(name), replacing, besideExisting, dateKept,
        file, destination.path });
}

void AsyncCopy::discardWritten(const Destination &destination, const QByteArray &written)
{
    if (!destination.fresh)
        m_journal.discard(destination.folder, written);
    else if (::unlinkat(destination.fd(), written.constData(), 0) != 0 && errno != ENOENT)
        *destination.spoilt = true;
}

int AsyncCopy::createTemporary(const Destination &destination, QByteArray *name, mode_t mode)
{
    for (int attempt = 0; attempt < temporaryNameAttempts; ++attempt) {
        *name = m_journal.reserve(destination.path, destination.fd());
        const int fd = createFile(destination.fd(), *name, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

AsyncCopy::Transfer AsyncCopy::transfer(int source, int destination, qint64 size)
{
    ChunkMover mover(source, destination, size);
    qint64 done = 0;
    do {
        const qint64 count = mover.next(qMin(chunkSize, size - done));
        if (count == ChunkMover::readFailed)
            return Transfer::ReadFailed;
        if (count < 0) {
            m_writeError = errno;
            return Transfer::Failed;
        }
        // The disk starts on a full chunk at once, so that a large copy is
        // written while it goes on rather than all in the flush at its end.
        if (count == chunkSize)
            ::sync_file_range(destination, done, count, SYNC_FILE_RANGE_WRITE);
        done += count;
        countDone(count, count == chunkSize);
        // The source ended early: it shrank while being copied, or a read
        // said it has no more.
        if (count == 0)
            break;
    } while (done < size && !stopRequested);
    if (stopRequested)
        return Transfer::Stopped;
    return done < size ? Transfer::Changed : Transfer::Complete;
}

bool AsyncCopy::placeWhenDue(const Pending &pending)
{
    if (m_pending.isEmpty())
        m_sinceFlush.start();
    m_pending << pending;
    const bool due = m_pending.size() >= maxPending || m_unflushedBytes >= maxUnflushedBytes
        || m_sinceFlush.hasExpired(maxPendingMs);
    if (!due)
        return true;
    // The flush goes on beside the copy, which places the last batch only
    // when the next is due: the disk never waits for the copy.
    const bool goOn = placeFlushed();
    m_flushed.swap(m_pending);
    m_unflushedBytes = 0;
    m_flushing = std::async(std::launch::async, flushFileSystem, m_flushedFolder);
    return goOn;
}

bool AsyncCopy::makeDurable()
{
    bool goOn = placeFlushed();
    if (m_pending.isEmpty())
        return goOn;
    m_flushed.swap(m_pending);
    m_unflushedBytes = 0;
    m_flushing = std::async(std::launch::deferred, flushFileSystem, m_flushedFolder);
    return placeFlushed() && goOn;
}

bool AsyncCopy::placeFlushed()
{
    if (!m_flushing.valid())
        return true;
    // The data of every file and of the content of every folder flushed
    // reaches the disk before any of them takes its name.
    const int error = m_flushing.get();
    QList<Pending> flushed;
    flushed.swap(m_flushed);
    if (error != 0) {
        for (const Pending &pending : qAsConst(flushed)) {
            m_journal.discard(pending.folder, pending.temporary);
            note(pending.source, pending.destDir, outcomeOf(error));
        }
        m_failedWrite = outcomeOf(error);
        return endAfterFailedWrite(QString(), true);
    }
    bool goOn = true;
    for (const Pending &pending : qAsConst(flushed))
        goOn = place(pending) && goOn;
    return goOn;
}

bool AsyncCopy::place(const Pending &pending)
{
    QByteArray name = pending.name;
    int error = pending.besideExisting
        ? EEXIST
        : putInPlace(pending.folder->get(), pending.temporary, name, pending.replacing);
    // Beside the file kept, under the first free numbered name, which the
    // exclusive rename takes without overwriting what appears meanwhile.
    for (int number = 2; pending.besideExisting && error == EEXIST && number <= lastNumberedName; ++number) {
        name = numberedName(pending.name, number);
        error = putInPlace(pending.folder->get(), pending.temporary, name, false);
    }
    if (error == 0) {
        if (!pending.dateKept || !dateStayed(pending.folder->get(), name, pending.source))
            note(pending.source, pending.destDir, CopyOutcome::DateNotKept);
        if (!pending.source.isDir()) {
            ++m_summary.copied;
        }
        // The device was there for this one.
        m_failuresBeforeGone = m_failures.size();
        return true;
    }
    m_journal.discard(pending.folder, pending.temporary);
    // What appeared meanwhile was not asked about: it stays.
    const CopyOutcome reason = error == EEXIST ? CopyOutcome::ExistsKept : outcomeOf(error);
    note(pending.source, pending.destDir, reason);
    return error == EEXIST || reportFailure(QFile::decodeName(pending.name), RightsError, reason);
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

void AsyncCopy::countSkipped(qint64 bytes)
{
    m_unsignalledSkipped += bytes;
    if (!m_sinceProgress.isValid() || m_sinceProgress.hasExpired(progressIntervalMs))
        signalProgress();
}

void AsyncCopy::signalProgress()
{
    if (!m_unsignalledName.isEmpty()) {
        emit fileNumberChanged(m_fileNumber, m_summary.files);
        emit fileNameChanged(m_unsignalledName);
        m_unsignalledName.clear();
    }
    if (m_unsignalledSkipped > 0) {
        emit bytesSkipped(m_unsignalledSkipped);
        m_unsignalledSkipped = 0;
    }
    if (m_hasUnsignalledBytes) {
        emit bytesWritten(m_unsignalledBytes);
        m_unsignalledBytes = 0;
        m_hasUnsignalledBytes = false;
    }
    m_sinceProgress.start();
}

bool AsyncCopy::endAfterFailedWrite(const QString &fileName, bool written)
{
    // The files completed before the failure are still placed, and may
    // fail as well: the copy ends once, with one box.
    if (m_ended)
        return false;
    m_ended = true;
    waitForRemovalNotice();
    if (!deviceReachable())
        markDeviceGone();
    else if (written)
        askAndWait(
            fileName, m_failedWrite == CopyOutcome::NoSpace ? DriveSpaceError : RightsError, m_failedWrite);
    // A device that was pulled is known gone before the refresh that
    // follows the copy; a back-end that tells at once needs no pause.
    if (m_removalNoticeMs > 0)
        msleep(failedWritePauseMs);
    return false;
}

bool AsyncCopy::reportFailure(const QString &fileName, CopyDlg dlg, CopyOutcome cause)
{
    // A pulled device makes every access fail: the copy then ends without
    // a box, and the main window reports the lost connection.
    waitForRemovalNotice();
    if (!deviceReachable()) {
        markDeviceGone();
        return false;
    }
    // One box per cause: the report names every file.
    if (!m_toldCauses.contains(int(cause))) {
        m_toldCauses.insert(int(cause));
        askAndWait(fileName, dlg, cause);
    }
    return true;
}

void AsyncCopy::markDeviceGone()
{
    // What failed since the device went failed for that reason, whatever the
    // error said.
    for (int i = m_failuresBeforeGone; i < m_failures.size(); ++i) {
        if (m_failures.at(i).isRetriable())
            m_failures[i].reason = CopyOutcome::DeviceGone;
    }
}

void AsyncCopy::waitForRemovalNotice()
{
    msleep(m_removalNoticeMs);
}

void AsyncCopy::askAndWait(const QString &fileName, CopyDlg dlg, CopyOutcome cause)
{
    CopyQuestion question;
    question.kind = dlg;
    question.target = target;
    question.fileName = fileName;
    question.cause = cause;
    askAndWait(question);
}

void AsyncCopy::askAndWait(const CopyQuestion &question)
{
    // The dialog behind the question shows how far the copy got.
    signalProgress();
    dialogAnswer = AnswerPending;
    emit questionAsked(question);
    waitForAnswer();
}

void AsyncCopy::waitForAnswer()
{
    // The answer wakes the worker; the wait still ends now and then, as the
    // copy's polling always has.
    QMutexLocker locker(&m_answerLock);
    while (dialogAnswer == AnswerPending && !stopRequested)
        m_answered.wait(&m_answerLock, answerPollMs);
}
