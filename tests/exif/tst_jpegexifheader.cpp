// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExifBuilder.h"
#include "TestDir.h"
#include "exif/JpegExifHeader.h"

#include <QBuffer>
#include <QtTest>

Q_DECLARE_METATYPE(ExifValue)

namespace {

const QVector<QColor> cornerColours = { Qt::red, Qt::green, Qt::blue, Qt::yellow };

enum : quint16 {
    ByteType = 1,
    AsciiType = 2,
    ShortType = 3,
    LongType = 4,
    RationalType = 5,
    UndefinedType = 7,
    SShortType = 8,
    SLongType = 9,
    SRationalType = 10,
    DoubleType = 12
};

// One entry of every supported type, held in the value field or in the data
// area, as a camera would write them in the builder's byte order.
void addTypedEntries(ExifBuilder &b)
{
    b.add(ExifBuilder::Image, 0x0100, ByteType, 3, QByteArray("\x01\x02\xFF", 3));
    b.add(ExifBuilder::Image, 0x0101, ByteType, 6, QByteArray("\x01\x02\x03\x04\x05\x06", 6));
    b.add(ExifBuilder::Image, 0x010F, AsciiType, 4, QByteArray("Cam\0", 4));
    b.add(ExifBuilder::Image, 0x0110, AsciiType, 11, QByteArray("Model 2000\0", 11));
    b.add(ExifBuilder::Image, 0x0111, ShortType, 2, b.u16(300) + b.u16(65535));
    b.add(ExifBuilder::Image, 0x0113, ShortType, 4, b.u16(1) + b.u16(2) + b.u16(3) + b.u16(4));
    b.add(ExifBuilder::Image, 0x0114, LongType, 1, b.u32(0xDEADBEEF));
    b.add(ExifBuilder::Image, 0x0115, LongType, 3, b.u32(7) + b.u32(70000) + b.u32(0xFFFFFFFF));
    b.add(ExifBuilder::Image, 0x0116, LongType, 0, QByteArray());
    b.add(ExifBuilder::Image, 0x011A, RationalType, 1, b.u32(72) + b.u32(1));
    b.add(ExifBuilder::Image, 0x011B, RationalType, 2, b.u32(1) + b.u32(3) + b.u32(5) + b.u32(7));
    b.add(ExifBuilder::Image, 0x9201, SLongType, 1, b.u32(quint32(-5)));
    b.add(ExifBuilder::Image, 0x9202, SLongType, 2, b.u32(quint32(-1)) + b.u32(7));
    b.add(ExifBuilder::Image, 0x9203, SRationalType, 1, b.u32(quint32(-1)) + b.u32(3));
    b.add(ExifBuilder::Image, 0x9204, SShortType, 1, b.u16(quint16(-2)));
    b.add(ExifBuilder::Image, 0x9205, 0, 1, b.u32(1));
    b.add(ExifBuilder::Image, 0x9206, DoubleType, 1, QByteArray(8, '\x01'));
    b.add(ExifBuilder::Image, 0x9207, ShortType, 1, b.u16(1));
    b.add(ExifBuilder::Image, 0x9207, ShortType, 1, b.u16(2));
    b.add(ExifBuilder::Exif, 0x9000, UndefinedType, 4, "0230");
    b.add(ExifBuilder::Exif, 0x927C, UndefinedType, 8, QByteArray("maker\0\x01\x02", 8));
    b.add(ExifBuilder::Exif, 0xA002, ShortType, 1, b.u16(640));
    b.add(ExifBuilder::Exif, 0xA005, LongType, 1, b.u32(8));
    b.add(ExifBuilder::Gps, 0x0000, ByteType, 4, QByteArray("\x02\x03\x00\x00", 4));
    b.add(ExifBuilder::Gps, 0x0001, AsciiType, 2, QByteArray("N\0", 2));
    b.add(ExifBuilder::Gps, 0x0002, RationalType, 3,
        b.u32(48) + b.u32(1) + b.u32(51) + b.u32(1) + b.u32(0) + b.u32(1));
}

QByteArray thumbnailJpeg(int width = 160, int height = 120)
{
    return ExifBuilder::encodeJpeg(ExifBuilder::quadrants(width, height, cornerColours));
}

QByteArray photoWithThumbnail(bool littleEndian, bool afterJfif = true)
{
    ExifBuilder builder(littleEndian);
    addTypedEntries(builder);
    builder.setThumbnail(thumbnailJpeg());
    return ExifBuilder::jpeg(builder.tiff(), QImage(64, 48, QImage::Format_RGB32), afterJfif);
}

JpegExifHeader loadBytes(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    JpegExifHeader header;
    header.loadFromJpeg(&buffer);
    return header;
}

qint64 largestCount(const JpegExifHeader &header)
{
    qint64 largest = 0;
    for (const ExifValueMap &map : { header.imageValues(), header.exifValues(), header.gpsValues() }) {
        for (const ExifValue &value : map)
            largest = qMax<qint64>(largest, value.count());
    }
    return largest;
}

} // namespace

