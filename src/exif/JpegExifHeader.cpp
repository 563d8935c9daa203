// SPDX-License-Identifier: GPL-2.0-or-later
#include "exif/JpegExifHeader.h"
#include "exif/ExifIfdEntry.h"
#include "exif/ExifStream.h"
#include "exif/ImageBytes.h"

#include <QBuffer>
#include <QFile>
#include <QTransform>
#include <QVector>

#include <functional>

class JpegExifHeaderPrivate : public QSharedData
{
public:
    int byteOrder = 1;
    ExifValueMap imageValues;
    ExifValueMap exifValues;
    ExifValueMap gpsValues;
    QByteArray thumbnailData;
    ExifValue thumbnailXResolution;
    ExifValue thumbnailYResolution;
    ExifValue thumbnailResolutionUnit;
    ExifValue thumbnailOrientation;
};

namespace {

enum Tag : quint16 {
    OrientationTag = 0x0112,
    XResolutionTag = 0x011A,
    YResolutionTag = 0x011B,
    ResolutionUnitTag = 0x0128,
    ThumbnailOffsetTag = 0x0201,
    ThumbnailLengthTag = 0x0202,
    ExifPointerTag = 0x8769,
    GpsPointerTag = 0x8825,
    InteroperabilityPointerTag = 0xA005
};

constexpr int entrySize = 12;
constexpr qint64 headBytes = 64 * 1024;
// An EXIF thumbnail is a small picture; a bigger one announced in a 64 KiB
// segment is a hostile file asking for a huge decode.
constexpr int maxThumbnailEdge = 2048;

bool readBigEndian16(QIODevice *device, quint16 &value)
{
    const QByteArray bytes = device->read(2);
    if (bytes.size() != 2)
        return false;
    value = quint16((uchar(bytes[0]) << 8) | uchar(bytes[1]));
    return true;
}

// The TIFF header and everything after it from the first APP1 segment;
// empty when that segment is not "Exif" or there is none.
QByteArray extractExifSegment(QIODevice *device)
{
    if (device->read(2) != QByteArray("\xFF\xD8", 2))
        return QByteArray();
    for (;;) {
        const QByteArray marker = device->read(2);
        if (marker.size() != 2)
            return QByteArray();
        quint16 length = 0;
        if (marker == QByteArray("\xFF\xE1", 2)) {
            if (!readBigEndian16(device, length) || device->read(4) != "Exif")
                return QByteArray();
            device->read(2);
            return length < 8 ? QByteArray() : device->read(length - 8);
        }
        // Past the start of scan comes compressed data, not segments.
        if (marker == QByteArray("\xFF\xDA", 2) || marker == QByteArray("\xFF\xD9", 2) || device->atEnd())
            return QByteArray();
        if (!readBigEndian16(device, length) || length < 2)
            return QByteArray();
        const qint64 next = device->pos() + length - 2;
        if (next > device->size() || !device->seek(next))
            return QByteArray();
    }
}

QVector<ExifIfdEntry> readIfdEntries(ExifStream &stream)
{
    const int announced = stream.readUInt16();
    const int count = int(qMin<qint64>(announced, stream.remaining() / entrySize));
    QVector<ExifIfdEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        ExifIfdEntry entry;
        entry.tag = stream.readUInt16();
        entry.type = stream.readUInt16();
        entry.count = stream.readUInt32();
        const bool smallBytes = entry.type == ExifValue::Byte || entry.type == ExifValue::Ascii
            || entry.type == ExifValue::Undefined;
        if (smallBytes && entry.count < 5) {
            entry.bytes = stream.readBytes(4);
        } else if (entry.type == ExifValue::Short && entry.count < 3) {
            entry.shorts[0] = stream.readUInt16();
            entry.shorts[1] = stream.readUInt16();
        } else {
            entry.offset = stream.readUInt32();
        }
        entries.append(entry);
    }
    return entries;
}

// Reads count elements of width bytes at offset, no more than the segment
// holds.
template<typename T>
QVector<T> readArray(ExifStream &stream, const ExifIfdEntry &entry, int width, const std::function<T()> &read)
{
    stream.seek(entry.offset);
    const qint64 available = stream.remaining() / width;
    QVector<T> values(int(qMin<qint64>(entry.count, available)));
    for (T &value : values)
        value = read();
    return values;
}

