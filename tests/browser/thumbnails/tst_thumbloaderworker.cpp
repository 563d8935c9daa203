// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExifBuilder.h"
#include "MediaMaker.h"
#include "OutputCapture.h"
#include "TestDir.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"

#include <QImageWriter>
#include <QSignalSpy>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

QImage filled(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Red above, blue below: a decoder that swaps red and blue shows it.
QImage halves(int width, int height, const QColor &top = Qt::red, const QColor &bottom = Qt::blue)
{
    QImage image = filled(width, height, bottom);
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
    return encoded(image, "PNG");
}

// A red photo carrying a blue embedded thumbnail.
QByteArray photoWithBlueThumbnail()
{
    ExifBuilder builder(true);
    builder.setThumbnail(ExifBuilder::encodeJpeg(filled(160, 120, Qt::blue)));
    return ExifBuilder::jpeg(builder.tiff(), filled(640, 480, Qt::red));
}

QStringList iconPaths(const QSignalSpy &spy)
{
    QStringList paths;
    for (const QList<QVariant> &arguments : spy)
        paths.append(arguments.at(0).toString());
    return paths;
}

} // namespace

class TestThumbLoaderWorker : public QObject
{
    Q_OBJECT

private slots:
    void scaledPicture_data();
    void scaledPicture();
    void jpegPictures_data();
    void jpegPictures();
    void picturesBecomeStretchedIcons_data();
    void picturesBecomeStretchedIcons();
    void videosKeepTheirShape_data();
    void videosKeepTheirShape();
    void otherCategoriesAreDiscarded_data();
    void otherCategoriesAreDiscarded();
    void runsAtLowestPriority();
    void stopDropsTheBatch();
    void switchingCategoryStartsOver();
    void destructionStopsAtOnce();

private:
    QFileInfo makeVideo(const QString &name, const QString &colour, const QString &size);
    QList<QFileInfo> manyPictures(const QString &folder, int count);

    TestDir m_dir;
};

QFileInfo TestThumbLoaderWorker::makeVideo(const QString &name, const QString &colour, const QString &size)
{
    const QString path = m_dir.filePath(name);
    const QString codec = name.endsWith(".avi") ? "mpeg4" : "libx264";
    if (!QFile::exists(path)
        && !MediaMaker::makeVideo(path, QString("color=c=%1:s=%2:d=1").arg(colour, size), { "-c:v", codec }))
        return QFileInfo();
    return QFileInfo(path);
}

QList<QFileInfo> TestThumbLoaderWorker::manyPictures(const QString &folder, int count)
{
    const QByteArray png = encoded(filled(400, 300, Qt::red), "PNG");
    QList<QFileInfo> files;
    for (int i = 0; i < count; ++i)
        files.append(QFileInfo(m_dir.createFile(QString("%1/%2.png").arg(folder).arg(i), png)));
    return files;
}

void TestThumbLoaderWorker::scaledPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("size");

    const QByteArray tga = MediaMaker::tga(filled(40, 20, Qt::green));
    QTest::newRow("wide PNG") << "wide.png" << encoded(filled(400, 100, Qt::red), "PNG") << QSize(256, 64);
    QTest::newRow("tall PNG") << "tall.png" << encoded(filled(100, 400, Qt::red), "PNG") << QSize(64, 256);
    QTest::newRow("square JPEG") << "square.jpg" << encoded(filled(300, 300, Qt::red), "JPG")
                                 << QSize(256, 256);
    QTest::newRow("WebP") << "shot.webp" << encoded(filled(400, 100, Qt::red), "WEBP") << QSize(256, 64);
    QTest::newRow("sliver keeps one row")
        << "sliver.png" << encoded(filled(2000, 3, Qt::red), "PNG") << QSize(256, 1);
    QTest::newRow(".tga by our reader, into 64") << "small.tga" << tga << QSize(64, 32);
    QTest::newRow(".TGA by our reader too") << "small.TGA" << tga << QSize(64, 32);
    QTest::newRow("run-length TGA") << "packed.tga"
                                    << MediaMaker::tga(filled(40, 20, Qt::green), 24, 0x20, 10) << QSize();
    QTest::newRow("12 megapixels, within the limit")
        << "large.png" << blankPng(4000, 3000) << QSize(256, 192);
    // Decoded at full size, it would take 1.6 GB and seconds.
    QTest::newRow("PNG declaring 20000 x 20000") << "huge.png" << blankPng(20000, 20000) << QSize();
    QTest::newRow("broken PNG") << "broken.png" << encoded(filled(400, 100, Qt::red), "PNG").left(60)
                                << QSize();
    QTest::newRow("text") << "notes.jpg" << QByteArray("hello") << QSize();
}

