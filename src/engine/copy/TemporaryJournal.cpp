// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/TemporaryJournal.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Random characters after the prefix, as many as mkstemp uses.
const int suffixLength = 6;
// The unrecorded form: its own prefix, more random characters and a fixed
// ending, so that it is told from anything the user names.
const char unrecordedPrefix[] = ".opalo-";
const int unrecordedLength = 8;
const char unrecordedSuffix[] = ".part";
// Names recorded at once for a folder: one flush to the disk serves them.
const int namesPerRecord = 32;
// Past this the journal is rewritten with the names still in use.
const qint64 maxJournalSize = 4 * 1048576;
// No record names a longer path: one that does was not written here.
const int maxRecordLength = PATH_MAX;
// A journal written here never gets near this; the rest of a larger one is
// not read.
const qint64 maxJournalRead = 16 * maxJournalSize;
const qint64 readBlockSize = 65536;
// The journal is replaced through this name.
const char replacementName[] = ".opalosync-journal.new";

// Held by the copy that records, for as long as it does.
QMutex &journalLock()
{
    static QMutex lock;
    return lock;
}

QByteArray randomName(const char *prefix, int length, const char *suffix = "")
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name(prefix);
    for (int i = 0; i < length; ++i)
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return name + suffix;
}

bool hasForm(const char *name, const char *prefix, int length, const char *suffix)
{
    const size_t prefixLength = std::strlen(prefix);
    const size_t suffixLength = std::strlen(suffix);
    const size_t nameLength = std::strlen(name);
    return nameLength == prefixLength + size_t(length) + suffixLength
        && std::strncmp(name, prefix, prefixLength) == 0
        && std::strcmp(name + nameLength - suffixLength, suffix) == 0;
}

bool isRecordedName(const char *name)
{
    return hasForm(name, TemporaryJournal::temporaryPrefix, suffixLength, "");
}

bool isUnrecordedName(const char *name)
{
    return hasForm(name, unrecordedPrefix, unrecordedLength, unrecordedSuffix);
}