template<typename T> QVector<T> readIntegers(ExifStream &stream, const ExifIfdEntry &entry, int width)
{
    return readArray<T>(stream, entry, width,
        [&stream, width] { return T(width == 2 ? stream.readUInt16() : stream.readUInt32()); });
}

template<typename T> QVector<QPair<T, T>> readPairs(ExifStream &stream, const ExifIfdEntry &entry)
{
    return readArray<QPair<T, T>>(stream, entry, 8, [&stream] {
        const T numerator = T(stream.readUInt32());
        return qMakePair(numerator, T(stream.readUInt32()));
    });
}

QByteArray readRawBytes(ExifStream &stream, const ExifIfdEntry &entry, quint32 count)
{
    if (entry.count < 5)
        return entry.bytes.left(int(count));
    stream.seek(entry.offset);
    return stream.readBytes(count);
}

template<typename T> QVector<T> readLongs(ExifStream &stream, const ExifIfdEntry &entry)
{
    if (entry.count == 1)
        return { T(entry.offset) };
    return entry.count == 0 ? QVector<T>() : readIntegers<T>(stream, entry, 4);
}

ExifValue readValue(ExifStream &stream, const ExifIfdEntry &entry)
{
    switch (entry.type) {
    case ExifValue::Byte: {
        const QByteArray bytes = readRawBytes(stream, entry, entry.count);
        return ExifValue(QVector<quint8>(bytes.cbegin(), bytes.cend()));
    }
    case ExifValue::Ascii:
        return ExifValue(QString::fromLatin1(readRawBytes(stream, entry, entry.count ? entry.count - 1 : 0)));
    case ExifValue::Short:
        if (entry.count < 3)
            return ExifValue(QVector<quint16>(entry.shorts, entry.shorts + entry.count));
        return ExifValue(readIntegers<quint16>(stream, entry, 2));
    case ExifValue::Long:
        return ExifValue(readLongs<quint32>(stream, entry));
    case ExifValue::SignedLong:
        return ExifValue(readLongs<qint32>(stream, entry));
    case ExifValue::Rational:
        return ExifValue(readPairs<quint32>(stream, entry));
    case ExifValue::SignedRational:
        return ExifValue(readPairs<qint32>(stream, entry));
    case ExifValue::Undefined:
        return ExifValue(readRawBytes(stream, entry, entry.count));
    default:
        return ExifValue();
    }
}

ExifValueMap readIfdValues(ExifStream &stream, const QVector<ExifIfdEntry> &entries)
{
    ExifValueMap values;
    for (const ExifIfdEntry &entry : entries)
        values.insert(entry.tag, readValue(stream, entry));
    return values;
}

bool isSingleLong(const ExifValue &value)
{
    return value.type() == ExifValue::Long && value.count() == 1;
}

ExifValueMap readSubIfd(ExifStream &stream, const ExifValue &pointer)
{
    if (!isSingleLong(pointer))
        return ExifValueMap();
    stream.seek(pointer.toUInt());
    return readIfdValues(stream, readIfdEntries(stream));
}

QTransform orientationTransform(quint32 orientation)
{
    QTransform transform;
    switch (orientation) {
    case 2:
        return transform.rotate(180, Qt::YAxis);
    case 3:
        return transform.rotate(180);
    case 4:
        return transform.rotate(180, Qt::XAxis);
    case 5:
        return transform.rotate(180, Qt::YAxis).rotate(90);
    case 6:
        return transform.rotate(90);
    case 7:
        return transform.rotate(180, Qt::XAxis).rotate(90);
    case 8:
        return transform.rotate(270);
    default:
        return transform;
    }
}

QImage decodeThumbnail(const QByteArray &data)
{
    // Bytes that are not a JPEG at all are not handed to the decoder, which
    // would complain about them on standard error.
    if (!data.startsWith(QByteArray("\xFF\xD8", 2)))
        return QImage();
    return ImageBytes::decode(data, "JPG", maxThumbnailEdge);
}

} // namespace

JpegExifHeader::JpegExifHeader()
    : d(new JpegExifHeaderPrivate)
{ }

