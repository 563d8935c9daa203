// SPDX-License-Identifier: GPL-2.0-or-later
// What a thumbnail helper writes is all the program reads of it: anything
// but a greeting and well-formed icons must be refused.
#include "browser/thumbnails/ThumbnailProtocol.h"

#include <QTemporaryFile>
#include <QtTest>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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
    void requestsCarryTheirFile_data();
    void requestsCarryTheirFile();
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
    // Two replies in a row, as a helper answers files asked for ahead.
    const QList<QImage> sent { icon(200, 150), QImage(), icon(3, 2, QImage::Format_ARGB32) };
    QByteArray bytes = ThumbnailProtocol::greeting();
    for (const QImage &image : sent)
        bytes += ThumbnailProtocol::encodeReply(image);
    ReplyReader reader;
    QList<QImage> icons;
    for (int at = 0; at < bytes.size();) {
        int used = 0;
        const auto status = reader.add(bytes.constData() + at, qMin(4093, bytes.size() - at), &used);
        QVERIFY(status != ReplyReader::Invalid);
        if (status == ReplyReader::Complete) {
            icons.append(reader.icon());
            reader.clear();
        }
        at += used;
    }
    QCOMPARE(icons.size(), sent.size());
    for (int index = 0; index < sent.size(); ++index)
        QCOMPARE(icons.at(index).convertToFormat(QImage::Format_ARGB32),
            sent.at(index).convertToFormat(QImage::Format_ARGB32));
}

void TestThumbnailProtocol::requestsCarryTheirFile_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::newRow("a file") << true;
    QTest::newRow("none: it could not be opened") << false;
}

void TestThumbnailProtocol::requestsCarryTheirFile()
{
    QFETCH(bool, withFile);
    int ends[2];
    QVERIFY(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) == 0);
    QTemporaryFile file;
    QVERIFY(file.open());
    ThumbnailProtocol::Request sent { 1, QStringLiteral("/media/OPALO/photo.jpg"), QStringLiteral("/cache"),
        withFile ? file.handle() : -1 };
    // Two in a row: each descriptor goes with its own request.
    QVERIFY(ThumbnailProtocol::sendRequest(ends[0], sent));
    QVERIFY(ThumbnailProtocol::sendRequest(ends[0], sent));
    ::close(ends[0]);
    for (int turn = 0; turn < 2; ++turn) {
        ThumbnailProtocol::Request received;
        QVERIFY(ThumbnailProtocol::readRequest(ends[1], received));
        QCOMPARE(received.path, sent.path);
        QCOMPARE(received.cacheRoot, sent.cacheRoot);
        QCOMPARE(received.descriptor >= 0, withFile);
        if (!withFile)
            continue;
        struct stat ours {};
        struct stat theirs {};
        QVERIFY(::fstat(file.handle(), &ours) == 0 && ::fstat(received.descriptor, &theirs) == 0);
        QCOMPARE(theirs.st_ino, ours.st_ino);
        QVERIFY(::fcntl(received.descriptor, F_GETFD) & FD_CLOEXEC);
        ::close(received.descriptor);
    }
    ThumbnailProtocol::Request none;
    QVERIFY(!ThumbnailProtocol::readRequest(ends[1], none));
    ::close(ends[1]);
}

QTEST_MAIN(TestThumbnailProtocol)
#include "tst_thumbnailprotocol.moc"
