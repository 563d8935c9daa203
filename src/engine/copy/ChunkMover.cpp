// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/ChunkMover.h"
#include "base/DescriptorIo.h"

#include <cerrno>
#include <unistd.h>

namespace {

// Data that goes through user space moves in steps this large: a buffer
// that stays in the processor's cache between the read and the write
// copies far faster than one the size of a chunk.
const qint64 bufferSize = 131072;

qint64 readChunk(int fd, char *buffer, qint64 size)
{
    ssize_t count;
    do
        count = ::read(fd, buffer, size_t(size));
    while (count < 0 && errno == EINTR);
    return count;
}

// Errors that say the data cannot reach the destination at all; any other
// error of copy_file_range only says it cannot serve these two files, or
// (EIO) may come from either side, which the buffer finds out.
bool isWriteFault(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

} // namespace

ChunkMover::ChunkMover(int source, int destination, qint64 size)
    : m_source(source)
    , m_destination(destination)
    , m_size(size)
{ }

ChunkMover::~ChunkMover() = default;

qint64 ChunkMover::inKernel(qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t count
            = ::copy_file_range(m_source, nullptr, m_destination, nullptr, size_t(size - done), 0);
        if (count > 0) {
            done += count;
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && isWriteFault(errno))
            return writeFailed;
        // Not possible here, or no data where some is expected (as some
        // file systems report): the buffer finds out which.
        m_inKernel = false;
        const qint64 rest = throughBuffer(size - done);
        return rest < 0 ? rest : done + rest;
    }
    return done;
}

qint64 ChunkMover::throughBuffer(qint64 size)
{
    if (!m_buffer) {
        // Sized for the file, so that small files do not cost a full step.
        m_bufferSize = qBound<qint64>(1, m_size, bufferSize);
        m_buffer.reset(new char[size_t(m_bufferSize)]);
    }
    qint64 done = 0;
    while (done < size) {
        const qint64 count = readChunk(m_source, m_buffer.get(), qMin(size - done, m_bufferSize));
        if (count < 0)
            return readFailed;
        if (!DescriptorIo::writeFully(m_destination, m_buffer.get(), count))
            return writeFailed;
        if (count == 0)
            break;
        done += count;
    }
    return done;
}