void TestThumbLoaderWorker::scaledPicture()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);
    const QImage image = ThumbLoaderWorker::scaledPicture(m_dir.createFile(name, content));
    QCOMPARE(image.isNull() ? QSize() : image.size(), size);
}

void TestThumbLoaderWorker::jpegPictures_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("size");
    // An invalid colour is not checked.
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QColor>("bottom");

    const QByteArray baseline = encoded(halves(640, 480), "JPG");
    const QColor red(Qt::red);
    const QColor blue(Qt::blue);
    QTest::newRow("baseline") << baseline << QSize(256, 192) << red << blue;
    QTest::newRow("progressive, only its first scans read")
        << progressiveJpeg(halves(2400, 1600)) << QSize(256, 170) << red << blue;
    QTest::newRow("progressive, at three eighths")
        << progressiveJpeg(halves(800, 600)) << QSize(256, 192) << red << blue;
    QTest::newRow("grayscale") << encoded(
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

void TestThumbLoaderWorker::jpegPictures()
{
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);

    const QImage image = ThumbLoaderWorker::scaledPicture(m_dir.createFile("photo.jpg", content));
    QCOMPARE(image.isNull() ? QSize() : image.size(), size);
    const int x = size.width() / 2;
    if (top.isValid())
        QVERIFY(ExifBuilder::similarColour(image.pixel(x, size.height() / 5), top));
    if (bottom.isValid())
        QVERIFY(ExifBuilder::similarColour(image.pixel(x, size.height() * 4 / 5), bottom));
}

void TestThumbLoaderWorker::picturesBecomeStretchedIcons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("embedded thumbnail wins") << "photo.jpg" << photoWithBlueThumbnail() << QColor(Qt::blue);
    QTest::newRow("wide PNG") << "wide.png" << encoded(filled(400, 100, Qt::red), "PNG") << QColor(Qt::red);
    QTest::newRow("Targa") << "green.tga" << MediaMaker::tga(filled(40, 20, Qt::green)) << QColor(Qt::green);
}

void TestThumbLoaderWorker::picturesBecomeStretchedIcons()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QColor, colour);

    const QString path = m_dir.createFile(name, content);
    const QString unreadable = m_dir.createFile("unreadable-" + name, "junk");
    ThumbLoaderWorker worker;
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy updates(&worker, &ThumbLoaderWorker::updateIcons);
    bool finished = false;
    const QByteArray output = capturedOutput([&] {
        worker.addFiles({ QFileInfo(unreadable), QFileInfo(path) }, PicturesMode);
        finished = QTest::qWaitFor([&updates] { return !updates.isEmpty(); }, 10000);
    });
    QVERIFY(finished);
    QCOMPARE(output, QByteArray());

    QCOMPARE(iconPaths(icons), QStringList { path });
    const QImage icon = icons.at(0).at(1).value<QImage>();
    QCOMPARE(icon.size(), QSize(256, 256));
    for (const QPoint &point : { QPoint(5, 5), QPoint(128, 128), QPoint(250, 250) })
        QVERIFY(ExifBuilder::similarColour(icon.pixel(point), colour));
}

void TestThumbLoaderWorker::videosKeepTheirShape_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QSize>("size");

    QTest::newRow("mp4 landscape") << "red.mp4"
                                   << "red"
                                   << "320x240" << QSize(256, 192);
    QTest::newRow("avi portrait") << "blue.avi"
                                  << "blue"
                                  << "240x320" << QSize(192, 256);
    QTest::newRow("mkv wide") << "green.mkv"
                              << "0x00FF00"
                              << "640x360" << QSize(256, 144);
}

void TestThumbLoaderWorker::videosKeepTheirShape()
{
    QFETCH(QString, name);
    QFETCH(QString, colour);
    QFETCH(QString, frame);
    QFETCH(QSize, size);
    if (!MediaMaker::hasFfmpeg())
        QSKIP("the ffmpeg program is not installed");

    const QFileInfo video = makeVideo(name, colour, frame);
    QVERIFY(video.exists());
    ThumbLoaderWorker worker;
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy updates(&worker, &ThumbLoaderWorker::updateIcons);
    const QFileInfo broken(m_dir.createFile("notes.mp4", "no video"));
    bool finished = false;
    const QByteArray output = capturedOutput([&] {
        worker.addFiles({ video, broken }, MovieMode);
        finished = QTest::qWaitFor([&updates] { return !updates.isEmpty(); }, 20000);
    });
    QVERIFY(finished);
    QCOMPARE(output, QByteArray());
    QCOMPARE(iconPaths(icons), QStringList { video.absoluteFilePath() });
    const QImage icon = icons.at(0).at(1).value<QImage>();
    QCOMPARE(icon.size(), size);
    QVERIFY(ExifBuilder::similarColour(
        icon.pixel(size.width() / 2, size.height() / 2), QColor(colour.replace("0x", "#"))));
}

