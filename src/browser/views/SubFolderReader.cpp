// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/SubFolderReader.h"
#include "browser/views/NameOrder.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Follows a link, as a listing of folders does, but only to look at what
// it leads to: nothing is opened.
bool isFolderAt(int dirFd, const char *name)
{
    struct stat status = {};
    return fstatat(dirFd, name, &status, AT_NO_AUTOMOUNT) == 0 && S_ISDIR(status.st_mode);
}

bool isLinkAt(int dirFd, const char *name)
{
    struct stat status = {};
    return fstatat(dirFd, name, &status, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT) == 0
        && S_ISLNK(status.st_mode);
}

bool isShownFolder(DIR *dir, const dirent *entry)
{
    if (entry->d_name[0] == '.')
        return false;
    if (entry->d_type == DT_DIR)
        return true;
    const bool mayBeLink = entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN;
    return mayBeLink && isFolderAt(dirfd(dir), entry->d_name);
}

} // namespace

bool SubFolderReader::holdsSubFolder(const QString &folder)
{
    return !read(folder, true).isEmpty();
}

QVector<SubFolderReader::SubFolder> SubFolderReader::subFolders(const QString &folder)
{
    return read(folder, false);
}

QVector<SubFolderReader::SubFolder> SubFolderReader::sortedSubFolders(const QString &folder)
{
    const QVector<SubFolder> found = subFolders(folder);
    QStringList names;
    names.reserve(found.size());
    for (const SubFolder &subFolder : found)
        names.append(subFolder.name);
    QVector<SubFolder> sorted;
    sorted.reserve(found.size());
    for (const int place : NameOrder::sortedPlaces(names))
        sorted.append(found.at(place));
    return sorted;
}

QVector<SubFolderReader::SubFolder> SubFolderReader::read(const QString &folder, bool firstOnly)
{
    QVector<SubFolder> found;
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return found;
    while (const dirent *entry = readdir(dir)) {
        if (!isShownFolder(dir, entry))
            continue;
        const bool link
            = entry->d_type == DT_LNK || (entry->d_type == DT_UNKNOWN && isLinkAt(dirfd(dir), entry->d_name));
        found.append({ QFile::decodeName(entry->d_name), link });
        if (firstOnly)
            break;
    }
    closedir(dir);
    return found;
}
