// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/Descriptor.h"

#include <QByteArrayList>
#include <QVector>

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

DIR *listFolder(int folder)
{
    Descriptor listed(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR *stream = listed.isValid() ? ::fdopendir(listed.get()) : nullptr;
    if (stream)
        listed.release();
    return stream;
}

namespace {

struct FolderId
{
    dev_t device;
    ino_t inode;
    bool operator==(const FolderId &other) const { return device == other.device && inode == other.inode; }
};

bool identify(int fd, FolderId *id)
{
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return false;
    *id = { status.st_dev, status.st_ino };
    return true;
}

// Removes what can go in folder apart from its sub-folders; the name of
// the first sub-folder left goes to child, empty when none is.
bool emptyFiles(int folder, QByteArray *child)
{
    child->clear();
    DIR *stream = listFolder(folder);
    if (!stream)
        return false;
    while (const dirent *entry = ::readdir(stream)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        if (::unlinkat(folder, entry->d_name, 0) != 0 && (errno == EISDIR || errno == EPERM)) {
            *child = entry->d_name;
            break;
        }
    }
    ::closedir(stream);
    return true;
}

} // namespace

// Walks down and back up one folder at a time, holding the folder it
// empties and nothing above it: any depth takes the same few descriptors.
// The way back up goes through "..", checked to be the folder it came from,
// so that a part of the tree moved elsewhere meanwhile is left alone.
bool removeTree(int parent, const char *name)
{
    Descriptor folder(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    FolderId id;
    if (!folder.isValid() || !identify(folder.get(), &id))
        return ::unlinkat(parent, name, AT_REMOVEDIR) == 0 || errno == ENOENT;
    // The folders entered below name, and their names.
    QVector<FolderId> ids { id };
    QByteArrayList names;
    QByteArray child;
    while (true) {
        if (!emptyFiles(folder.get(), &child))
            return false;
        if (!child.isEmpty()) {
            Descriptor below(openFolderAt(folder.get(), child.constData(), O_RDONLY));
            if (!below.isValid() || !identify(below.get(), &id)) {
                // Not a folder that can be entered: removable only if empty.
                if (::unlinkat(folder.get(), child.constData(), AT_REMOVEDIR) != 0)
                    return false;
                continue;
            }
            folder.reset(below.release());
            ids << id;
            names << child;
            continue;
        }
        if (names.isEmpty())
            break;
        Descriptor above(::openat(folder.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        ids.removeLast();
        if (!above.isValid() || !identify(above.get(), &id) || !(id == ids.last()))
            return false;
        folder.reset(above.release());
        if (::unlinkat(folder.get(), names.takeLast().constData(), AT_REMOVEDIR) != 0)
            return false;
    }
    folder.close();
    return ::unlinkat(parent, name, AT_REMOVEDIR) == 0 || errno == ENOENT;
}
