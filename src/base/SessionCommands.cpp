// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/SessionCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void changeMode(int parent, const char *name, const ModeChange &change);

void changeModeBelow(int folder, const ModeChange &change)
{
    DIR *stream = fdopendir(folder);
    if (!stream) {
        close(folder);
        return;
    }
    while (const dirent *entry = readdir(stream)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            changeMode(dirfd(stream), entry->d_name, change);
    }
    closedir(stream);
}

// Every entry is reached through its parent's descriptor and changed
// without following a symbolic link: a link swapped in for an entry while
// the super-user walks another user's tree leads nowhere.
void changeMode(int parent, const char *name, const ModeChange &change)
{
    struct stat status;
    const int folder = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder >= 0) {
        if (fstat(folder, &status) == 0)
            fchmod(folder, change(status.st_mode & 07777));
        changeModeBelow(folder, change);
        return;
    }
    if (fstatat(parent, name, &status, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISLNK(status.st_mode))
        fchmodat(parent, name, change(status.st_mode & 07777), AT_SYMLINK_NOFOLLOW);
}

} // namespace

int kdeSessionVersion()
{
    const bool fullSessionSet = qEnvironmentVariableIsSet("KDE_FULL_SESSION");
    const bool versionSet = qEnvironmentVariableIsSet("KDE_SESSION_VERSION");
    // Plasma 5 and 6 announce their own version; their menus are the KDE 4
    // plug-in's, so any version from 4 on counts as 4.
    const bool version4OrLater = std::strtol(qgetenv("KDE_SESSION_VERSION").constData(), nullptr, 10) >= 4;
    if (versionSet) {
        if (!fullSessionSet)
            return 0;
        if (!qgetenv("KDE_FULL_SESSION").isEmpty() && version4OrLater)
            return 4;
    }
    if (fullSessionSet && (!versionSet || !version4OrLater))
        return 3;
    return 0;
}

bool isRootUser()
{
    return geteuid() == 0;
}

std::optional<FileOwner> homeOwnerOf(const QString &path)
{
    if (!isRootUser())
        return std::nullopt;
    const QString home = QDir(QDir::homePath()).canonicalPath();
    const QString inside = QDir(path).canonicalPath();
    struct stat status;
    if (home.isEmpty() || inside.isEmpty() || (inside != home && !inside.startsWith(home + QLatin1Char('/')))
        || stat(QFile::encodeName(home).constData(), &status) != 0 || status.st_uid == 0)
        return std::nullopt;
    return FileOwner { status.st_uid, status.st_gid };
}

mode_t withWriteForAll(mode_t mode)
{
    return (mode & 07777) | S_IWUSR | S_IWGRP | S_IWOTH;
}

void setWritableRecursive(const QString &path)
{
    changeModeRecursive(path, withWriteForAll);
}

void changeModeRecursive(const QString &path, const ModeChange &change)
{
    const QFileInfo entry(path);
    const int parent
        = open(QFile::encodeName(entry.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0)
        return;
    changeMode(parent, QFile::encodeName(entry.fileName()).constData(), change);
    close(parent);
}

void shellEscapePath(QString &path)
{
    path.replace(QLatin1String(" "), QLatin1String("\\ "));
    path.replace(QLatin1String("("), QLatin1String("\\("));
    path.replace(QLatin1String(")"), QLatin1String("\\)"));
}

bool isProcessRunning(const QString &name)
{
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(
        QStringList(QStringLiteral("*[0123456789]")), QDir::Dirs | QDir::Readable, QDir::Unsorted);
    for (const QString &entry : entries) {
        QFile status(QLatin1String("/proc/") + entry + QLatin1String("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        if (QString::fromLocal8Bit(status.readLine()).contains(name))
            return true;
    }
    return false;
}
