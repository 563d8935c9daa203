// SPDX-License-Identifier: GPL-2.0-or-later
#include "MediaMaker.h"
#include "TestDir.h"
#include "browser/thumbnails/helper/TgaReader.h"

#include <QBuffer>
#include <QtTest>

namespace {

// Four columns and three rows, every pixel a different colour.
QImage distinctPixels()
{
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 + 60 * x, 50 + 80 * y, 255 - 30 * (x + y)));
    }
    return image;
}

QByteArray withSize(QByteArray header, int width, int height)
{
    header[12] = char(width & 0xFF);
    header[13] = char(width >> 8);
    header[14] = char(height & 0xFF);
    header[15] = char(height >> 8);
    return header;
}

} // namespace

class TestTgaReader : public QObject
{
    Q_OBJECT

private slots:
    void readsTrueColour_data();
    void readsTrueColour();
    void refuses_data();
    void refuses();
    void readsFromAFile();
};

void TestTgaReader::readsTrueColour_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("descriptor");
    QTest::addColumn<QByteArray>("imageId");

    QTest::newRow("24 bits, bottom to top") << 24 << 0x00 << QByteArray();
    QTest::newRow("24 bits, top to bottom") << 24 << 0x20 << QByteArray();
    QTest::newRow("32 bits, bottom to top") << 32 << 0x08 << QByteArray();
    QTest::newRow("32 bits, top to bottom") << 32 << 0x28 << QByteArray();
    QTest::newRow("right to left") << 24 << 0x30 << QByteArray();
    QTest::newRow("with an image ID") << 24 << 0x20 << QByteArray("camera 7");
}

void TestTgaReader::readsTrueColour()
{
    QFETCH(int, depth);
    QFETCH(int, descriptor);
    QFETCH(QByteArray, imageId);

    QByteArray bytes = MediaMaker::tga(distinctPixels(), depth, quint8(descriptor), 2, imageId);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImage image;
    QVERIFY(TgaReader::read(image, &buffer));
    QCOMPARE(image.size(), QSize(4, 3));
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), distinctPixels());
}

void TestTgaReader::refuses_data()
{
    QTest::addColumn<QByteArray>("file");
    // How far the reader may read before it gives up: a header that cannot
    // be honoured stops it before any pixel is read or allocated.
    QTest::addColumn<int>("readLimit");

    const QByteArray good = MediaMaker::tga(distinctPixels());
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("header cut short") << good.left(17) << 17;
    QTest::newRow("run-length encoded (type 10)") << MediaMaker::tga(distinctPixels(), 24, 0x20, 10) << 18;
    QTest::newRow("colour-mapped (type 1)") << MediaMaker::tga(distinctPixels(), 24, 0x20, 1) << 18;
    QTest::newRow("16 bits") << MediaMaker::tga(distinctPixels(), 16) << 18;
    QByteArray colourMap = good;
    colourMap[5] = '\x01';
    QTest::newRow("colour-map length") << colourMap << 18;
    QTest::newRow("one byte missing") << good.left(good.size() - 1) << 18;
    QTest::newRow("65535 x 65535 in a small file") << withSize(good, 65535, 65535) << 18;
    QTest::newRow("65535 x 65535 with a long ID") << withSize(good, 65535, 65535).replace(0, 1, "\xFF") << 18;
}

void TestTgaReader::refuses()
{
    QFETCH(QByteArray, file);
    QFETCH(int, readLimit);

    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImage image;
    QVERIFY(!TgaReader::read(image, &buffer));
    QVERIFY(image.isNull());
    QVERIFY(buffer.pos() <= readLimit);
}

void TestTgaReader::readsFromAFile()
{
    TestDir dir;
    QImage image;
    QVERIFY(
        TgaReader::read(image, dir.createFile("picture.tga", MediaMaker::tga(distinctPixels(), 32, 0x28))));
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), distinctPixels());
    QVERIFY(!TgaReader::read(image, dir.filePath("missing.tga")));
    // A folder where the file should be.
    QVERIFY(!TgaReader::read(image, dir.createFolder("folder.tga")));

    QByteArray empty = MediaMaker::tga(distinctPixels()).left(18);
    QVERIFY(TgaReader::read(image, dir.createFile("flat.tga", withSize(empty, 4, 0))));
    QVERIFY(image.isNull());
}

QTEST_MAIN(TestTgaReader)
#include "tst_tgareader.moc"
