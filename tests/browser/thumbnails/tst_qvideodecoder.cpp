// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExifBuilder.h"
#include "MediaMaker.h"
#include "OutputCapture.h"
#include "TestDir.h"
#include "browser/thumbnails/helper/QVideoDecoder.h"

#include <QtTest>

namespace { } // namespace

class TestQVideoDecoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstFrame_data();
    void firstFrame();
    void framesAndTimes();
    void noVideo_data();
    void noVideo();
    void reopeningReplacesTheFile();

private:
    QString makeVideo(const QString &name, const QString &source, const QStringList &options);

    TestDir m_dir;
};

void TestQVideoDecoder::initTestCase()
{
    if (!MediaMaker::hasFfmpeg())
        QSKIP("the ffmpeg program is not installed");
}

QString TestQVideoDecoder::makeVideo(const QString &name, const QString &source, const QStringList &options)
{
    const QString path = m_dir.filePath(name);
    if (!QFile::exists(path) && !MediaMaker::makeVideo(path, source, options))
        return QString();
    return path;
}

void TestQVideoDecoder::firstFrame_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("mp4 h264") << "red.mp4"
                              << "color=c=red:s=320x240:d=1" << QStringList { "-c:v", "libx264" }
                              << QSize(320, 240) << QColor(Qt::red);
    QTest::newRow("avi mpeg4") << "blue.avi"
                               << "color=c=blue:s=320x240:d=1" << QStringList { "-c:v", "mpeg4" }
                               << QSize(320, 240) << QColor(Qt::blue);
    QTest::newRow("mkv vp8, portrait") << "green.mkv"
                                       << "color=c=0x00FF00:s=240x320:d=1" << QStringList { "-c:v", "libvpx" }
                                       << QSize(240, 320) << QColor(Qt::green);
    QTest::newRow("mkv with audio first")
        << "audiofirst.mkv"
        << "sine=d=1[out0];color=c=white:s=64x48:d=1[out1]"
        << QStringList { "-c:v", "ffv1", "-c:a", "pcm_s16le" } << QSize(64, 48) << QColor(Qt::white);
}

void TestQVideoDecoder::firstFrame()
{
    QFETCH(QString, name);
    QFETCH(QString, source);
    QFETCH(QStringList, options);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);

    const QString path = makeVideo(name, source, options);
    QVERIFY(!path.isEmpty());
    QVideoDecoder decoder;
    QVERIFY(decoder.openFile(path));
    QVERIFY(decoder.isOk());
    QImage frame;
    QVERIFY(!decoder.getFrame(frame));
    QVERIFY(decoder.seekFrame(1));
    qint64 number = -1;
    qint64 time = -1;
    QVERIFY(decoder.getFrame(frame, &number, &time));
    QCOMPARE(frame.size(), size);
    QCOMPARE(number, 1);
    QCOMPARE(time, 0);
    QVERIFY(ExifBuilder::similarColour(frame.pixel(size.width() / 2, size.height() / 2), colour));
    decoder.close();
    QVERIFY(!decoder.isOk());
    QVERIFY(!decoder.getFrame(frame));

    // A still picture: the same frame, fitted.
    bool cancelled = false;
    QVideoDecoder still;
    still.setStillPicture(100, [&cancelled] { return cancelled; });
    QVERIFY(still.openFile(path));
    QVERIFY(still.seekFrame(1));
    QVERIFY(still.getFrame(frame));
    const QSize fitted = size.scaled(100, 100, Qt::KeepAspectRatio).boundedTo(size);
    QCOMPARE(frame.size(), fitted);
    QVERIFY(ExifBuilder::similarColour(frame.pixel(fitted.width() / 2, fitted.height() / 2), colour));
    // Once cancelled, decoding and even reading the file stop at once.
    cancelled = true;
    QVERIFY(!still.seekNextFrame());
    QVERIFY(!still.openFile(path));
    QVERIFY(!still.isOk());
}

