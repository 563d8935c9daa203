// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/RegularFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int RegularFile::openDescriptor(const QString &path, struct stat &status)
{
    // Opening without O_NONBLOCK would already wait for a FIFO's writer.
    const int fd = ::open(
        QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool RegularFile::open(QFile &file, const QString &path, struct stat &status)
{
    const int fd = openDescriptor(path, status);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
