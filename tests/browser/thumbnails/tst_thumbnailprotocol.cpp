// SPDX-License-Identifier: GPL-2.0-or-later
// What a thumbnail helper writes is all the program reads of it: anything
// but a greeting and well-formed icons must be refused.
#include "browser/thumbnails/ThumbnailProtocol.h"

#include <QtTest>

namespace {

using ThumbnailProtocol::ReplyReader;

QImage icon(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(Qt::green);
    return image;
}

// A reply whose header says other than what it holds.
QByteArray withHeaderWord(QByteArray reply, int word, quint32 value)
{
    reply.replace(word * 4, 4, reinterpret_cast<const char *>(&value), 4);
    return reply;
}

} // namespace

class TestThumbnailProtocol : public QObject
{
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void repliesComeInPieces();
};

void TestThumbnailProtocol::replies_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    QTest::addColumn<QSize>("size");

    const QByteArray greeting = ThumbnailProtocol::greeting();
    const QByteArray wide = ThumbnailProtocol::encodeReply(icon(256, 64));
    QTest::newRow("icon") << greeting + wide << int(ReplyReader::Complete) << QSize(256, 64);
    QTest::newRow("alpha kept") << greeting
            + ThumbnailProtocol::encodeReply(icon(10, 10, QImage::Format_ARGB32))
                                << int(ReplyReader::Complete) << QSize(10, 10);
    QTest::newRow("none") << greeting + ThumbnailProtocol::encodeReply(QImage()) << int(ReplyReader::Complete)
                          << QSize();
    QTest::newRow("greeting alone") << greeting << int(ReplyReader::Incomplete) << QSize();
    QTest::newRow("no greeting") << wide << int(ReplyReader::Invalid) << QSize();
    QTest::newRow("half an icon") << greeting + wide.left(wide.size() / 2) << int(ReplyReader::Incomplete)
                                  << QSize();
    QTest::newRow("bytes past the end") << greeting + wide + 'x' << int(ReplyReader::Invalid) << QSize();
    QTest::newRow("wider than an icon")
        << greeting + withHeaderWord(wide, 1, 257) << int(ReplyReader::Invalid) << QSize();
    QTest::newRow("empty") << greeting + withHeaderWord(wide, 2, 0) << int(ReplyReader::Invalid) << QSize();
    QTest::newRow("unknown pixels") << greeting + withHeaderWord(wide, 3, QImage::Format_Indexed8)
                                    << int(ReplyReader::Invalid) << QSize();
    QTest::newRow("neither icon nor none")
        << greeting + withHeaderWord(wide, 0, 2) << int(ReplyReader::Invalid) << QSize();
}

void TestThumbnailProtocol::replies()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QSize, size);
    ReplyReader reader;
    QCOMPARE(int(reader.add(bytes)), status);
    if (status == ReplyReader::Complete)
        QCOMPARE(reader.icon().isNull() ? QSize() : reader.icon().size(), size);
}

void TestThumbnailProtocol::repliesComeInPieces()
{
    const QImage sent = icon(200, 150);
    const QByteArray bytes = ThumbnailProtocol::greeting() + ThumbnailProtocol::encodeReply(sent);
    ReplyReader reader;
    QList<QImage> icons;
    for (int at = 0; at < bytes.size(); at += 4093) {
        const auto status = reader.add(bytes.mid(at, 4093));
        QVERIFY(status != ReplyReader::Invalid);
        if (status == ReplyReader::Complete) {
            icons.append(reader.icon());
            reader.clear();
        }
    }
    QCOMPARE(icons.size(), 1);
    QCOMPARE(icons.first(), sent);
}

QTEST_MAIN(TestThumbnailProtocol)
#include "tst_thumbnailprotocol.moc"
