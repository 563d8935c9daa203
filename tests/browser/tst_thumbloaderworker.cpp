// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExifBuilder.h"
#include "MediaMaker.h"
#include "OutputCapture.h"
#include "TestDir.h"
#include "browser/BrowserMode.h"
#include "browser/ThumbLoaderWorker.h"

#include <QImageReader>
#include <QSignalSpy>
#include <QtTest>

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

    const bool qtReadsTga = QImageReader::supportedImageFormats().contains("tga");
    const QByteArray tga = MediaMaker::tga(filled(40, 20, Qt::green));
    QTest::newRow("wide PNG") << "wide.png" << encoded(filled(400, 100, Qt::red), "PNG") << QSize(256, 64);
    QTest::newRow("tall PNG") << "tall.png" << encoded(filled(100, 400, Qt::red), "PNG") << QSize(64, 256);
    QTest::newRow("square JPEG") << "square.jpg" << encoded(filled(300, 300, Qt::red), "JPG")
                                 << QSize(256, 256);
    QTest::newRow("sliver keeps one row")
        << "sliver.png" << encoded(filled(2000, 3, Qt::red), "PNG") << QSize(256, 1);
    QTest::newRow(".tga by our reader, into 64") << "small.tga" << tga << QSize(64, 32);
    QTest::newRow(".TGA by the image reader")
        << "small.TGA" << tga << (qtReadsTga ? QSize(256, 128) : QSize());
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