class TestJpegExifHeader : public QObject
{
    Q_OBJECT

private slots:
    void segmentSearch_data();
    void segmentSearch();
    void valueDecoding_data();
    void valueDecoding();
    void byteOrdersGiveSameValues();
    void orientation_data();
    void orientation();
    void thumbnailNeedsSingleLongs_data();
    void thumbnailNeedsSingleLongs();
    void hostileInput_data();
    void hostileInput();
    void everyTruncationIsBounded();
    void missingFileHasNoThumbnail();
};

void TestJpegExifHeader::segmentSearch_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("found");

    const QByteArray tiff = [] {
        ExifBuilder builder(true);
        builder.setThumbnail(thumbnailJpeg());
        return builder.tiff();
    }();
    const QImage picture(32, 32, QImage::Format_RGB32);
    QTest::newRow("APP1 first") << ExifBuilder::jpeg(tiff, picture, false) << true;
    QTest::newRow("after APP0 JFIF") << ExifBuilder::jpeg(tiff, picture, true) << true;
    const QByteArray comment = QByteArray("\xFF\xFE\x00\x07hello", 9);
    const QByteArray withComment = ExifBuilder::jpeg(tiff, picture, false);
    QTest::newRow("after a comment") << withComment.left(2) + comment + withComment.mid(2) << true;
    // The first 64 KiB are read at once; a block running past them, or
    // starting past them, is found too.
    for (const int padding : { 64000, 65000 }) {
        QByteArray segment("\xFF\xE2", 2);
        segment += char((padding + 2) >> 8);
        segment += char((padding + 2) & 0xFF);
        segment += QByteArray(padding, '\0');
        QTest::newRow(qPrintable(QStringLiteral("after %1 bytes of APP2").arg(padding)))
            << withComment.left(2) + segment + withComment.mid(2) << true;
    }
    const QByteArray xmp = QByteArray("\xFF\xE1\x00\x10http://ns.ado", 18);
    QTest::newRow("first APP1 is not Exif") << withComment.left(2) + xmp + withComment.mid(2) << false;
    const QByteArray plain = ExifBuilder::encodeJpeg(picture);
    QTest::newRow("no APP1 at all") << plain << false;
    QTest::newRow("APP1 after the start of scan")
        << plain.left(plain.size() - 2) + ExifBuilder::app1Segment(tiff) << false;
}

void TestJpegExifHeader::segmentSearch()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, found);
    TestDir dir;
    const JpegExifHeader header(dir.createFile("photo.jpg", file));
    QCOMPARE(!header.thumbnail().isNull(), found);
    QCOMPARE(header.thumbnailData() == thumbnailJpeg(), found);
}

