// SPDX-License-Identifier: GPL-2.0-or-later
#include "plugins/PasteRefusal.h"

#include <QFile>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace PasteRefusal {

namespace {

bool holds(const QList<struct stat> &folders, const struct stat &item)
{
    return std::any_of(folders.cbegin(), folders.cend(),
        [&item](const struct stat &folder) { return sameFile(folder, item); });
}

int openFolder(const QByteArray &path)
{
    return open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

bool sameFile(const struct stat &one, const struct stat &other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

QList<struct stat> foldersUpFrom(int folder)
{
    QList<struct stat> found;
    int current = fcntl(folder, F_DUPFD_CLOEXEC, 0);
    struct stat status;
    while (current >= 0 && fstat(current, &status) == 0) {
        // The root is its own parent.
        if (!found.isEmpty() && sameFile(found.last(), status))
            break;
        found.append(status);
        const int parent = openat(current, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
        close(current);
        current = parent;
    }
    if (current >= 0)
        close(current);
    return found;
}

Reason of(int folder, const QByteArray &name, int destination)
{
    struct stat item;
    if (fstatat(folder, name.constData(), &item, AT_SYMLINK_NOFOLLOW) != 0)
        return None;
    if (S_ISDIR(item.st_mode) && holds(foldersUpFrom(destination), item))
        return IntoItself;
    struct stat target;
    if (fstatat(destination, name.constData(), &target, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(target.st_mode)
        && !sameFile(item, target) && holds(foldersUpFrom(folder), target))
        return OverItsFolder;
    return None;
}

Reason of(const QString &source, const QString &destinationFolder)
{
    QByteArray path = QFile::encodeName(source);
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    const int slash = path.lastIndexOf('/');
    const int folder = openFolder(path.left(qMax(1, slash)));
    const int destination = openFolder(QFile::encodeName(destinationFolder));
    const Reason reason
        = folder >= 0 && destination >= 0 ? of(folder, path.mid(slash + 1), destination) : None;
    for (const int descriptor : { folder, destination }) {
        if (descriptor >= 0)
            close(descriptor);
    }
    return reason;
}

} // namespace PasteRefusal
