// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/SubFolderReader.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

namespace {

bool isFolderAt(int dirFd, const char *name)
{
    struct stat status = {};
    return fstatat(dirFd, name, &status, 0) == 0 && S_ISDIR(status.st_mode);
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
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    bool found = false;
    const dirent *entry = nullptr;
    while (!found && (entry = readdir(dir)))
        found = isShownFolder(dir, entry);
    closedir(dir);
    return found;
}
