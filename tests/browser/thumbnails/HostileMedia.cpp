// SPDX-License-Identifier: GPL-2.0-or-later
#include "HostileMedia.h"
#include "MediaMaker.h"

#include <QFile>
#include <QTemporaryDir>

#include <zlib.h>

namespace {

void appendBigEndian32(QByteArray &bytes, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes += char((value >> shift) & 0xFF);
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk;
    appendBigEndian32(chunk, quint32(data.size()));
    const QByteArray body = type + data;
    chunk += body;
    appendBigEndian32(
        chunk, quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))));
    return chunk;
}

// The compressed rows of a black RGB picture, deflated a row at a time.
QByteArray blackRows(int width, int height)
{
    z_stream stream {};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    QByteArray row(1 + 3 * width, '\0');
    QByteArray compressed;
    QByteArray out(64 * 1024, Qt::Uninitialized);
    for (int y = 0; y < height; ++y) {
        stream.next_in = reinterpret_cast<Bytef *>(row.data());
        stream.avail_in = uInt(row.size());
        const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = uInt(out.size());
            deflate(&stream, flush);
            compressed.append(out.constData(), out.size() - int(stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return compressed;
}

bool writeFile(const QString &path, const QByteArray &bytes, qint64 size = -1)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && (size < 0 || file.resize(size));
}

QByteArray encoded(const QString &source, const QStringList &options, const QString &name)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!MediaMaker::makeVideo(path, source, options))
        return QByteArray();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An EBML size of eight bytes that says "unknown": the element runs on to
// the end of its parent.
const QByteArray unknownSize("\x01\xff\xff\xff\xff\xff\xff\xff", 8);

} // namespace

bool HostileMedia::crashingMpeg(const QString &path)
{
    const QByteArray stream = encoded(QStringLiteral("testsrc=size=320x240:rate=25"),
        { QStringLiteral("-t"), QStringLiteral("1"), QStringLiteral("-c:v"), QStringLiteral("mpeg2video") },
        QStringLiteral("t.ts"));
    return stream.size() > 752 && writeFile(path, stream.left(752), qint64(512) * 1024 * 1024);
}

bool HostileMedia::hugeCoverMp3(const QString &path)
{
    QByteArray mp3 = encoded(QStringLiteral("sine=d=1"),
        { QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("color=c=red:s=64x64:d=1"), QStringLiteral("-frames:v"), QStringLiteral("1"),
            QStringLiteral("-map"), QStringLiteral("0:a"), QStringLiteral("-map"), QStringLiteral("1:v"),
            QStringLiteral("-c:v"), QStringLiteral("png"), QStringLiteral("-disposition:v"),
            QStringLiteral("attached_pic") },
        QStringLiteral("small.mp3"));
    const int header = mp3.indexOf("IHDR");
    if (header < 0)
        return false;
    QByteArray sides;
    appendBigEndian32(sides, 16000);
    appendBigEndian32(sides, 16000);
    mp3.replace(header + 4, sides.size(), sides);
    return writeFile(path, mp3);
}

bool HostileMedia::hugeFrameVideo(const QString &path)
{
    // FFmpeg writes a 256 x 256 frame; its sizes become 16000, its frame
    // grows with zeros, and the segment and cluster sizes become unknown so
    // that nothing else needs to move.
    QByteArray mkv = encoded(QStringLiteral("color=c=red:s=256x256:d=0.04:r=25"),
        { QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-c:v"), QStringLiteral("ffv1"),
            QStringLiteral("-level"), QStringLiteral("1") },
        QStringLiteral("small.mkv"));
    const QByteArray side256("\x00\x01\x00\x00", 4);
    const QByteArray side16000("\x80\x3e\x00\x00", 4);
    const int segment = mkv.indexOf(QByteArray("\x18\x53\x80\x67", 4));
    const int width = mkv.indexOf(QByteArray("\xb0\x82\x01\x00", 4));
    const int height = mkv.indexOf(QByteArray("\xba\x82\x01\x00", 4));
    const int bitmap = mkv.indexOf(QByteArray("\x28\x00\x00\x00", 4) + side256 + side256);
    const int cluster = mkv.indexOf(QByteArray("\x1f\x43\xb6\x75\x40", 5));
    const int block = mkv.indexOf('\xa3', cluster + 6);
    if (segment < 0 || width < 0 || height < 0 || bitmap < 0 || cluster < 0 || block < 0
        || (uchar(mkv[block + 1]) & 0xc0) != 0x40)
        return false;
    mkv.replace(segment + 4, 8, unknownSize);
    mkv.replace(width + 2, 2, QByteArray("\x3e\x80", 2));
    mkv.replace(height + 2, 2, QByteArray("\x3e\x80", 2));
    mkv.replace(bitmap + 4, 8, side16000 + side16000);
    const int size = (uchar(mkv[block + 1]) & 0x3f) << 8 | uchar(mkv[block + 2]);
    const QByteArray frame = mkv.mid(block + 3, size) + QByteArray(400 * 1024, '\0');
    QByteArray blockSize;
    appendBigEndian32(blockSize, quint32(frame.size()) | 0x10000000U);
    const QByteArray grown = mkv.left(cluster + 4) + unknownSize
        + mkv.mid(cluster + 6, block + 1 - cluster - 6) + blockSize + frame + mkv.mid(block + 3 + size);
    return writeFile(path, grown);
}

bool HostileMedia::hugePng(const QString &path, const QList<QPair<QByteArray, QByteArray>> &texts)
{
    constexpr int edge = 16000;
    QByteArray header;
    appendBigEndian32(header, edge);
    appendBigEndian32(header, edge);
    // Eight bits a sample, RGB, no interlacing.
    header += QByteArray("\x08\x02\x00\x00\x00", 5);
    QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header);
    for (const auto &text : texts)
        png += pngChunk("tEXt", text.first + '\0' + text.second);
    png += pngChunk("IDAT", blackRows(edge, edge)) + pngChunk("IEND", QByteArray());
    return writeFile(path, png);
}

bool HostileMedia::markerlessJpeg(const QString &path)
{
    return writeFile(path, QByteArray("\xff\xd8", 2), qint64(20) * 1024 * 1024 * 1024);
}
