// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailProtocol.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace ThumbnailProtocol {

namespace {

// Both ends run on the same machine: integers travel in its own order.
struct RequestHeader
{
    quint32 mode;
    quint32 pathBytes;
    quint32 cacheRootBytes;
};

struct ReplyHeader
{
    quint32 hasIcon;
    quint32 width;
    quint32 height;
    quint32 format;
};

constexpr int pixelBytes = 4;
// Names the protocol's version too: a helper left from another version of
// the program is not understood.
const QByteArray greetingBytes("OPT1");

// Moves size bytes with transfer, ::read or ::write, however many calls it
// takes; false at the end of the file or on an error.
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

bool writeFully(int fd, const QByteArray &bytes)
{
    return transferFully(fd, bytes.constData(), bytes.size(), ::write);
}

bool readFully(int fd, char *data, qint64 size)
{
    return transferFully(fd, data, size, ::read);
}

bool readText(int fd, quint32 bytes, QString &text)
{
    QByteArray encoded(int(bytes), Qt::Uninitialized);
    if (!readFully(fd, encoded.data(), bytes))
        return false;
    text = QFile::decodeName(encoded);
    return true;
}

bool isIconFormat(quint32 format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

// An icon whose pixels are faulted in at once: page by page, as a new
// allocation's are, each icon took a fault per page, which costs dearly in
// a virtual machine.
QImage populatedIcon(int width, int height, QImage::Format format)
{
    QImage icon(width, height, format);
    const auto page = quintptr(sysconf(_SC_PAGESIZE));
    const auto start = quintptr(icon.bits()) & ~(page - 1);
    const auto end = (quintptr(icon.bits()) + quintptr(icon.sizeInBytes()) + page - 1) & ~(page - 1);
    madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_WRITE);
    return icon;
}

template<typename Header> QByteArray bytesOf(const Header &header)
{
    return QByteArray(reinterpret_cast<const char *>(&header), int(sizeof(header)));
}

} // namespace

QByteArray greeting()
{
    return greetingBytes;
}

bool greet(int fd)
{
    return writeFully(fd, greetingBytes);
}

QByteArray encodeRequest(const Request &request)
{
    const QByteArray path = QFile::encodeName(request.path);
    const QByteArray cacheRoot = QFile::encodeName(request.cacheRoot);
    const RequestHeader header { quint32(request.mode), quint32(path.size()), quint32(cacheRoot.size()) };
    return bytesOf(header) + path + cacheRoot;
}

bool readRequest(int fd, Request &request)
{
    RequestHeader header {};
    if (!readFully(fd, reinterpret_cast<char *>(&header), sizeof(header)) || header.pathBytes == 0
        || header.pathBytes > maxPathBytes || header.cacheRootBytes > maxPathBytes)
        return false;
    request.mode = int(header.mode);
    return readText(fd, header.pathBytes, request.path)
        && readText(fd, header.cacheRootBytes, request.cacheRoot);
}

// The icon in one of the two formats a reply carries, and the header that
// announces it.
QImage replyPixels(const QImage &icon)
{
    return icon.convertToFormat(
        icon.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

ReplyHeader replyHeader(const QImage &pixels)
{
    if (pixels.isNull())
        return ReplyHeader { 0, 0, 0, 0 };
    return ReplyHeader { 1, quint32(pixels.width()), quint32(pixels.height()), quint32(pixels.format()) };
}

QByteArray encodeReply(const QImage &icon)
{
    const QImage pixels = icon.isNull() ? icon : replyPixels(icon);
    QByteArray reply = bytesOf(replyHeader(pixels));
    for (int y = 0; y < pixels.height(); ++y)
        reply.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), pixels.width() * pixelBytes);
    return reply;
}

bool writeReply(int fd, const QImage &icon)
{
    const QImage pixels = icon.isNull() ? icon : replyPixels(icon);
    if (!writeFully(fd, bytesOf(replyHeader(pixels))))
        return false;
    // Four bytes a pixel: rows follow each other with no padding.
    const char *bits = reinterpret_cast<const char *>(pixels.constBits());
    return pixels.isNull() || writeFully(fd, QByteArray::fromRawData(bits, int(pixels.sizeInBytes())));
}

ReplyReader::Status ReplyReader::add(const char *data, int size)
{
    if (m_complete && size > 0)
        return Invalid;
    if (!m_greeted) {
        if (!gather(data, size, greetingBytes.size()))
            return greetingBytes.startsWith(m_small) ? Incomplete : Invalid;
        if (m_small != greetingBytes)
            return Invalid;
        m_greeted = true;
        m_small.clear();
    }
    if (m_icon.isNull() && !m_complete) {
        if (!gather(data, size, int(sizeof(ReplyHeader))))
            return Incomplete;
        if (!takeHeader())
            return Invalid;
    }
    if (!m_icon.isNull()) {
        const int total = int(m_icon.sizeInBytes());
        const int taken = qMin(size, total - m_pixelsIn);
        std::memcpy(m_icon.bits() + m_pixelsIn, data, size_t(taken));
        m_pixelsIn += taken;
        size -= taken;
        m_complete = m_pixelsIn == total;
    }
    if (size > 0)
        return Invalid;
    return m_complete ? Complete : Incomplete;
}

bool ReplyReader::gather(const char *&data, int &size, int wanted)
{
    const int taken = qMin(size, wanted - m_small.size());
    m_small.append(data, taken);
    data += taken;
    size -= taken;
    return m_small.size() == wanted;
}

bool ReplyReader::takeHeader()
{
    ReplyHeader header {};
    std::memcpy(&header, m_small.constData(), sizeof(header));
    m_small.clear();
    if (header.hasIcon == 0) {
        m_complete = header.width == 0 && header.height == 0 && header.format == 0;
        return m_complete;
    }
    if (header.hasIcon != 1 || header.width == 0 || header.width > quint32(iconEdge) || header.height == 0
        || header.height > quint32(iconEdge) || !isIconFormat(header.format))
        return false;
    m_icon = populatedIcon(int(header.width), int(header.height), QImage::Format(header.format));
    m_pixelsIn = 0;
    return !m_icon.isNull();
}

void ReplyReader::clear()
{
    m_small.clear();
    m_icon = QImage();
    m_pixelsIn = 0;
    m_complete = false;
}

} // namespace ThumbnailProtocol