void TestJpegExifHeader::valueDecoding_data()
{
    QTest::addColumn<bool>("littleEndian");
    QTest::addColumn<int>("directory");
    QTest::addColumn<int>("tag");
    QTest::addColumn<ExifValue>("expected");

    const struct
    {
        const char *name;
        int directory;
        int tag;
        ExifValue value;
    } rows[] = {
        { "BYTE in the value field", ExifBuilder::Image, 0x0100, ExifValue(QVector<quint8> { 1, 2, 255 }) },
        { "BYTE in the data area", ExifBuilder::Image, 0x0101,
            ExifValue(QVector<quint8> { 1, 2, 3, 4, 5, 6 }) },
        { "ASCII of count 4 in the value field", ExifBuilder::Image, 0x010F,
            ExifValue(QStringLiteral("Cam")) },
        { "ASCII in the data area", ExifBuilder::Image, 0x0110, ExifValue(QStringLiteral("Model 2000")) },
        { "SHORT pair in the value field", ExifBuilder::Image, 0x0111,
            ExifValue(QVector<quint16> { 300, 65535 }) },
        { "SHORT in the data area", ExifBuilder::Image, 0x0113, ExifValue(QVector<quint16> { 1, 2, 3, 4 }) },
        { "single LONG", ExifBuilder::Image, 0x0114, ExifValue(QVector<quint32> { 0xDEADBEEF }) },
        { "LONG in the data area", ExifBuilder::Image, 0x0115,
            ExifValue(QVector<quint32> { 7, 70000, 0xFFFFFFFF }) },
        { "LONG of count 0", ExifBuilder::Image, 0x0116, ExifValue(QVector<quint32>()) },
        { "RATIONAL", ExifBuilder::Image, 0x011A, ExifValue(QVector<ExifURational> { { 72, 1 } }) },
        { "RATIONAL pairs", ExifBuilder::Image, 0x011B,
            ExifValue(QVector<ExifURational> { { 1, 3 }, { 5, 7 } }) },
        { "single SLONG", ExifBuilder::Image, 0x9201, ExifValue(QVector<qint32> { -5 }) },
        { "SLONG in the data area", ExifBuilder::Image, 0x9202, ExifValue(QVector<qint32> { -1, 7 }) },
        { "SRATIONAL", ExifBuilder::Image, 0x9203, ExifValue(QVector<ExifSRational> { { -1, 3 } }) },
        { "SSHORT is not supported", ExifBuilder::Image, 0x9204, ExifValue() },
        { "type 0 is not supported", ExifBuilder::Image, 0x9205, ExifValue() },
        { "DOUBLE is not supported", ExifBuilder::Image, 0x9206, ExifValue() },
        { "a later entry replaces an earlier one", ExifBuilder::Image, 0x9207,
            ExifValue(QVector<quint16> { 2 }) },
        { "UNDEFINED in the value field", ExifBuilder::Exif, 0x9000, ExifValue(QByteArray("0230")) },
        { "UNDEFINED in the data area", ExifBuilder::Exif, 0x927C,
            ExifValue(QByteArray("maker\0\x01\x02", 8)) },
        { "Exif directory SHORT", ExifBuilder::Exif, 0xA002, ExifValue(QVector<quint16> { 640 }) },
        { "interoperability pointer removed", ExifBuilder::Exif, 0xA005, ExifValue() },
        { "GPS version", ExifBuilder::Gps, 0x0000, ExifValue(QVector<quint8> { 2, 3, 0, 0 }) },
        { "GPS reference", ExifBuilder::Gps, 0x0001, ExifValue(QStringLiteral("N")) },
        { "GPS latitude", ExifBuilder::Gps, 0x0002,
            ExifValue(QVector<ExifURational> { { 48, 1 }, { 51, 1 }, { 0, 1 } }) },
    };
    for (const bool littleEndian : { true, false }) {
        for (const auto &row : rows) {
            QTest::addRow("%s %s", littleEndian ? "II" : "MM", row.name)
                << littleEndian << row.directory << row.tag << row.value;
        }
    }
}

void TestJpegExifHeader::valueDecoding()
{
    QFETCH(bool, littleEndian);
    QFETCH(int, directory);
    QFETCH(int, tag);
    QFETCH(ExifValue, expected);

    TestDir dir;
    const JpegExifHeader header(dir.createFile("photo.jpg", photoWithThumbnail(littleEndian)));
    QCOMPARE(header.byteOrder(), littleEndian ? 1 : 0);
    const ExifValueMap values = directory == ExifBuilder::Image ? header.imageValues()
        : directory == ExifBuilder::Exif                        ? header.exifValues()
                                                                : header.gpsValues();
    const ExifValue actual = values.value(quint16(tag));
    QCOMPARE(actual.type(), expected.type());
    QCOMPARE(actual.count(), expected.count());
    QVERIFY(actual == expected);
}

