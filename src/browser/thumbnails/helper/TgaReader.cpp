// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/TgaReader.h"

#include <QFile>

namespace {

constexpr int headerSize = 18;
constexpr int trueColourType = 2;
// Image descriptor bits telling where the first stored pixel goes.
constexpr quint8 rightToLeftBit = 0x10;
constexpr quint8 topToBottomBit = 0x20;

struct TgaHeader
{
    quint8 idLength = 0;
    quint8 imageType = 0;
    quint16 colourMapOrigin = 0;
    quint16 colourMapLength = 0;
    quint16 width = 0;
    quint16 height = 0;
    quint8 depth = 0;
    quint8 descriptor = 0;
};

quint16 littleEndian16(const QByteArray &bytes, int at)
{
    return quint16(uchar(bytes[at]) | (uchar(bytes[at + 1]) << 8));
}

TgaHeader parseHeader(const QByteArray &bytes)
{
    TgaHeader header;
    header.idLength = quint8(bytes[0]);
    header.imageType = quint8(bytes[2]);
    header.colourMapOrigin = littleEndian16(bytes, 3);
    header.colourMapLength = littleEndian16(bytes, 5);
    header.width = littleEndian16(bytes, 12);
    header.height = littleEndian16(bytes, 14);
    header.depth = quint8(bytes[16]);
    header.descriptor = quint8(bytes[17]);
    return header;
}

bool isSupported(const TgaHeader &header)
{
    return header.imageType == trueColourType && (header.depth == 24 || header.depth == 32)
        && header.colourMapOrigin == 0 && header.colourMapLength == 0;
}

bool readPixels(QIODevice *device, const TgaHeader &header, QImage &image)
{
    const int bytesPerPixel = header.depth / 8;
    const qint64 rowBytes = qint64(header.width) * bytesPerPixel;
    for (int y = 0; y < header.height; ++y) {
        const QByteArray row = device->read(rowBytes);
        if (row.size() != rowBytes)
            return false;
        const auto *source = reinterpret_cast<const uchar *>(row.constData());
        auto *target = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < header.width; ++x, source += bytesPerPixel)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    return true;
}

} // namespace

bool TgaReader::read(QImage &image, const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && read(image, &file);
}

bool TgaReader::read(QImage &image, QIODevice *device)
{
    const QByteArray headerBytes = device->read(headerSize);
    if (headerBytes.size() != headerSize)
        return false;
    const TgaHeader header = parseHeader(headerBytes);
    if (!isSupported(header))
        return false;
    const qint64 pixelBytes = qint64(header.width) * header.height * (header.depth / 8);
    if (device->size() - device->pos() < header.idLength + pixelBytes)
        return false;
    if (device->read(header.idLength).size() != header.idLength)
        return false;
    QImage pixels(header.width, header.height, QImage::Format_RGB32);
    if (pixels.isNull() && pixelBytes > 0)
        return false;
    if (!readPixels(device, header, pixels))
        return false;
    const bool fromBottom = !(header.descriptor & topToBottomBit);
    const bool fromRight = header.descriptor & rightToLeftBit;
    image = pixels.mirrored(fromRight, fromBottom);
    return true;
}