JpegExifHeader::JpegExifHeader(const QString &fileName)
    : JpegExifHeader()
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // The EXIF block opens the file: one read of its head usually holds it
    // whole, however large the picture. Only a block that is not there or
    // may run past the head is looked for in the file itself.
    QByteArray head = file.read(headBytes);
    QBuffer buffer(&head);
    buffer.open(QIODevice::ReadOnly);
    const bool wholeInHead = loadFromJpeg(&buffer) && !buffer.atEnd();
    if (!wholeInHead && file.size() > head.size() && file.seek(0))
        loadFromJpeg(&file);
}

JpegExifHeader::JpegExifHeader(const JpegExifHeader &other) = default;
JpegExifHeader &JpegExifHeader::operator=(const JpegExifHeader &other) = default;
JpegExifHeader::~JpegExifHeader() = default;

bool JpegExifHeader::loadFromJpeg(QIODevice *device)
{
    d = new JpegExifHeaderPrivate;
    const QByteArray segment = extractExifSegment(device);
    return !segment.isEmpty() && readTiff(segment);
}

bool JpegExifHeader::readTiff(const QByteArray &segment)
{
    ExifStream stream(segment);
    const QByteArray order = stream.readBytes(2);
    if (order != "II" && order != "MM")
        return false;
    d->byteOrder = order == "II" ? 1 : 0;
    stream.setLittleEndian(d->byteOrder == 1);
    const quint16 magic = stream.readUInt16();
    const quint32 ifd0Offset = stream.readUInt32();
    if (magic != 42)
        return false;

    stream.seek(ifd0Offset);
    const QVector<ExifIfdEntry> ifd0 = readIfdEntries(stream);
    const quint32 ifd1Offset = stream.readUInt32();
    d->imageValues = readIfdValues(stream, ifd0);
    d->exifValues = readSubIfd(stream, d->imageValues.value(ExifPointerTag));
    d->gpsValues = readSubIfd(stream, d->imageValues.value(GpsPointerTag));
    d->exifValues.remove(InteroperabilityPointerTag);
    if (ifd1Offset == 0)
        return true;

    stream.seek(ifd1Offset);
    const ExifValueMap thumbnailValues = readIfdValues(stream, readIfdEntries(stream));
    const ExifValue start = thumbnailValues.value(ThumbnailOffsetTag);
    const ExifValue length = thumbnailValues.value(ThumbnailLengthTag);
    if (isSingleLong(start) && isSingleLong(length)) {
        stream.seek(start.toUInt());
        d->thumbnailData = stream.readBytes(length.toUInt());
        d->thumbnailXResolution = thumbnailValues.value(XResolutionTag);
        d->thumbnailYResolution = thumbnailValues.value(YResolutionTag);
        d->thumbnailResolutionUnit = thumbnailValues.value(ResolutionUnitTag);
        d->thumbnailOrientation = thumbnailValues.value(OrientationTag);
    }
    return true;
}

int JpegExifHeader::byteOrder() const
{
    return d->byteOrder;
}

ExifValueMap JpegExifHeader::imageValues() const
{
    return d->imageValues;
}

ExifValueMap JpegExifHeader::exifValues() const
{
    return d->exifValues;
}

ExifValueMap JpegExifHeader::gpsValues() const
{
    return d->gpsValues;
}

QByteArray JpegExifHeader::thumbnailData() const
{
    return d->thumbnailData;
}

ExifValue JpegExifHeader::thumbnailXResolution() const
{
    return d->thumbnailXResolution;
}

ExifValue JpegExifHeader::thumbnailYResolution() const
{
    return d->thumbnailYResolution;
}

ExifValue JpegExifHeader::thumbnailResolutionUnit() const
{
    return d->thumbnailResolutionUnit;
}

ExifValue JpegExifHeader::thumbnailOrientation() const
{
    return d->thumbnailOrientation;
}

QImage JpegExifHeader::thumbnail() const
{
    const QImage image = decodeThumbnail(d->thumbnailData);
    const ExifValue orientation = d->thumbnailOrientation;
    if (image.isNull() || orientation.isNull() || orientation.count() != 1)
        return image;
    const bool readable = orientation.type() == ExifValue::Byte || orientation.type() == ExifValue::Short;
    const QTransform transform = orientationTransform(readable ? orientation.toUInt() : 0);
    return transform.isIdentity() ? image : image.transformed(transform, Qt::FastTransformation);
}
