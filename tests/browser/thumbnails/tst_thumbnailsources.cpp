// SPDX-License-Identifier: GPL-2.0-or-later
// The ways a thumbnail helper makes thumbnails, called in this process.
#include "ExifBuilder.h"
#include "MediaMaker.h"
#include "TestDir.h"
#include "browser/thumbnails/helper/ThumbnailSources.h"

#include <QImageReader>
#include <QImageWriter>
#include <QtTest>

#include <cstdlib>
#include <sys/stat.h>

#include <jpeglib.h>

namespace {

// Red above, blue below: a decoder that swaps red and blue shows it.
QImage halves(int width, int height, const QColor &top = Qt::red, const QColor &bottom = Qt::blue)
{
    QImage image = MediaMaker::filled(width, height, bottom);
    for (int y = 0; y < height / 2; ++y)
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(y)), width, top.rgb());
    return image;
}

QByteArray progressiveJpeg(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

// A CMYK JPEG as Adobe's programs write it, inks inverted, which Qt cannot
// write. With no black ink, the inverted inks are the red, green and blue
// levels themselves.
QByteArray cmykJpeg(const QImage &image)
{
    jpeg_compress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    QByteArray row(image.width() * 4, '\xff');
    while (info.next_scanline < info.image_height) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(int(info.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            row[4 * x] = char(qRed(pixels[x]));
            row[4 * x + 1] = char(qGreen(pixels[x]));
            row[4 * x + 2] = char(qBlue(pixels[x]));
        }
        auto *line = reinterpret_cast<JSAMPLE *>(row.data());
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char *>(buffer), int(size));
    std::free(buffer);
    return bytes;
}

// A JPEG whose frame header is made to declare another size: the data it
// holds then ends long before the picture would.
QByteArray declaring(QByteArray jpeg, int width, int height)
{
    for (int at = 2; at + 9 < jpeg.size(); at += 2 + (quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]))) {
        const quint8 marker = quint8(jpeg[at + 1]);
        if (marker == 0xC0 || marker == 0xC2) {
            const char size[] = { char(height >> 8), char(height), char(width >> 8), char(width) };
            jpeg.replace(at + 5, 4, size, 4);
            break;
        }
    }
    return jpeg;
}

// A blank picture of one bit a pixel: its PNG stays a few kilobytes
// whatever size it declares.
QByteArray blankPng(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    return MediaMaker::encoded(image, "PNG");
}

} // namespace

class TestThumbnailSources : public QObject
{
    Q_OBJECT

private slots:
    void scaledPicture_data();
    void scaledPicture();
    void jpegPictures_data();
    void jpegPictures();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();

private:
    TestDir m_dir;
};

void TestThumbnailSources::scaledPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("size");

    const QByteArray tga = MediaMaker::tga(MediaMaker::filled(40, 20, Qt::green));
    QTest::newRow("wide PNG") << "wide.png"
                              << MediaMaker::encoded(MediaMaker::filled(400, 100, Qt::red), "PNG")
                              << QSize(256, 64);
    QTest::newRow("tall PNG") << "tall.png"
                              << MediaMaker::encoded(MediaMaker::filled(100, 400, Qt::red), "PNG")
                              << QSize(64, 256);
    QTest::newRow("square JPEG") << "square.jpg"
                                 << MediaMaker::encoded(MediaMaker::filled(300, 300, Qt::red), "JPG")
                                 << QSize(256, 256);
    QTest::newRow("WebP") << "shot.webp" << MediaMaker::encoded(MediaMaker::filled(400, 100, Qt::red), "WEBP")
                          << QSize(256, 64);
    QTest::newRow("sliver keeps one row")
        << "sliver.png" << MediaMaker::encoded(MediaMaker::filled(2000, 3, Qt::red), "PNG") << QSize(256, 1);
    QTest::newRow(".tga by our reader, into 64") << "small.tga" << tga << QSize(64, 32);
    QTest::newRow(".TGA by our reader too") << "small.TGA" << tga << QSize(64, 32);
    QTest::newRow("run-length TGA") << "packed.tga"
                                    << MediaMaker::tga(MediaMaker::filled(40, 20, Qt::green), 24, 0x20, 10)
                                    << QSize();
    QTest::newRow("12 megapixels, within the limit")
        << "large.png" << blankPng(4000, 3000) << QSize(256, 192);
    // Decoded at full size, it would take 1.6 GB and seconds.
    QTest::newRow("PNG declaring 20000 x 20000") << "huge.png" << blankPng(20000, 20000) << QSize();
    QTest::newRow("broken PNG") << "broken.png"
                                << MediaMaker::encoded(MediaMaker::filled(400, 100, Qt::red), "PNG").left(60)
                                << QSize();
    QTest::newRow("text") << "notes.jpg" << QByteArray("hello") << QSize();
    // Recognised by content, whatever the name says, among the formats we
    // mean to read only: Qt would hand PostScript to ghostscript.
    QTest::newRow("PNG named .jpg") << "photo.jpg"
                                    << MediaMaker::encoded(MediaMaker::filled(400, 100, Qt::red), "PNG")
                                    << QSize(256, 64);
    QTest::newRow("BMP named .png") << "photo.png"
                                    << MediaMaker::encoded(MediaMaker::filled(100, 400, Qt::red), "BMP")
                                    << QSize(64, 256);
    QTest::newRow("TIFF") << "photo.tif" << MediaMaker::encoded(MediaMaker::filled(400, 100, Qt::red), "TIFF")
                          << QSize(256, 64);
    QTest::newRow("EPS named .jpg") << "holiday.jpg"
                                    << QByteArray("%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 400 100\n"
                                                  "newpath 0 0 moveto 400 100 lineto stroke showpage\n")
                                    << QSize();
    QTest::newRow("PPM named .jpg") << "photo.jpg"
                                    << MediaMaker::encoded(MediaMaker::filled(400, 100, Qt::red), "PPM")
                                    << QSize();
    QTest::newRow("XPM named .png") << "photo.png"
                                    << MediaMaker::encoded(MediaMaker::filled(400, 100, Qt::red), "XPM")
                                    << QSize();
}