void TestQVideoDecoder::framesAndTimes()
{
    // 25 frames a second: frame n starts at (n - 1) × 40 ms.
    const QString path
        = makeVideo("count.mp4", "testsrc=s=160x120:d=2:r=25", { "-c:v", "libx264", "-g", "10", "-bf", "2" });
    QVERIFY(!path.isEmpty());
    QVideoDecoder decoder;
    QVERIFY(decoder.openFile(path));
    QVERIFY(qAbs(decoder.videoLengthMs() - 2000) <= 40);

    qint64 number = 0;
    qint64 time = 0;
    QImage frame;
    QVERIFY(decoder.seekFrame(5));
    QVERIFY(decoder.getFrame(frame, &number, &time));
    QCOMPARE(number, 5);
    QCOMPARE(time, 160);
    QVERIFY(decoder.seekNextFrame());
    QVERIFY(decoder.getFrame(frame, &number, &time));
    QCOMPARE(number, 6);
    QCOMPARE(time, 200);
    QVERIFY(decoder.seekFrame(2));
    QVERIFY(decoder.getFrame(frame, &number, &time));
    QCOMPARE(number, 2);
    QCOMPARE(time, 40);

    QVERIFY(decoder.seekMs(1000));
    QVERIFY(decoder.getFrame(frame, &number, &time));
    QCOMPARE(time, 1000);
    QCOMPARE(number, 0);
    QVERIFY(decoder.seekFrame(50));
    QVERIFY(!decoder.seekNextFrame());
    QVERIFY(!decoder.seekFrame(51));
}

void TestQVideoDecoder::noVideo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("audio only") << "sound.mp4" << QByteArray();
    QTest::newRow("empty file") << "empty.avi" << QByteArray("");
    QTest::newRow("text") << "notes.mkv" << QByteArray("not a video at all\n");
    QTest::newRow("missing file") << "missing.mp4" << QByteArray();
    QTest::newRow("cut short") << "cut.mp4" << QByteArray("cut");
    QTest::newRow("folder named like a video") << "folder.avi" << QByteArray("folder");
    // Containers of video types only: no picture's format, no playlist
    // that names other files.
    QTest::newRow("picture named like a video")
        << "photo.mkv" << MediaMaker::encoded(MediaMaker::filled(320, 240, Qt::red), "PNG");
    QTest::newRow("playlist named like a video")
        << "list.mp4" << QByteArray("#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:10,\nfile:///etc/hostname\n");
}

void TestQVideoDecoder::noVideo()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    QString path = m_dir.filePath(name);
    if (name == "sound.mp4") {
        path = makeVideo(name, "sine=d=1", { "-c:a", "aac" });
        QVERIFY(!path.isEmpty());
    } else if (content == "cut") {
        const QString whole = makeVideo("whole.mp4", "color=c=red:s=320x240:d=1", { "-c:v", "libx264" });
        QFile file(whole);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!m_dir.createFile(name, file.read(file.size() / 3)).isEmpty());
    } else if (content == "folder") {
        QVERIFY(!m_dir.createFolder(name).isEmpty());
    } else if (!content.isNull()) {
        QVERIFY(!m_dir.createFile(name, content).isEmpty());
    }

    bool found = true;
    const QByteArray output = capturedOutput([&path, &found] {
        QVideoDecoder decoder;
        QImage frame;
        found = decoder.openFile(path) && decoder.seekFrame(1) && decoder.getFrame(frame);
    });
    QVERIFY(!found);
    QCOMPARE(output, QByteArray());
}

void TestQVideoDecoder::reopeningReplacesTheFile()
{
    const QString red = makeVideo("red.mp4", "color=c=red:s=320x240:d=1", { "-c:v", "libx264" });
    const QString blue = makeVideo("blue.avi", "color=c=blue:s=320x240:d=1", { "-c:v", "mpeg4" });
    QVERIFY(!red.isEmpty() && !blue.isEmpty());
    QVideoDecoder decoder;
    QImage frame;
    QVERIFY(decoder.openFile(red) && decoder.seekFrame(3));
    QVERIFY(decoder.openFile(blue) && decoder.seekFrame(1));
    qint64 number = 0;
    QVERIFY(decoder.getFrame(frame, &number));
    QCOMPARE(number, 1);
    QVERIFY(ExifBuilder::similarColour(frame.pixel(10, 10), Qt::blue));
    QVERIFY(!decoder.openFile(m_dir.filePath("missing.avi")));
    QVERIFY(!decoder.getFrame(frame));
}

QTEST_MAIN(TestQVideoDecoder)
#include "tst_qvideodecoder.moc"
