// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailProtocol.h"
#include "base/DescriptorIo.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <vector>

namespace ThumbnailProtocol {

namespace {

// Both ends run on the same machine: integers travel in its own order.
struct RequestHeader
{
    quint32 mode;
    quint32 pathBytes;
    quint32 cacheRootBytes;
    // Which descriptors came, in order: bit 0 the file, the next ones its
    // entries.
    quint32 handed;
};

struct ImageHeader
{
    quint32 present;
    quint32 width;
    quint32 height;
    quint32 format;
};

struct ReplyHeader
{
    ImageHeader icon;
    quint32 save;
    ImageHeader thumbnail;
};

constexpr int maxDescriptors = 1 + entryCount;

constexpr int pixelBytes = 4;
// Names the protocol's version too: a helper left from another version of
// the program is not understood.
const QByteArray greetingBytes("OPT2");

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

namespace {

// The request's descriptors in the order they travel; -1 where none.
std::array<int *, maxDescriptors> descriptorsOf(Request &request)
{
    return { &request.descriptor, &request.entries[0], &request.entries[1], &request.entries[2] };
}

std::array<int, maxDescriptors> descriptorsOf(const Request &request)
{
    return { request.descriptor, request.entries[0], request.entries[1], request.entries[2] };
}

quint32 handedMask(const Request &request)
{
    const std::array<int, maxDescriptors> descriptors = descriptorsOf(request);
    quint32 mask = 0;
    for (size_t index = 0; index < descriptors.size(); ++index) {
        if (descriptors[index] >= 0)
            mask |= 1U << index;
    }
    return mask;
}

} // namespace

QByteArray encodeRequest(const Request &request)
{
    const QByteArray path = QFile::encodeName(request.path);
    const QByteArray cacheRoot = QFile::encodeName(request.cacheRoot);
    const RequestHeader header { quint32(request.mode), quint32(path.size()), quint32(cacheRoot.size()),
        handedMask(request) };
    return bytesOf(header) + path + cacheRoot;
}

bool sendRequest(int socket, const Request &request)
{
    QByteArray bytes = encodeRequest(request);
    iovec data { bytes.data(), size_t(bytes.size()) };
    msghdr message {};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    std::array<int, maxDescriptors> handed {};
    int count = 0;
    for (const int descriptor : descriptorsOf(request)) {
        if (descriptor >= 0)
            handed[size_t(count++)] = descriptor;
    }
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(handed))] {};
    if (count > 0) {
        message.msg_control = control;
        message.msg_controllen = CMSG_SPACE(sizeof(int) * size_t(count));
        cmsghdr *header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = SOL_SOCKET;
        header->cmsg_type = SCM_RIGHTS;
        header->cmsg_len = CMSG_LEN(sizeof(int) * size_t(count));
        std::memcpy(CMSG_DATA(header), handed.data(), sizeof(int) * size_t(count));
    }
    return ::sendmsg(socket, &message, MSG_NOSIGNAL | MSG_DONTWAIT) == bytes.size();
}

void closeDescriptors(Request &request)
{
    for (int *descriptor : descriptorsOf(request)) {
        if (*descriptor >= 0)
            ::close(*descriptor);
        *descriptor = -1;
    }
}

namespace {

// Reads size bytes, taking the descriptors that came with them; those past
// room for them are closed.
bool receiveFully(int socket, char *data, size_t size, std::vector<int> &descriptors)
{
    while (size > 0) {
        iovec part { data, size };
        msghdr message {};
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * maxDescriptors)] {};
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
            const size_t count = (header->cmsg_len - CMSG_LEN(0)) / sizeof(int);
            for (size_t index = 0; index < count; ++index) {
                int descriptor = -1;
                std::memcpy(&descriptor, CMSG_DATA(header) + index * sizeof(int), sizeof(int));
                descriptors.push_back(descriptor);
            }
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
    std::vector<int> received;
    request = Request();
    const bool read = receiveFully(socket, reinterpret_cast<char *>(&header), sizeof(header), received);
    // Each descriptor where the header says it goes; any other is closed.
    size_t next = 0;
    for (int *descriptor : descriptorsOf(request)) {
        if ((header.handed & 1U) && next < received.size())
            *descriptor = received[next++];
        header.handed >>= 1;
    }
    for (; next < received.size(); ++next)
        ::close(received[next]);
    if (!read || header.pathBytes == 0 || header.pathBytes > maxPathBytes
        || header.cacheRootBytes > maxPathBytes) {
        closeDescriptors(request);
        return false;
    }
    request.mode = int(header.mode);
    if (readText(socket, header.pathBytes, request.path)
        && readText(socket, header.cacheRootBytes, request.cacheRoot))
        return true;
    closeDescriptors(request);
    return false;
}