void TestThumbnailSources::scaledPicture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);
    const QImage image = ThumbnailSources::scaledPicture(m_dir.createFile(name, content));
    QCOMPARE(image.isNull() ? QSize() : image.size(), size);
}

void TestThumbnailSources::jpegPictures_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("size");
    // An invalid colour is not checked.
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QColor>("bottom");

    const QByteArray baseline = MediaMaker::encoded(halves(640, 480), "JPG");
    const QColor red(Qt::red);
    const QColor blue(Qt::blue);
    QTest::newRow("baseline") << baseline << QSize(256, 192) << red << blue;
    QTest::newRow("progressive, only its first scans read")
        << progressiveJpeg(halves(2400, 1600)) << QSize(256, 170) << red << blue;
    QTest::newRow("progressive, at three eighths")
        << progressiveJpeg(halves(800, 600)) << QSize(256, 192) << red << blue;
    QTest::newRow("grayscale") << MediaMaker::encoded(
        halves(640, 480, Qt::white, Qt::black).convertToFormat(QImage::Format_Grayscale8), "JPG")
                               << QSize(256, 192) << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("inverted CMYK, enlarged") << cmykJpeg(halves(64, 48)) << QSize(256, 192) << red << blue;
    QTest::newRow("truncated keeps its top")
        << baseline.left(baseline.size() / 3) << QSize(256, 192) << red << QColor();
    QTest::newRow("20000 x 20000 fits at an eighth")
        << declaring(baseline, 20000, 20000) << QSize(256, 256) << QColor() << QColor();
    // Its coefficients would take 2.4 GB.
    QTest::newRow("progressive, 20000 x 20000")
        << declaring(progressiveJpeg(halves(640, 480)), 20000, 20000) << QSize() << QColor() << QColor();
    QTest::newRow("junk after the start")
        << QByteArray("\xff\xd8\xff\xe0junk") << QSize() << QColor() << QColor();
}

void TestThumbnailSources::jpegPictures()
{
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);

    const QImage image = ThumbnailSources::scaledPicture(m_dir.createFile("photo.jpg", content));
    QCOMPARE(image.isNull() ? QSize() : image.size(), size);
    const int x = size.width() / 2;
    if (top.isValid())
        QVERIFY(ExifBuilder::similarColour(image.pixel(x, size.height() / 5), top));
    if (bottom.isValid())
        QVERIFY(ExifBuilder::similarColour(image.pixel(x, size.height() * 4 / 5), bottom));
}

void TestThumbnailSources::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to a picture") << "link";
    // Opened for reading, it would wait for a writer for ever.
    QTest::newRow("FIFO") << "fifo";
}

void TestThumbnailSources::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    const QString picture
        = m_dir.createFile("real.png", MediaMaker::encoded(MediaMaker::filled(40, 30, Qt::red), "PNG"));
    const QString path = m_dir.filePath(kind + ".png");
    if (kind == "link")
        QVERIFY(QFile::link(picture, path));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY(ThumbnailSources::scaledPicture(path).isNull());
    QVERIFY(!ThumbnailSources::scaledPicture(picture).isNull());
}

QTEST_MAIN(TestThumbnailSources)
#include "tst_thumbnailsources.moc"