void TestThumbLoaderWorker::otherCategoriesAreDiscarded_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("documents") << int(DocumentsMode);
    QTest::newRow("music") << int(MusicMode);
    QTest::newRow("unknown") << 7;
}

void TestThumbLoaderWorker::otherCategoriesAreDiscarded()
{
    QFETCH(int, mode);
    const QString picture = m_dir.createFile("discarded.png", encoded(filled(40, 40, Qt::red), "PNG"));
    ThumbLoaderWorker worker;
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy updates(&worker, &ThumbLoaderWorker::updateIcons);
    worker.addFiles({ QFileInfo(picture) }, mode);
    QTRY_COMPARE_WITH_TIMEOUT(updates.count(), 1, 10000);
    worker.addFiles({ QFileInfo(picture) }, mode);
    QTRY_COMPARE_WITH_TIMEOUT(updates.count(), 2, 10000);
    QCOMPARE(icons.count(), 0);
    QCOMPARE(updates.count(), 2);
}

void TestThumbLoaderWorker::runsAtLowestPriority()
{
    const QString picture = m_dir.createFile("priority.png", encoded(filled(40, 40, Qt::red), "PNG"));
    ThumbLoaderWorker worker;
    QThread::Priority seen = QThread::InheritPriority;
    connect(
        &worker, &ThumbLoaderWorker::sendIcon, &worker,
        [&seen] { seen = QThread::currentThread()->priority(); }, Qt::DirectConnection);
    QSignalSpy updates(&worker, &ThumbLoaderWorker::updateIcons);
    worker.addFiles({ QFileInfo(picture) }, PicturesMode);
    QTRY_VERIFY_WITH_TIMEOUT(!updates.isEmpty(), 10000);
    QCOMPARE(seen, QThread::LowestPriority);
}

void TestThumbLoaderWorker::stopDropsTheBatch()
{
    const QList<QFileInfo> files = manyPictures("many", 200);

    ThumbLoaderWorker worker;
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy updates(&worker, &ThumbLoaderWorker::updateIcons);
    worker.addFiles(files, PicturesMode);
    QTRY_VERIFY_WITH_TIMEOUT(!icons.isEmpty(), 10000);
    worker.stopProcess();
    QVERIFY(worker.wait(5000));
    const int made = icons.count();
    QVERIFY(made < files.size());
    QCOMPARE(updates.count(), 0);

    // A stopped worker starts again with the next files.
    worker.addFiles(files.mid(0, 2), PicturesMode);
    QTRY_VERIFY_WITH_TIMEOUT(!updates.isEmpty(), 10000);
    QCOMPARE(icons.count(), made + 2);
}

void TestThumbLoaderWorker::switchingCategoryStartsOver()
{
    if (!MediaMaker::hasFfmpeg())
        QSKIP("the ffmpeg program is not installed");
    const QFileInfo video = makeVideo("switch.mp4", "red", "320x240");
    QVERIFY(video.exists());
    const QList<QFileInfo> pictures = manyPictures("switch", 100);

    ThumbLoaderWorker worker;
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy updates(&worker, &ThumbLoaderWorker::updateIcons);
    worker.addFiles(pictures, PicturesMode);
    QTRY_VERIFY_WITH_TIMEOUT(!icons.isEmpty(), 10000);
    // The list model stops the worker and hands it the new category's files
    // without waiting in between.
    worker.stopProcess();
    const int before = icons.count();
    worker.addFiles({ video }, MovieMode);
    QTRY_VERIFY_WITH_TIMEOUT(iconPaths(icons).contains(video.absoluteFilePath()), 20000);
    QVERIFY(worker.isRunning());

    // At most the picture in hand when the stop came may still be handed
    // out; the rest of the old batch is gone.
    const QStringList paths = iconPaths(icons);
    QVERIFY(paths.size() <= before + 2);
    QCOMPARE(paths.last(), video.absoluteFilePath());
    QCOMPARE(icons.last().at(1).value<QImage>().size(), QSize(256, 192));
}

void TestThumbLoaderWorker::destructionStopsAtOnce()
{
    const QList<QFileInfo> files = manyPictures("gone", 200);
    int made = 0;
    {
        ThumbLoaderWorker worker;
        connect(
            &worker, &ThumbLoaderWorker::sendIcon, &worker, [&made] { ++made; }, Qt::DirectConnection);
        worker.addFiles(files, PicturesMode);
        QTRY_VERIFY_WITH_TIMEOUT(made > 0, 10000);
    }
    QVERIFY(made < files.size());
}

QTEST_MAIN(TestThumbLoaderWorker)
#include "tst_thumbloaderworker.moc"
