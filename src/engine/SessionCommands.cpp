// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/SessionCommands.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The first line a fixed command prints, line end included; empty when the
// command cannot be started or prints nothing.
QString firstOutputLine(const char *command)
{
    FILE *stream = popen(command, "r");
    if (!stream)
        return QString();
    char buffer[512] = {};
    const bool read = std::fgets(buffer, sizeof buffer, stream) != nullptr;
    pclose(stream);
    return read ? QString::fromLocal8Bit(buffer) : QString();
}

QString environmentText(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

int addWritePermission(const char *path, const struct stat *status, int type, struct FTW *)
{
    if (type == FTW_SL || type == FTW_SLN || type == FTW_NS)
        return 0;
    chmod(path, withWriteForAll(status->st_mode));
    return 0;
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

bool isGnomeSession()
{
    if (firstOutputLine("uname -a").toLower().contains(QLatin1String("ubuntu"))) {
        if (firstOutputLine("whoami").toLower().contains(QLatin1String("root"))
            && environmentText("COLORTERM").toLower().contains(QLatin1String("gnome-terminal")))
            return true;
        if (environmentText("DESKTOP_SESSION").toLower().contains(QLatin1String("gnome")))
            return true;
    }
    if (!qgetenv("GNOME_DESKTOP_SESSION_ID").isEmpty())
        return true;
    const QString count = firstOutputLine("ps -e | grep gnome-session | wc -l");
    return std::strtol(count.toLatin1().constData(), nullptr, 10) >= 1;
}

bool isRootUser()
{
    return geteuid() == 0;
}

mode_t withWriteForAll(mode_t mode)
{
    return (mode & 07777) | S_IWUSR | S_IWGRP | S_IWOTH;
}

void setWritableRecursive(const QString &path)
{
    nftw(QFile::encodeName(path).constData(), addWritePermission, 32, FTW_PHYS);
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
