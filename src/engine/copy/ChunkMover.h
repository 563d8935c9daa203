// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

#include <memory>

// Moves a file's data from one descriptor to another, chunk by chunk. The
// kernel copies from file to file without a trip through user space where
// both file systems allow it; elsewhere (some file systems, older kernels
// across file systems) the data goes through one buffer. Both descriptors'
// positions advance either way, so the buffer takes over at any point of
// the file.
class ChunkMover
{
public:
    // size is the file's expected size; it only sizes the buffer.
    ChunkMover(int source, int destination, qint64 size);
    ~ChunkMover();
    ChunkMover(const ChunkMover &) = delete;
    ChunkMover &operator=(const ChunkMover &) = delete;

    // What next() returns when the destination could not be written, and
    // when the source could not be read.
    static const qint64 writeFailed = -1;
    static const qint64 readFailed = -2;

    // Moves up to size bytes; returns the count moved, 0 at the end of the
    // source, or one of the failures above.
    qint64 next(qint64 size) { return m_inKernel ? inKernel(size) : throughBuffer(size); }

private:
    qint64 inKernel(qint64 size);
    qint64 throughBuffer(qint64 size);

    const int m_source;
    const int m_destination;
    const qint64 m_size;
    bool m_inKernel = true;
    qint64 m_bufferSize = 0;
    std::unique_ptr<char[]> m_buffer;
};