// An image in one of the two formats a reply carries.
QImage replyPixels(const QImage &image)
{
    return image.isNull()
        ? image
        : image.convertToFormat(
              image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

ImageHeader imageHeader(const QImage &pixels)
{
    if (pixels.isNull())
        return ImageHeader { 0, 0, 0, 0 };
    return ImageHeader { 1, quint32(pixels.width()), quint32(pixels.height()), quint32(pixels.format()) };
}

QByteArray encodeReply(const Reply &reply)
{
    QByteArray bytes;
    const QImage icon = replyPixels(reply.icon);
    const QImage thumbnail = reply.save ? replyPixels(reply.thumbnail) : QImage();
    bytes = bytesOf(ReplyHeader { imageHeader(icon), quint32(reply.save), imageHeader(thumbnail) });
    // Four bytes a pixel: rows follow each other with no padding.
    for (const QImage *pixels : { &icon, &thumbnail })
        bytes.append(reinterpret_cast<const char *>(pixels->constBits()), int(pixels->sizeInBytes()));
    return bytes;
}

bool writeReply(int fd, const Reply &reply)
{
    const QImage icon = replyPixels(reply.icon);
    const QImage thumbnail = reply.save ? replyPixels(reply.thumbnail) : QImage();
    if (!writeFully(
            fd, bytesOf(ReplyHeader { imageHeader(icon), quint32(reply.save), imageHeader(thumbnail) })))
        return false;
    for (const QImage *pixels : { &icon, &thumbnail }) {
        const char *bits = reinterpret_cast<const char *>(pixels->constBits());
        if (!pixels->isNull() && !writeFully(fd, QByteArray::fromRawData(bits, int(pixels->sizeInBytes()))))
            return false;
    }
    return true;
}

char *ReplyReader::room(int &size)
{
    if (m_complete) {
        size = 0;
        return nullptr;
    }
    if (m_headerIn) {
        QImage *image = filling();
        size = int(image->sizeInBytes()) - m_pixelsIn;
        return reinterpret_cast<char *>(image->bits()) + m_pixelsIn;
    }
    size = (m_greeted ? int(sizeof(ReplyHeader)) : greetingBytes.size()) - m_smallIn;
    return m_small + m_smallIn;
}

ReplyReader::Status ReplyReader::commit(int count)
{
    if (m_headerIn) {
        m_pixelsIn += count;
        if (m_pixelsIn == int(filling()->sizeInBytes())) {
            m_pixelsIn = 0;
            ++m_imagesIn;
            m_complete = !filling();
        }
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

namespace {

// Makes image what header announces, checked against an icon's bounds;
// false when it announces nonsense.
bool takeImage(const ImageHeader &header, QImage &image)
{
    if (header.present == 0)
        return header.width == 0 && header.height == 0 && header.format == 0;
    if (header.present != 1 || header.width == 0 || header.width > quint32(iconEdge) || header.height == 0
        || header.height > quint32(iconEdge) || !isIconFormat(header.format))
        return false;
    image = populatedIcon(int(header.width), int(header.height), QImage::Format(header.format));
    return !image.isNull();
}

} // namespace

bool ReplyReader::takeHeader()
{
    ReplyHeader header {};
    static_assert(sizeof(header) <= sizeof(m_small), "a header fits the room for it");
    std::memcpy(&header, m_small, sizeof(header));
    if (header.save > 1 || (header.save == 0 && header.thumbnail.present != 0)
        || !takeImage(header.icon, m_reply.icon) || !takeImage(header.thumbnail, m_reply.thumbnail))
        return false;
    m_reply.save = header.save == 1;
    m_headerIn = true;
    m_complete = !filling();
    return true;
}

QImage *ReplyReader::filling()
{
    int skipped = 0;
    for (QImage *image : { &m_reply.icon, &m_reply.thumbnail }) {
        if (!image->isNull() && skipped++ == m_imagesIn)
            return image;
    }
    return nullptr;
}

void ReplyReader::clear()
{
    m_smallIn = 0;
    m_reply = Reply();
    m_headerIn = false;
    m_pixelsIn = 0;
    m_imagesIn = 0;
    m_complete = false;
}

} // namespace ThumbnailProtocol
