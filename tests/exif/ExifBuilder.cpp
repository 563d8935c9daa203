// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExifBuilder.h"

#include <QBuffer>
#include <QPainter>

namespace {

constexpr quint16 longType = 4;

} // namespace

ExifBuilder::ExifBuilder(bool littleEndian)
    : m_littleEndian(littleEndian)
{ }

QByteArray ExifBuilder::u16(quint16 value) const
{
    QByteArray bytes(2, '\0');
    bytes[m_littleEndian ? 0 : 1] = char(value & 0xFF);
    bytes[m_littleEndian ? 1 : 0] = char(value >> 8);
    return bytes;
}

QByteArray ExifBuilder::u32(quint32 value) const
{
    const QByteArray low = u16(quint16(value & 0xFFFF));
    const QByteArray high = u16(quint16(value >> 16));
    return m_littleEndian ? low + high : high + low;
}

void ExifBuilder::add(Directory directory, quint16 tag, quint16 type, quint32 count, const QByteArray &values)
{
    m_entries[directory].append({ tag, type, count, values, false, 0 });
}

void ExifBuilder::addRaw(Directory directory, quint16 tag, quint16 type, quint32 count, quint32 field)
{
    m_entries[directory].append({ tag, type, count, QByteArray(), true, field });
}

void ExifBuilder::setThumbnail(const QByteArray &jpeg)
{
    m_thumbnail = jpeg;
}

quint32 ExifBuilder::directorySize(int entries)
{
    return quint32(2 + 12 * entries + 4);
}

QByteArray ExifBuilder::directoryBytes(
    const QVector<Entry> &entries, quint32 next, QByteArray &data, quint32 dataStart) const
{
    QByteArray bytes = u16(quint16(entries.size()));
    for (const Entry &entry : entries) {
        bytes += u16(entry.tag) + u16(entry.type) + u32(entry.count);
        if (entry.raw) {
            bytes += u32(entry.field);
        } else if (entry.values.size() <= 4 && entry.type != 5 && entry.type != 10) {
            bytes += entry.values + QByteArray(4 - entry.values.size(), '\0');
        } else {
            bytes += u32(dataStart + quint32(data.size()));
            data += entry.values;
        }
    }
    return bytes + u32(next);
}

QByteArray ExifBuilder::tiff() const
{
    QVector<Entry> image = m_entries[Image];
    QVector<Entry> thumbnail = m_entries[Thumbnail];
    const quint32 exifSize = m_entries[Exif].isEmpty() ? 0 : directorySize(m_entries[Exif].size());
    const quint32 gpsSize = m_entries[Gps].isEmpty() ? 0 : directorySize(m_entries[Gps].size());
    const int imageCount = image.size() + (exifSize ? 1 : 0) + (gpsSize ? 1 : 0);
    const int thumbnailCount = thumbnail.size() + (m_thumbnail.isEmpty() ? 0 : 2);
    const quint32 ifd0 = 8;
    const quint32 exif = ifd0 + directorySize(imageCount);
    const quint32 gps = exif + exifSize;
    const quint32 ifd1 = gps + gpsSize;
    const bool hasIfd1 = thumbnailCount > 0;
    const quint32 dataStart = ifd1 + (hasIfd1 ? directorySize(thumbnailCount) : 0);

    if (exifSize)
        image.append({ 0x8769, longType, 1, QByteArray(), true, exif });
    if (gpsSize)
        image.append({ 0x8825, longType, 1, QByteArray(), true, gps });
    QByteArray data;
    if (!m_thumbnail.isEmpty()) {
        // The picture's bytes come first in the data area.
        thumbnail.append({ 0x0201, longType, 1, QByteArray(), true, dataStart });
        thumbnail.append({ 0x0202, longType, 1, QByteArray(), true, quint32(m_thumbnail.size()) });
        data = m_thumbnail;
    }
    const quint32 ifd1Offset = m_ifd1Override >= 0 ? quint32(m_ifd1Override) : (hasIfd1 ? ifd1 : 0);
    QByteArray tiff = QByteArray(m_littleEndian ? "II" : "MM") + u16(42)
        + u32(m_ifd0Override >= 0 ? quint32(m_ifd0Override) : ifd0);
    tiff += directoryBytes(image, ifd1Offset, data, dataStart);
    if (exifSize)
        tiff += directoryBytes(m_entries[Exif], 0, data, dataStart);
    if (gpsSize)
        tiff += directoryBytes(m_entries[Gps], 0, data, dataStart);
    if (hasIfd1)
        tiff += directoryBytes(thumbnail, 0, data, dataStart);
    return tiff + data;
}

QByteArray ExifBuilder::app1Segment(const QByteArray &tiff)
{
    const int length = 2 + 6 + tiff.size();
    QByteArray segment("\xFF\xE1", 2);
    segment += char(length >> 8);
    segment += char(length & 0xFF);
    return segment + QByteArray("Exif\0\0", 6) + tiff;
}

QByteArray ExifBuilder::encodeJpeg(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", 95);
    return bytes;
}

QByteArray ExifBuilder::jpeg(const QByteArray &tiff, const QImage &picture, bool afterJfif)
{
    const QByteArray plain = encodeJpeg(picture);
    // Qt writes FF D8 and then the APP0 "JFIF" segment.
    const int app0Length = (uchar(plain[4]) << 8) | uchar(plain[5]);
    const int insertAt = afterJfif ? 4 + app0Length : 2;
    return plain.left(insertAt) + app1Segment(tiff) + plain.mid(insertAt);
}

QImage ExifBuilder::quadrants(int width, int height, const QVector<QColor> &colours)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int halfWidth = width / 2;
    const int halfHeight = height / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, colours.value(0));
    painter.fillRect(halfWidth, 0, width - halfWidth, halfHeight, colours.value(1));
    painter.fillRect(0, halfHeight, halfWidth, height - halfHeight, colours.value(2));
    painter.fillRect(halfWidth, halfHeight, width - halfWidth, height - halfHeight, colours.value(3));
    return image;
}

bool ExifBuilder::similarColour(QRgb actual, const QColor &expected)
{
    const int tolerance = 60;
    return qAbs(qRed(actual) - expected.red()) < tolerance
        && qAbs(qGreen(actual) - expected.green()) < tolerance
        && qAbs(qBlue(actual) - expected.blue()) < tolerance;
}