void TestJpegExifHeader::byteOrdersGiveSameValues()
{
    const JpegExifHeader little = loadBytes(photoWithThumbnail(true));
    const JpegExifHeader big = loadBytes(photoWithThumbnail(false));
    QVERIFY(!little.imageValues().isEmpty());
    QVERIFY(little.imageValues() == big.imageValues());
    QVERIFY(little.exifValues() == big.exifValues());
    QVERIFY(little.gpsValues() == big.gpsValues());
    QCOMPARE(little.thumbnailData(), big.thumbnailData());
    QCOMPARE(little.thumbnail(), big.thumbnail());
}

void TestJpegExifHeader::orientation_data()
{
    QTest::addColumn<quint16>("type");
    QTest::addColumn<quint32>("count");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    // Which corner of the stored picture shows at the top left, top right,
    // bottom left and bottom right once it is turned upright.
    QTest::addColumn<QString>("corners");

    const QSize landscape(160, 120);
    const QSize portrait(120, 160);
    const char *const corners[] = { "0123", "0123", "1032", "3210", "2301", "0213", "2031", "3120", "1302" };
    for (const quint16 type : { quint16(ShortType), quint16(ByteType) }) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            QTest::addRow("%s %d", type == ShortType ? "SHORT" : "BYTE", orientation)
                << type << 1u << orientation << (orientation >= 5 ? portrait : landscape)
                << corners[orientation];
        }
    }
    QTest::newRow("0 leaves it") << quint16(ShortType) << 1u << 0 << landscape << "0123";
    QTest::newRow("9 leaves it") << quint16(ShortType) << 1u << 9 << landscape << "0123";
    QTest::newRow("LONG is not read") << quint16(LongType) << 1u << 6 << landscape << "0123";
    QTest::newRow("two values are ignored") << quint16(ShortType) << 2u << 6 << landscape << "0123";
}

void TestJpegExifHeader::orientation()
{
    QFETCH(quint16, type);
    QFETCH(quint32, count);
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    QFETCH(QString, corners);

    ExifBuilder builder(false);
    QByteArray value = type == ByteType ? QByteArray(1, char(orientation))
        : type == LongType              ? builder.u32(quint32(orientation))
                                        : builder.u16(quint16(orientation));
    if (count == 2)
        value += value;
    builder.add(ExifBuilder::Thumbnail, 0x0112, type, count, value);
    builder.setThumbnail(thumbnailJpeg());
    TestDir dir;
    const QString path
        = dir.createFile("photo.jpg", ExifBuilder::jpeg(builder.tiff(), QImage(8, 8, QImage::Format_RGB32)));

    const QImage image = JpegExifHeader(path).thumbnail();
    QCOMPARE(image.size(), size);
    const int w = image.width();
    const int h = image.height();
    const QPoint samples[]
        = { { w / 4, h / 4 }, { 3 * w / 4, h / 4 }, { w / 4, 3 * h / 4 }, { 3 * w / 4, 3 * h / 4 } };
    for (int corner = 0; corner < 4; ++corner) {
        const QColor expected = cornerColours[corners[corner].digitValue()];
        QVERIFY2(ExifBuilder::similarColour(image.pixel(samples[corner]), expected),
            qPrintable(QStringLiteral("corner %1 is %2")
                    .arg(corner)
                    .arg(QColor(image.pixel(samples[corner])).name())));
    }
}

void TestJpegExifHeader::thumbnailNeedsSingleLongs_data()
{
    QTest::addColumn<quint16>("offsetType");
    QTest::addColumn<quint16>("lengthType");
    QTest::addColumn<quint32>("lengthCount");
    QTest::addColumn<bool>("found");

    QTest::newRow("both LONG") << quint16(LongType) << quint16(LongType) << 1u << true;
    QTest::newRow("length as SHORT") << quint16(LongType) << quint16(ShortType) << 1u << false;
    QTest::newRow("offset as SHORT") << quint16(ShortType) << quint16(LongType) << 1u << false;
    QTest::newRow("two lengths") << quint16(LongType) << quint16(LongType) << 2u << false;
    QTest::newRow("no length") << quint16(LongType) << quint16(0) << 0u << false;
}

