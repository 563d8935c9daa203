// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/CopySelection.h"

#include "engine/copy/Descriptor.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CopySelection {

QFileInfoList copiedEntries(const QString &folder, const FileNameMatcher &matcher)
{
    const Descriptor fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return list(fd.get(), folder, matcher).entries;
}

Listing list(int fd, const QString &path, const FileNameMatcher &matcher)
{
    Listing listing;
    const int own = fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    DIR *stream = own < 0 ? nullptr : ::fdopendir(own);
    if (!stream) {
        listing.error = errno;
        if (own >= 0)
            ::close(own);
        return listing;
    }
    const QString prefix = path + QLatin1Char('/');
    for (;;) {
        // Only an error sets errno: the end of the listing leaves it alone.
        errno = 0;
        const dirent *entry = ::readdir(stream);
        if (!entry) {
            listing.error = errno;
            break;
        }
        // Hidden entries, links and special files are not copied.
        if (entry->d_name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        struct stat status;
        if (type == DT_UNKNOWN && ::fstatat(fd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0)
            type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
        const QString name = QFile::decodeName(entry->d_name);
        // Matched here, once per name, rather than by a pattern per name.
        if (type == DT_DIR || (type == DT_REG && matcher.matches(name)))
            listing.entries << QFileInfo(prefix + name);
    }
    ::closedir(stream);
    return listing;
}

qint64 size(const QFileInfoList &files, const FileNameMatcher &matcher)
{
    return tally(files, matcher)->bytes;
}

namespace {

// Adds the files of entries, the content of folders walked, to counted;
// false once deadline has passed.
bool add(
    const QFileInfoList &entries, const FileNameMatcher &matcher, QDeadlineTimer deadline, Tally &counted)
{
    for (const QFileInfo &entry : entries) {
        if (deadline.hasExpired())
            return false;
        // A selected link is not followed: it counts as an empty file.
        if (entry.isSymLink() || !entry.isDir()) {
            ++counted.files;
            counted.bytes += entry.isSymLink() ? 1 : qMax<qint64>(entry.size(), 1);
        } else if (!add(copiedEntries(entry.filePath(), matcher), matcher, deadline, counted)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<Tally> tally(
    const QFileInfoList &files, const FileNameMatcher &matcher, QDeadlineTimer deadline)
{
    Tally counted;
    if (!add(files, matcher, deadline, counted))
        return std::nullopt;
    return counted;
}

} // namespace CopySelection
