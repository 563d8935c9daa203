// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/RegularFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool RegularFile::open(QFile &file, const QString &path, struct stat &status)
{
    // Opening without O_NONBLOCK would already wait for a FIFO's writer.
    const int fd = ::open(
        QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