void TestJpegExifHeader::thumbnailNeedsSingleLongs()
{
    QFETCH(quint16, offsetType);
    QFETCH(quint16, lengthType);
    QFETCH(quint32, lengthCount);
    QFETCH(bool, found);

    // The directories are laid out by hand: the thumbnail follows a
    // one-entry IFD0 and a two-entry IFD1.
    ExifBuilder b(true);
    const QByteArray thumbnail = thumbnailJpeg();
    const quint32 thumbnailStart = 8 + 18 + 30;
    const auto field = [&b](quint16 type, quint32 value) {
        return type == ShortType ? b.u16(quint16(value)) + b.u16(0) : b.u32(value);
    };
    QByteArray tiff = "II" + b.u16(42) + b.u32(8);
    tiff += b.u16(1) + b.u16(0x010F) + b.u16(AsciiType) + b.u32(3) + QByteArray("Hi\0\0", 4) + b.u32(26);
    tiff += b.u16(2) + b.u16(0x0201) + b.u16(offsetType) + b.u32(1) + field(offsetType, thumbnailStart);
    const quint16 lengthTag = lengthType ? 0x0202 : 0x0203;
    tiff += b.u16(lengthTag) + b.u16(lengthType) + b.u32(lengthCount)
        + field(lengthType, quint32(thumbnail.size()));
    tiff += b.u32(0);
    QCOMPARE(tiff.size(), int(thumbnailStart));
    tiff += thumbnail;

    const JpegExifHeader header = loadBytes(ExifBuilder::jpeg(tiff, QImage(8, 8, QImage::Format_RGB32)));
    QCOMPARE(header.imageValues().value(0x010F).toString(), QStringLiteral("Hi"));
    QCOMPARE(!header.thumbnail().isNull(), found);
}

