// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/DescriptorIo.h"

#include <cerrno>
#include <unistd.h>

namespace DescriptorIo {

namespace {

template<typename Bytes, typename Transfer>
bool transferFully(int fd, Bytes data, qint64 size, Transfer transfer)
{
    while (size > 0) {
        const ssize_t count = transfer(fd, data, size_t(size));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        data += count;
        size -= count;
    }
    return true;
}

} // namespace

bool readFully(int fd, char *data, qint64 size)
{
    return transferFully(fd, data, size, ::read);
}

bool writeFully(int fd, const char *data, qint64 size)
{
    return transferFully(fd, data, size, ::write);
}

} // namespace DescriptorIo
