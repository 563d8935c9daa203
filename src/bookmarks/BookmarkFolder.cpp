// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/BookmarkFolder.h"

#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const qint64 BookmarkFolder::maxFileSize = 64 * 1024 * 1024;

namespace {

const int tempAttempts = 8;

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now, for the caller to see a failure that only closing reports.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray &data)
{
    QFile file;
    return file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)
        && file.write(data) == data.size();
}

} // namespace

BookmarkFolder::BookmarkFolder(const QString &base, const QString &relative, bool followLinks)
{
    if (base.isEmpty())
        return;
    if (followLinks) {
        const QString path = relative.isEmpty() ? base : base + QLatin1Char('/') + relative;
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return;
    }
    m_fd = ::open(QFile::encodeName(base).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const QStringList names = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        if (m_fd < 0)
            return;
        const int child = ::openat(
            m_fd, QFile::encodeName(name).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        ::close(m_fd);
        m_fd = child;
    }
}

BookmarkFolder::~BookmarkFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool BookmarkFolder::exists(const char *name) const
{
    struct stat info;
    return m_fd >= 0 && ::fstatat(m_fd, name, &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool BookmarkFolder::isRegularFile(const char *name) const
{
    struct stat info;
    return m_fd >= 0 && ::fstatat(m_fd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode);
}

bool BookmarkFolder::isWritable() const
{
    return m_fd >= 0 && ::faccessat(m_fd, ".", W_OK, 0) == 0;
}

mode_t BookmarkFolder::permissions(const char *name, mode_t fallback) const
{
    struct stat info;
    if (m_fd < 0 || ::fstatat(m_fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
        return fallback;
    return info.st_mode & 07777;
}

std::optional<QByteArray> BookmarkFolder::read(const char *name) const
{
    // Looked at before it is opened: opening a special file may do things.
    if (!isRegularFile(name))
        return std::nullopt;
    const Descriptor file(::openat(m_fd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info;
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)
        || info.st_size > maxFileSize)
        return std::nullopt;
    QFile reader;
    if (!reader.open(file.get(), QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return std::nullopt;
    // A byte more than it had says that the file grows as it is read.
    const QByteArray data = reader.read(info.st_size + 1);
    if (reader.error() != QFileDevice::NoError || data.size() > info.st_size)
        return std::nullopt;
    return data;
}

bool BookmarkFolder::replace(const char *name, const QByteArray &data, mode_t mode) const
{
    if (m_fd < 0)
        return false;
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < tempAttempts && fd < 0; ++attempt) {
        temporary
            = QByteArray(".") + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(
            m_fd, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    }
    if (fd < 0)
        return false;
    Descriptor file(fd);
    const bool written = writeAll(file.get(), data) && ::fchmod(file.get(), mode) == 0
        && ::fsync(file.get()) == 0 && file.close();
    if (!written || ::renameat(m_fd, temporary.constData(), m_fd, name) != 0) {
        ::unlinkat(m_fd, temporary.constData(), 0);
        return false;
    }
    // The rename itself must reach the device before it can be unplugged.
    ::fsync(m_fd);
    return true;
}