int openFolder(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Whether another program holds the journal folder open on folder; else
// this one holds it from now on, where the file system can tell.
bool isHeldElsewhere(int folder)
{
    return ::flock(folder, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

// Calls take for each record of the journal in folder, in order; a record
// too long to be one of ours is passed over, and so is a last one cut
// short. False when there is no regular file to read.
bool readRecords(int folder, const std::function<void(const QByteArray &)> &take)
{
    struct stat status;
    if (::fstatat(folder, TemporaryJournal::fileName, &status, AT_SYMLINK_NOFOLLOW) != 0
        || !S_ISREG(status.st_mode))
        return false;
    const Descriptor file(::openat(
        folder, TemporaryJournal::fileName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isValid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    QByteArray block(int(readBlockSize), Qt::Uninitialized);
    QByteArray record;
    bool overlong = false;
    qint64 total = 0;
    ssize_t count;
    while (total < maxJournalRead && (count = ::read(file.get(), block.data(), size_t(block.size()))) > 0) {
        total += count;
        const char *end = block.constData() + count;
        for (const char *at = block.constData(); at < end;) {
            const char *zero = static_cast<const char *>(std::memchr(at, 0, size_t(end - at)));
            const char *stop = zero ? zero : end;
            if (!overlong)
                record.append(at, int(stop - at));
            overlong = overlong || record.size() > maxRecordLength;
            if (zero) {
                if (!overlong && !record.isEmpty())
                    take(record);
                record.clear();
                overlong = false;
            }
            at = zero ? zero + 1 : end;
        }
    }
    return true;
}

// Removes the temporary name in folder; whether nothing of it is left. A
// name that is no temporary's is no concern.
bool removeTemporary(int folder, const QByteArray &name)
{
    struct stat status;
    if (!TemporaryJournal::isTemporaryName(name.constData()))
        return true;
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (S_ISREG(status.st_mode))
        return ::unlinkat(folder, name.constData(), 0) == 0;
    if (S_ISDIR(status.st_mode))
        return removeTree(folder, name.constData());
    return true;
}

// Whether what a record names may still be there, once removed when
// removing. Records name paths relative to the base folder; those of one
// folder follow each other, and the folder is opened once for them.
class RecordCheck
{
public:
    RecordCheck(int base, bool removing)
        : m_base(base)
        , m_removing(removing)
    { }

    bool mayStillBeThere(const QByteArray &record)
    {
        const int slash = record.lastIndexOf('/');
        const QByteArray name = record.mid(slash + 1);
        if (!isRecordedName(name.constData()))
            return false;
        const QByteArray path = record.left(qMax(slash, 0));
        if (path != m_path || (!m_folder.isValid() && m_error == 0)) {
            m_path = path;
            m_folder.reset(openFolderBelow(m_base, path));
            m_error = m_folder.isValid() ? 0 : errno;
        }
        // A folder that is gone, is a link now, lies outside the base or
        // has a name no file system takes holds nothing of ours; one that
        // cannot be read now may.
        if (!m_folder.isValid())
            return m_error != ENOENT && m_error != ENOTDIR && m_error != ELOOP && m_error != EACCES
                && m_error != ENAMETOOLONG && m_error != EINVAL;
        if (m_removing)
            return !removeTemporary(m_folder.get(), name);
        struct stat status;
        return ::fstatat(m_folder.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0
            || errno != ENOENT;
    }

private:
    const int m_base;
    const bool m_removing;
    QByteArray m_path;
    Descriptor m_folder;
    int m_error = 0;
};

// The records of the journal in folder whose names may still be there,
// removed first when removing; false when there is no journal to read.
bool liveRecords(int folder, int base, bool removing, QByteArray *live)
{
    RecordCheck check(base, removing);
    return readRecords(folder, [&](const QByteArray &record) {
        if (check.mayStillBeThere(record))
            *live += record + '\0';
    });
}

// Replaces the journal in folder with one of records, on the disk when
// this returns true; no records remove it.
bool replaceJournal(int folder, const QByteArray &records)
{
    if (records.isEmpty())
        return ::unlinkat(folder, TemporaryJournal::fileName, 0) == 0 || errno == ENOENT;
    ::unlinkat(folder, replacementName, 0);
    Descriptor file(
        ::openat(folder, replacementName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    const bool replaced = file.isValid()
        && ::write(file.get(), records.constData(), size_t(records.size())) == records.size()
        && ::fdatasync(file.get()) == 0 && file.close()
        && ::renameat(folder, replacementName, folder, TemporaryJournal::fileName) == 0
        && ::fsync(folder) == 0;
    if (!replaced)
        ::unlinkat(folder, replacementName, 0);
    return replaced;
}

// Removes what the journal in folder lists, then rewrites it with what
// could not be removed, or removes it once nothing is left.
void sweepAt(int folder, int base)
{
    QByteArray live;
    if (liveRecords(folder, base, true, &live))
        replaceJournal(folder, live);
}

void sweepFolder(const QString &journalFolder, const QString &base)
{
    if (!journalLock().tryLock())
        return;
    const Descriptor folder(openFolder(journalFolder));
    const Descriptor baseFolder(openFolder(base));
    if (folder.isValid() && baseFolder.isValid() && !isHeldElsewhere(folder.get()))
        sweepAt(folder.get(), baseFolder.get());
    journalLock().unlock();
}

// Removes what an earlier copy left under unrecorded names in folder.
void clearUnrecorded(int folder)
{
    DIR *stream = listFolder(folder);
    if (!stream)
        return;
    QByteArrayList found;
    while (const dirent *entry = ::readdir(stream)) {
        if (isUnrecordedName(entry->d_name))
            found << entry->d_name;
    }
    ::closedir(stream);
    for (const QByteArray &name : qAsConst(found))
        removeTemporary(folder, name);
}

} // namespace

const char TemporaryJournal::fileName[] = ".opalosync-journal";
const char TemporaryJournal::temporaryPrefix[] = ".opalosync-";

bool TemporaryJournal::isTemporaryName(const char *name)
{
    return isRecordedName(name) || isUnrecordedName(name);
}

QString TemporaryJournal::hostFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/opalosync");
}

void TemporaryJournal::sweep(const QString &root)
{
    if (!root.isEmpty())
        sweepFolder(root, root);
}

void TemporaryJournal::sweepHost()
{
    sweepFolder(hostFolder(), QStringLiteral("/"));
}

TemporaryJournal::~TemporaryJournal()
{
    close();
}

void TemporaryJournal::open(const QString &root)
{
    close();
    journalLock().lock();
    m_locked = true;
    if (root.isEmpty()) {
        QDir().mkpath(hostFolder());
        openAt(hostFolder(), QStringLiteral("/"));
    } else {
        openAt(root, root);
    }
}

void TemporaryJournal::openAt(const QString &journalFolder, const QString &root)
{
    m_folder.reset(openFolder(journalFolder));
    m_base.reset(openFolder(root));
    m_basePath = QFileInfo(root).canonicalFilePath();
    m_shared = m_folder.isValid() && isHeldElsewhere(m_folder.get());
    m_unrecorded = m_shared || !m_folder.isValid() || !m_base.isValid() || m_basePath.isEmpty();
    if (!m_unrecorded)
        sweepAt(m_folder.get(), m_base.get());
}

QByteArray TemporaryJournal::reserve(const QString &path, int folder)
{
    // Another program may be writing under unrecorded names there now.
    if (!m_shared && !m_cleared.contains(path)) {
        m_cleared.insert(path);
        clearUnrecorded(folder);
    }
    if (m_unrecorded)
        return randomName(unrecordedPrefix, unrecordedLength, unrecordedSuffix);
    auto recordPath = m_recordPaths.find(path);
    if (recordPath == m_recordPaths.end()) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        const QString relative = QDir(m_basePath).relativeFilePath(canonical);
        QByteArray at;
        if (!canonical.isEmpty() && relative != QLatin1String("..")
            && !relative.startsWith(QLatin1String("../")))
            at = relative == QLatin1String(".") ? QByteArray("") : QFile::encodeName(relative) + '/';
        recordPath = m_recordPaths.insert(path, at);
    }
    if (m_reserved.value(path).isEmpty() && !recordPath->isNull()) {
        QList<QByteArray> names;
        QByteArray records;
        for (int i = 0; i < namesPerRecord; ++i) {
            names << randomName(temporaryPrefix, suffixLength);
            records += *recordPath + names.last() + '\0';
        }
        // The copy goes on unrecorded rather than not at all.
        if (record(records))
            m_reserved.insert(path, names);
        else
            m_unrecorded = true;
    }
    QList<QByteArray> &reserved = m_reserved[path];
    if (reserved.isEmpty())
        return randomName(unrecordedPrefix, unrecordedLength, unrecordedSuffix);
    return reserved.takeFirst();
}

bool TemporaryJournal::record(const QByteArray &records)
{
    if (!m_file.isValid() && !openFile())
        return false;
    if (m_fileSize + records.size() <= maxJournalSize) {
        const ssize_t written = ::write(m_file.get(), records.constData(), size_t(records.size()));
        m_fileSize += qMax<ssize_t>(written, 0);
        return written == records.size() && ::fdatasync(m_file.get()) == 0;
    }
    // Rewritten with the names handed out that are still there and the new
    // ones; those reserved before are given up, most for folders the copy
    // has left.
    m_file.close();
    m_reserved.clear();
    QByteArray live;
    liveRecords(m_folder.get(), m_base.get(), false, &live);
    return replaceJournal(m_folder.get(), live + records) && openFile();
}

bool TemporaryJournal::openFile()
{
    struct stat status;
    const bool exists = ::fstatat(m_folder.get(), fileName, &status, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(status.st_mode))
        return false;
    // Nothing can be read from a special file: it is replaced.
    const bool regular = exists && S_ISREG(status.st_mode);
    if (exists && !regular && ::unlinkat(m_folder.get(), fileName, 0) != 0)
        return false;
    m_file.reset(::openat(m_folder.get(), fileName,
        O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (regular ? 0 : O_CREAT | O_EXCL), 0666));
    // The journal's own name must be on the disk before the names in it.
    if (!m_file.isValid() || ::fstat(m_file.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || ::fsync(m_folder.get()) != 0) {
        m_file.close();
        return false;
    }
    m_fileSize = status.st_size;
    return true;
}

void TemporaryJournal::discard(const std::shared_ptr<Descriptor> &folder, const QByteArray &name)
{
    // A recorded name is found through the journal at close().
    if (!removeTemporary(folder->get(), name) && !isRecordedName(name.constData()))
        m_leftovers << Leftover { folder, name };
}

void TemporaryJournal::close()
{
    if (!m_locked)
        return;
    m_file.close();
    // The copy is over: whatever is still there under a name it recorded
    // is left over.
    if (m_folder.isValid() && m_base.isValid() && !m_shared)
        sweepAt(m_folder.get(), m_base.get());
    for (const Leftover &leftover : qAsConst(m_leftovers))
        removeTemporary(leftover.folder->get(), leftover.name);
    m_leftovers.clear();
    m_reserved.clear();
    m_recordPaths.clear();
    m_cleared.clear();
    m_base.close();
    m_basePath.clear();
    // Lets other programs have the journal.
    m_folder.close();
    m_shared = false;
    m_unrecorded = false;
    m_locked = false;
    journalLock().unlock();
}
