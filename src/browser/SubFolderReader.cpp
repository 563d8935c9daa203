// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/SubFolderReader.h"

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

bool SubFolderReader::read(const QString &folder, const std::function<bool(const QString &name)> &visit)
{
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    bool more = true;
    const dirent *entry = nullptr;
    while (more && (entry = readdir(dir))) {
        if (isShownFolder(dir, entry))
            more = visit(QFile::decodeName(entry->d_name));
    }
    closedir(dir);
    return true;
}

bool SubFolderReader::holdsSubFolder(const QString &folder)
{
    bool found = false;
    read(folder, [&found](const QString &) {
        found = true;
        return false;
    });
    return found;
}
