// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailProtocol.h"
#include "base/DescriptorIo.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/socket.h>
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

bool writeFully(int fd, const QByteArray &bytes)
{
    return DescriptorIo::writeFully(fd, bytes.constData(), bytes.size());
}

bool readText(int fd, quint32 bytes, QString &text)
{
    QByteArray encoded(int(bytes), Qt::Uninitialized);
    if (!DescriptorIo::readFully(fd, encoded.data(), bytes))
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

bool sendRequest(int socket, const Request &request)
{
    QByteArray bytes = encodeRequest(request);
    iovec data { bytes.data(), size_t(bytes.size()) };
    msghdr message {};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] {};
    if (request.descriptor >= 0) {
        message.msg_control = control;
        message.msg_controllen = sizeof(control);
        cmsghdr *header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = SOL_SOCKET;
        header->cmsg_type = SCM_RIGHTS;
        header->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(header), &request.descriptor, sizeof(int));
    }
    return ::sendmsg(socket, &message, MSG_NOSIGNAL | MSG_DONTWAIT) == bytes.size();
}

namespace {

// Reads size bytes, keeping the last descriptor that came with them.
bool receiveFully(int socket, char *data, size_t size, int &descriptor)
{
    while (size > 0) {
        iovec part { data, size };
        msghdr message {};
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] {};
        message.msg_control = control;
        message.msg_controllen = sizeof(control);
        const ssize_t count = ::recvmsg(socket, &message, MSG_CMSG_CLOEXEC);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        for (cmsghdr *header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header)) {
            if (header->cmsg_level != SOL_SOCKET || header->cmsg_type != SCM_RIGHTS)
                continue;
            if (descriptor >= 0)
                ::close(descriptor);
            std::memcpy(&descriptor, CMSG_DATA(header), sizeof(int));
        }
        data += count;
        size -= size_t(count);
    }
    return true;
}

} // namespace

bool readRequest(int socket, Request &request)
{
    RequestHeader header {};
    request.descriptor = -1;
    if (!receiveFully(socket, reinterpret_cast<char *>(&header), sizeof(header), request.descriptor)
        || header.pathBytes == 0 || header.pathBytes > maxPathBytes || header.cacheRootBytes > maxPathBytes)
        return false;
    request.mode = int(header.mode);
    return readText(socket, header.pathBytes, request.path)
        && readText(socket, header.cacheRootBytes, request.cacheRoot);
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

char *ReplyReader::room(int &size)
{
    if (m_complete) {
        size = 0;
        return nullptr;
    }
    if (!m_icon.isNull()) {
        size = int(m_icon.sizeInBytes()) - m_pixelsIn;
        return reinterpret_cast<char *>(m_icon.bits()) + m_pixelsIn;
    }
    size = (m_greeted ? int(sizeof(ReplyHeader)) : greetingBytes.size()) - m_smallIn;
    return m_small + m_smallIn;
}

ReplyReader::Status ReplyReader::commit(int count)
{
    if (!m_icon.isNull()) {
        m_pixelsIn += count;
        m_complete = m_pixelsIn == int(m_icon.sizeInBytes());
        return m_complete ? Complete : Incomplete;
    }
    m_smallIn += count;
    if (!m_greeted) {
        if (!greetingBytes.startsWith(QByteArray::fromRawData(m_small, m_smallIn)))
            return Invalid;
        m_greeted = m_smallIn == greetingBytes.size();
        if (m_greeted)
            m_smallIn = 0;
        return Incomplete;
    }
    if (m_smallIn < int(sizeof(ReplyHeader)))
        return Incomplete;
    m_smallIn = 0;
    if (!takeHeader())
        return Invalid;
    return m_complete ? Complete : Incomplete;
}

ReplyReader::Status ReplyReader::add(const char *data, int size, int *used)
{
    Status status = Incomplete;
    int taken = 0;
    while (taken < size && status == Incomplete) {
        int roomSize = 0;
        char *target = room(roomSize);
        // A reply taken and not cleared yet.
        if (!target)
            return Invalid;
        const int count = qMin(roomSize, size - taken);
        std::memcpy(target, data + taken, size_t(count));
        taken += count;
        status = commit(count);
    }
    if (used)
        *used = taken;
    else if (taken < size && status != Invalid)
        status = Invalid;
    return status;
}

bool ReplyReader::takeHeader()
{
    ReplyHeader header {};
    static_assert(sizeof(header) <= sizeof(m_small), "a header fits the room for it");
    std::memcpy(&header, m_small, sizeof(header));
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
    m_smallIn = 0;
    m_icon = QImage();
    m_pixelsIn = 0;
    m_complete = false;
}

} // namespace ThumbnailProtocol
