// SPDX-License-Identifier: GPL-2.0-or-later
#include "SafeTree.h"

#include <QVarLengthArray>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace SafeTree {

namespace {

constexpr qint64 chunkSize = 1 << 20;
constexpr mode_t permissionBits = 0777;
constexpr int openFlags = O_RDONLY | O_CLOEXEC;
constexpr int folderFlags = openFlags | O_DIRECTORY | O_NOFOLLOW;

int lastError()
{
    return errno ? errno : EIO;
}

// Copies count bytes at offset; copy_file_range where the kernel can, plain
// reads and writes across file systems that refuse it.
int copyRange(int from, int to, off_t offset, qint64 count)
{
    off_t in = offset;
    off_t out = offset;
    bool kernelCopies = true;
    while (count > 0) {
        const ssize_t done = kernelCopies ? copy_file_range(from, &in, to, &out, size_t(count), 0) : -1;
        if (done > 0) {
            count -= done;
            continue;
        }
        if (done == 0)
            return EIO;
        if (kernelCopies && errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return errno;
        kernelCopies = false;
        QVarLengthArray<char, 65536> buffer(int(qMin<qint64>(count, 65536)));
        const ssize_t read = pread(from, buffer.data(), size_t(buffer.size()), in);
        if (read <= 0)
            return read == 0 ? EIO : errno;
        for (ssize_t written = 0; written < read;) {
            const ssize_t now = pwrite(to, buffer.data() + written, size_t(read - written), out);
            if (now < 0)
                return errno;
            written += now;
            out += now;
        }
        in += read;
        count -= read;
    }
    return 0;
}

// Copies the data of a file of size bytes, leaving its holes as holes.
int copyContent(int from, int to, off_t size, const CopyObserver &observer)
{
    off_t position = 0;
    while (position < size) {
        off_t data = lseek(from, position, SEEK_DATA);
        if (data < 0 && errno == ENXIO)
            break;
        if (data < 0)
            data = position;
        off_t hole = lseek(from, data, SEEK_HOLE);
        if (hole < 0 || hole > size)
            hole = size;
        observer.advanced(data - position);
        for (off_t chunk = data; chunk < hole; chunk += chunkSize) {
            if (observer.cancelled())
                return ECANCELED;
            const qint64 count = qMin<qint64>(chunkSize, hole - chunk);
            if (const int error = copyRange(from, to, chunk, count))
                return error;
            observer.advanced(count);
        }
        position = hole;
    }
    observer.advanced(size - qMin(position, size));
    return ftruncate(to, size) == 0 ? 0 : errno;
}

int copyFile(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
    const CopyObserver &observer, bool durable)
{
    // Not blocking: a named pipe put in the file's place must not hang the
    // copy before it is refused.
    const Fd from(openat(folder, name.constData(), openFlags | O_NOFOLLOW | O_NONBLOCK));
    struct stat status;
    if (!from.isValid() || fstat(from.get(), &status) != 0)
        return lastError();
    if (!S_ISREG(status.st_mode))
        return EINVAL;
    const Fd to(openat(targetFolder, targetName.constData(),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (!to.isValid())
        return errno;
    if (const int error = copyContent(from.get(), to.get(), status.st_size, observer))
        return error;
    const timespec times[2] = { status.st_atim, status.st_mtim };
    futimens(to.get(), times);
    // A file system that keeps no modes is no reason to fail.
    fchmod(to.get(), status.st_mode & permissionBits);
    return durable ? flush(to.get()) : 0;
}

int copyLink(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName, off_t size)
{
    QByteArray content(int(size) + 1, '\0');
    const ssize_t length = readlinkat(folder, name.constData(), content.data(), size_t(content.size()));
    if (length < 0)
        return errno;
    if (length >= content.size())
        return EIO;
    content.truncate(int(length));
    return symlinkat(content.constData(), targetFolder, targetName.constData()) == 0 ? 0 : errno;
}

int copyFolder(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
    const CopyObserver &observer, bool durable)
{
    const Fd from = openFolder(folder, name);
    struct stat status;
    if (!from.isValid() || fstat(from.get(), &status) != 0)
        return lastError();
    if (mkdirat(targetFolder, targetName.constData(), S_IRWXU) != 0)
        return errno;
    const Fd to = openFolder(targetFolder, targetName);
    QList<QByteArray> children;
    int error = to.isValid() ? names(from.get(), children) : lastError();
    for (const QByteArray &child : qAsConst(children)) {
        if (error)
            break;
        error = copy(from.get(), child, to.get(), child, observer, durable);
    }
    if (error)
        return error;
    // Permissions last, so that a read-only folder can be filled first.
    fchmod(to.get(), status.st_mode & permissionBits);
    return durable ? flush(to.get()) : 0;
}

} // namespace

Fd::~Fd()
{
    if (m_fd >= 0)
        close(m_fd);
}

Fd &Fd::operator=(Fd &&other) noexcept
{
    std::swap(m_fd, other.m_fd);
    return *this;
}

Fd openFolderPath(const QByteArray &path)
{
    return Fd(open(path.constData(), openFlags | O_DIRECTORY));
}

Fd openFolder(int parent, const QByteArray &name)
{
    return Fd(openat(parent, name.constData(), folderFlags));
}

int names(int folder, QList<QByteArray> &found)
{
    // The stream gets a descriptor of its own: the caller's stays open.
    DIR *stream = fdopendir(fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!stream)
        return errno;
    rewinddir(stream);
    errno = 0;
    while (const dirent *entry = readdir(stream)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            found.append(name);
    }
    const int error = errno;
    closedir(stream);
    return error;
}

int statEntry(int parent, const QByteArray &name, struct stat &status)
{
    return fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
}

int copy(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
    const CopyObserver &observer, bool durable)
{
    if (observer.cancelled())
        return ECANCELED;
    struct stat status;
    if (const int error = statEntry(folder, name, status))
        return error;
    if (S_ISDIR(status.st_mode))
        return copyFolder(folder, name, targetFolder, targetName, observer, durable);
    if (S_ISLNK(status.st_mode))
        return copyLink(folder, name, targetFolder, targetName, status.st_size);
    return copyFile(folder, name, targetFolder, targetName, observer, durable);
}

int flush(int fd)
{
    return fsync(fd) == 0 ? 0 : errno;
}

int remove(int folder, const QByteArray &name)
{
    if (unlinkat(folder, name.constData(), 0) == 0)
        return 0;
    if (errno != EISDIR && errno != EPERM)
        return errno;
    const Fd inside = openFolder(folder, name);
    if (!inside.isValid()) {
        // No longer a folder: whatever took its place goes, and a link is
        // removed without reaching what it points at.
        if (errno != ELOOP && errno != ENOTDIR)
            return errno;
        return unlinkat(folder, name.constData(), 0) == 0 ? 0 : errno;
    }
    QList<QByteArray> children;
    int error = names(inside.get(), children);
    for (const QByteArray &child : qAsConst(children)) {
        if (error)
            return error;
        error = remove(inside.get(), child);
    }
    if (error)
        return error;
    return unlinkat(folder, name.constData(), AT_REMOVEDIR) == 0 ? 0 : errno;
}

qint64 sizeOf(int folder, const QByteArray &name)
{
    struct stat status;
    if (statEntry(folder, name, status) != 0)
        return 0;
    if (!S_ISDIR(status.st_mode))
        return S_ISREG(status.st_mode) ? status.st_size : 0;
    const Fd inside = openFolder(folder, name);
    QList<QByteArray> children;
    qint64 size = 0;
    if (inside.isValid() && names(inside.get(), children) == 0) {
        for (const QByteArray &child : qAsConst(children))
            size += sizeOf(inside.get(), child);
    }
    return size;
}

void changeModesBelow(int folder, const std::function<mode_t(mode_t mode)> &change)
{
    QList<QByteArray> children;
    names(folder, children);
    for (const QByteArray &child : qAsConst(children)) {
        struct stat status;
        if (statEntry(folder, child, status) != 0 || S_ISLNK(status.st_mode))
            continue;
        if (!S_ISDIR(status.st_mode)) {
            fchmodat(folder, child.constData(), change(status.st_mode) & 07777, AT_SYMLINK_NOFOLLOW);
            continue;
        }
        const Fd inside = openFolder(folder, child);
        if (!inside.isValid() || fstat(inside.get(), &status) != 0)
            continue;
        fchmod(inside.get(), change(status.st_mode) & 07777);
        changeModesBelow(inside.get(), change);
    }
}

} // namespace SafeTree
