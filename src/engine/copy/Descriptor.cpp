// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/Descriptor.h"

#include <QByteArrayList>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool Descriptor::close()
{
    const int fd = release();
    return fd < 0 || ::close(fd) == 0;
}

int openFolderAt(int parent, const char *name, int flags)
{
    const int folder = ::openat(parent, name, flags | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    // A link may be refused as "not a folder": say what it is.
    struct stat status;
    if (folder < 0 && errno == ENOTDIR && ::fstatat(parent, name, &status, AT_SYMLINK_NOFOLLOW) == 0
        && S_ISLNK(status.st_mode))
        errno = ELOOP;
    return folder;
}

int openFolderBelow(int base, const QByteArray &path)
{
    Descriptor folder(::openat(base, ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (const QByteArray &level : path.split('/')) {
        if (!folder.isValid())
            return -1;
        if (level.isEmpty() || level == ".")
            continue;
        if (level == "..") {
            errno = EACCES;
            return -1;
        }
        Descriptor parent(folder.release());
        folder.reset(openFolderAt(parent.get(), level.constData(), O_PATH));
        const int error = errno;
        parent.close();
        errno = error;
    }
    return folder.release();
}

bool removeTree(int parent, const char *name)
{
    const int folder = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR *stream = folder < 0 ? nullptr : ::fdopendir(folder);
    if (!stream) {
        if (folder >= 0)
            ::close(folder);
        return ::unlinkat(parent, name, AT_REMOVEDIR) == 0 || errno == ENOENT;
    }
    while (const dirent *entry = ::readdir(stream)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        if (::unlinkat(folder, entry->d_name, 0) != 0 && (errno == EISDIR || errno == EPERM))
            removeTree(folder, entry->d_name);
    }
    ::closedir(stream);
    return ::unlinkat(parent, name, AT_REMOVEDIR) == 0 || errno == ENOENT;
}
