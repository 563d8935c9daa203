// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/TemporaryJournal.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Random characters after the prefix, as many as mkstemp uses.
const int suffixLength = 6;
// Names recorded at once for a folder: one flush to the disk serves them.
const int namesPerRecord = 32;
// A journal is a few records; one larger than this was not written here.
const qint64 maxJournalSize = 4 * 1048576;

// Held by the copy that records, for as long as it does.
QMutex &journalLock()
{
    static QMutex lock;
    return lock;
}

QByteArray randomName()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name(TemporaryJournal::temporaryPrefix);
    for (int i = 0; i < suffixLength; ++i)
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return name;
}

QByteArray readJournal(int root)
{
    const Descriptor file(
        ::openat(root, TemporaryJournal::fileName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status;
    if (!file.isValid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size > maxJournalSize)
        return QByteArray();
    QByteArray data(int(status.st_size), Qt::Uninitialized);
    const ssize_t count = ::read(file.get(), data.data(), size_t(data.size()));
    data.truncate(int(qMax<ssize_t>(count, 0)));
    return data;
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

// Removes what the journal at root lists, then the journal once nothing
// listed is left. Records name paths relative to root; those of one folder
// follow each other, and the folder is opened once for them.
void sweepAt(int root)
{
    bool allGone = true;
    QByteArray openPath;
    Descriptor folder;
    int openError = 0;
    for (const QByteArray &record : readJournal(root).split('\0')) {
        if (record.isEmpty())
            continue;
        const int slash = record.lastIndexOf('/');
        const QByteArray path = record.left(qMax(slash, 0));
        if (path != openPath || (!folder.isValid() && openError == 0)) {
            openPath = path;
            folder.reset(openFolderBelow(root, path));
            openError = folder.isValid() ? 0 : errno;
        }
        // A folder that is gone, is a link now or lies outside root holds
        // nothing of ours; one that cannot be read now may.
        const bool gone = folder.isValid()
            ? removeTemporary(folder.get(), record.mid(slash + 1))
            : openError == ENOENT || openError == ENOTDIR || openError == ELOOP || openError == EACCES;
        allGone = allGone && gone;
    }
    if (allGone)
        ::unlinkat(root, TemporaryJournal::fileName, 0);
}

int openRoot(const QString &root)
{
    return ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

const char TemporaryJournal::fileName[] = ".opalosync-journal";
const char TemporaryJournal::temporaryPrefix[] = ".opalosync-";

bool TemporaryJournal::isTemporaryName(const char *name)
{
    const size_t prefix = std::strlen(temporaryPrefix);
    return std::strncmp(name, temporaryPrefix, prefix) == 0 && std::strlen(name) == prefix + suffixLength;
}

void TemporaryJournal::sweep(const QString &root)
{
    if (root.isEmpty() || !journalLock().tryLock())
        return;
    const Descriptor folder(openRoot(root));
    if (folder.isValid())
        sweepAt(folder.get());
    journalLock().unlock();
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
    if (root.isEmpty())
        return;
    m_root.reset(openRoot(root));
    m_rootPath = root;
    if (m_root.isValid())
        sweepAt(m_root.get());
}

QByteArray TemporaryJournal::reserve(const QString &folder)
{
    if (!isActive())
        return randomName();
    QList<QByteArray> &reserved = m_reserved[folder];
    if (reserved.isEmpty()) {
        const QString relative = QDir(m_rootPath).relativeFilePath(folder);
        const QByteArray prefix
            = relative == QLatin1String(".") ? QByteArray() : QFile::encodeName(relative) + '/';
        QByteArray records;
        for (int i = 0; i < namesPerRecord; ++i) {
            reserved << randomName();
            records += prefix + reserved.last() + '\0';
        }
        if (!record(records)) {
            reserved.clear();
            return QByteArray();
        }
    }
    return reserved.takeFirst();
}

bool TemporaryJournal::record(const QByteArray &records)
{
    if (!m_file.isValid()) {
        m_file.reset(
            ::openat(m_root.get(), fileName, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0666));
        // The journal's own name must be on the disk before the names in it.
        if (!m_file.isValid() || ::fsync(m_root.get()) != 0) {
            m_file.close();
            return false;
        }
    }
    const ssize_t written = ::write(m_file.get(), records.constData(), size_t(records.size()));
    return written == records.size() && ::fdatasync(m_file.get()) == 0;
}

void TemporaryJournal::discard(const std::shared_ptr<Descriptor> &folder, const QByteArray &name)
{
    // On the device, the sweep at close() finds it through the journal.
    if (!removeTemporary(folder->get(), name) && !isActive())
        m_leftovers << Leftover { folder, name };
}

void TemporaryJournal::close()
{
    if (!m_locked)
        return;
    m_file.close();
    // The copy is over: whatever is still there under a name it recorded
    // is left over.
    if (isActive())
        sweepAt(m_root.get());
    for (const Leftover &leftover : qAsConst(m_leftovers))
        removeTemporary(leftover.folder->get(), leftover.name);
    m_leftovers.clear();
    m_reserved.clear();
    m_root.close();
    m_rootPath.clear();
    m_locked = false;
    journalLock().unlock();
}