void TestJpegExifHeader::hostileInput_data()
{
    QTest::addColumn<QByteArray>("file");

    const QImage picture(16, 16, QImage::Format_RGB32);
    const auto withTiff = [&picture](const QByteArray &tiff) { return ExifBuilder::jpeg(tiff, picture); };
    const auto withEntry = [&withTiff](quint16 type, quint32 count, quint32 field) {
        ExifBuilder builder(true);
        builder.addRaw(ExifBuilder::Image, 0x0100, type, count, field);
        return withTiff(builder.tiff());
    };
    ExifBuilder b(true);

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("start of image only") << QByteArray("\xFF\xD8", 2);
    QTest::newRow("4-byte file") << QByteArray("\xFF\xD8\xFF\xE1", 4);
    QTest::newRow("PNG signature") << QByteArray("\x89PNG\r\n\x1A\n", 8);
    QTest::newRow("APP1 length below 8") << QByteArray("\xFF\xD8\xFF\xE1\x00\x04"
                                                       "Exif\0\0II*\0",
        16);
    QTest::newRow("APP0 length 0") << QByteArray("\xFF\xD8\xFF\xE0\x00\x00\xFF\xE0\x00\x00", 10);
    QTest::newRow("APP0 length 1") << QByteArray("\xFF\xD8\xFF\xE0\x00\x01\xFF\xE0\x00\x01", 10);
    QTest::newRow("APP0 longer than the file") << QByteArray("\xFF\xD8\xFF\xE0\xFF\xFF"
                                                             "JFIF",
        10);
    QTest::newRow("byte order XX") << withTiff("XX" + b.u16(42) + b.u32(8) + b.u16(0) + b.u32(0));
    QTest::newRow("magic 43") << withTiff("II" + b.u16(43) + b.u32(8) + b.u16(0) + b.u32(0));
    QTest::newRow("TIFF header only") << withTiff("II");
    QTest::newRow("entry count 0xFFFF")
        << withTiff("II" + b.u16(42) + b.u32(8) + b.u16(0xFFFF) + QByteArray(20, '\x04'));

    for (const quint16 type :
        { ByteType, AsciiType, ShortType, LongType, RationalType, UndefinedType, SLongType, SRationalType }) {
        QTest::addRow("count 0xFFFFFFFF of type %d", type) << withEntry(type, 0xFFFFFFFF, 8);
        QTest::addRow("offset past the end for type %d", type) << withEntry(type, 40, 0xFFFFFFF0);
    }

    ExifBuilder farIfd0(true);
    farIfd0.setThumbnail(thumbnailJpeg());
    farIfd0.setIfd0Offset(0xFFFFFF00);
    QTest::newRow("IFD0 past the end") << withTiff(farIfd0.tiff());

    ExifBuilder farIfd1(true);
    farIfd1.add(ExifBuilder::Image, 0x010F, AsciiType, 3, QByteArray("Hi\0", 3));
    farIfd1.setIfd1Offset(0xFFFFFFF0);
    QTest::newRow("IFD1 past the end") << withTiff(farIfd1.tiff());

    ExifBuilder farThumbnail(true);
    farThumbnail.addRaw(ExifBuilder::Thumbnail, 0x0201, LongType, 1, 0xFFFFFF00);
    farThumbnail.addRaw(ExifBuilder::Thumbnail, 0x0202, LongType, 1, 5000);
    QTest::newRow("thumbnail past the end") << withTiff(farThumbnail.tiff());

    ExifBuilder hugeLength(true);
    hugeLength.addRaw(ExifBuilder::Thumbnail, 0x0201, LongType, 1, 8);
    hugeLength.addRaw(ExifBuilder::Thumbnail, 0x0202, LongType, 1, 0xFFFFFFFF);
    QTest::newRow("thumbnail length 0xFFFFFFFF") << withTiff(hugeLength.tiff());

    ExifBuilder cyclic(true);
    cyclic.addRaw(ExifBuilder::Image, 0x8769, LongType, 1, 8);
    cyclic.addRaw(ExifBuilder::Image, 0x8825, LongType, 1, 8);
    cyclic.setIfd1Offset(8);
    QTest::newRow("directories pointing at IFD0") << withTiff(cyclic.tiff());

    const QByteArray whole = photoWithThumbnail(true, false);
    QTest::newRow("file cut inside the segment") << whole.left(200);
    QByteArray shortSegment = whole;
    shortSegment[4] = '\0';
    shortSegment[5] = '\x40';
    QTest::newRow("segment length cuts the directories") << shortSegment;

    QByteArray huge = thumbnailJpeg(16, 16);
    const int frame = huge.indexOf(QByteArray("\xFF\xC0", 2));
    QVERIFY(frame > 0);
    huge[frame + 5] = huge[frame + 7] = '\xEA';
    huge[frame + 6] = huge[frame + 8] = '\x60';
    ExifBuilder bomb(true);
    bomb.setThumbnail(huge);
    QTest::newRow("thumbnail claiming 60000 x 60000 pixels") << withTiff(bomb.tiff());
}

void TestJpegExifHeader::hostileInput()
{
    QFETCH(QByteArray, file);
    TestDir dir;
    const JpegExifHeader header(dir.createFile("hostile.jpg", file));
    QVERIFY(header.thumbnail().isNull());
    QVERIFY(header.thumbnailData().size() <= file.size());
    QVERIFY(largestCount(header) <= file.size());
}

void TestJpegExifHeader::everyTruncationIsBounded()
{
    const QByteArray whole = photoWithThumbnail(false, false);
    const JpegExifHeader complete = loadBytes(whole);
    QVERIFY(!complete.thumbnail().isNull());
    const int thumbnailEnd = whole.indexOf(complete.thumbnailData()) + complete.thumbnailData().size();
    for (int length = 0; length < thumbnailEnd; ++length) {
        const JpegExifHeader header = loadBytes(whole.left(length));
        QVERIFY(header.thumbnailData() != complete.thumbnailData());
        QVERIFY(largestCount(header) <= length);
    }
}

void TestJpegExifHeader::missingFileHasNoThumbnail()
{
    TestDir dir;
    const JpegExifHeader header(dir.filePath("missing.jpg"));
    QVERIFY(header.thumbnail().isNull());
    QVERIFY(header.imageValues().isEmpty());
    QCOMPARE(header.byteOrder(), 1);
}

QTEST_MAIN(TestJpegExifHeader)
#include "tst_jpegexifheader.moc"
