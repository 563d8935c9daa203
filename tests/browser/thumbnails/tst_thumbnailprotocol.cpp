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

#include <memory>
#include <vector>

namespace {

using ThumbnailProtocol::ReplyReader;

QImage icon(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(Qt::green);
    return image;
}

QByteArray reply(const QImage &icon, bool save = false, const QImage &thumbnail = QImage())
{
    return ThumbnailProtocol::encodeReply({ icon, save, thumbnail });
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
    QTest::addColumn<bool>("save");
    QTest::addColumn<QSize>("thumbnailSize");

    const QByteArray greeting = ThumbnailProtocol::greeting();
    const QByteArray wide = reply(icon(256, 64));
    const QByteArray saved = reply(icon(256, 256), true, icon(200, 50));
    // The words of a header: an icon's four, whether to save, a thumbnail's four.
    constexpr int save = 4;
    constexpr int thumbnailWidth = 6;
    QTest::newRow("icon") << greeting + wide << int(ReplyReader::Complete) << QSize(256, 64) << false
                          << QSize();
    QTest::newRow("alpha kept") << greeting + reply(icon(10, 10, QImage::Format_ARGB32))
                                << int(ReplyReader::Complete) << QSize(10, 10) << false << QSize();
    QTest::newRow("none") << greeting + reply(QImage()) << int(ReplyReader::Complete) << QSize() << false
                          << QSize();
    QTest::newRow("icon and thumbnail to save")
        << greeting + saved << int(ReplyReader::Complete) << QSize(256, 256) << true << QSize(200, 50);
    QTest::newRow("failure to save") << greeting + reply(QImage(), true) << int(ReplyReader::Complete)
                                     << QSize() << true << QSize();
    QTest::newRow("greeting alone") << greeting << int(ReplyReader::Incomplete) << QSize() << false
                                    << QSize();
    QTest::newRow("no greeting") << wide << int(ReplyReader::Invalid) << QSize() << false << QSize();
    QTest::newRow("half an icon") << greeting + wide.left(wide.size() / 2) << int(ReplyReader::Incomplete)
                                  << QSize() << false << QSize();
    QTest::newRow("half a thumbnail") << greeting + saved.left(saved.size() - 100)
                                      << int(ReplyReader::Incomplete) << QSize() << false << QSize();
    QTest::newRow("bytes past the end")
        << greeting + wide + 'x' << int(ReplyReader::Invalid) << QSize() << false << QSize();
    QTest::newRow("wider than an icon") << greeting + withHeaderWord(wide, 1, 257)
                                        << int(ReplyReader::Invalid) << QSize() << false << QSize();
    QTest::newRow("thumbnail wider than an icon") << greeting + withHeaderWord(saved, thumbnailWidth, 257)
                                                  << int(ReplyReader::Invalid) << QSize() << false << QSize();
    QTest::newRow("thumbnail not to save") << greeting + withHeaderWord(saved, save, 0)
                                           << int(ReplyReader::Invalid) << QSize() << false << QSize();
    QTest::newRow("neither saved nor not") << greeting + withHeaderWord(wide, save, 2)
                                           << int(ReplyReader::Invalid) << QSize() << false << QSize();
    QTest::newRow("empty") << greeting + withHeaderWord(wide, 2, 0) << int(ReplyReader::Invalid) << QSize()
                           << false << QSize();
    QTest::newRow("unknown pixels") << greeting + withHeaderWord(wide, 3, QImage::Format_Indexed8)
                                    << int(ReplyReader::Invalid) << QSize() << false << QSize();
    QTest::newRow("neither icon nor none")
        << greeting + withHeaderWord(wide, 0, 2) << int(ReplyReader::Invalid) << QSize() << false << QSize();
}

void TestThumbnailProtocol::replies()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QFETCH(QSize, size);
    QFETCH(bool, save);
    QFETCH(QSize, thumbnailSize);
    ReplyReader reader;
    QCOMPARE(int(reader.add(bytes)), status);
    if (status != ReplyReader::Complete)
        return;
    const ThumbnailProtocol::Reply &taken = reader.reply();
    QCOMPARE(taken.icon.isNull() ? QSize() : taken.icon.size(), size);
    QCOMPARE(taken.save, save);
    QCOMPARE(taken.thumbnail.isNull() ? QSize() : taken.thumbnail.size(), thumbnailSize);
}

void TestThumbnailProtocol::repliesComeInPieces()
{
    // Replies in a row, as a helper answers files asked for ahead.
    const QList<ThumbnailProtocol::Reply> sent { { icon(200, 150), true, icon(256, 192) },
        { QImage(), true, QImage() }, { icon(3, 2, QImage::Format_ARGB32), false, QImage() } };
    QByteArray bytes = ThumbnailProtocol::greeting();
    for (const ThumbnailProtocol::Reply &each : sent)
        bytes += ThumbnailProtocol::encodeReply(each);
    ReplyReader reader;
    QList<ThumbnailProtocol::Reply> replies;
    for (int at = 0; at < bytes.size();) {
        int used = 0;
        const auto status = reader.add(bytes.constData() + at, qMin(4093, bytes.size() - at), &used);
        QVERIFY(status != ReplyReader::Invalid);
        if (status == ReplyReader::Complete) {
            replies.append(reader.reply());
            reader.clear();
        }
        at += used;
    }
    QCOMPARE(replies.size(), sent.size());
    for (int index = 0; index < sent.size(); ++index) {
        QCOMPARE(replies.at(index).icon.convertToFormat(QImage::Format_ARGB32),
            sent.at(index).icon.convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(replies.at(index).save, sent.at(index).save);
        QCOMPARE(replies.at(index).thumbnail.convertToFormat(QImage::Format_ARGB32),
            sent.at(index).thumbnail.convertToFormat(QImage::Format_ARGB32));
    }
}

void TestThumbnailProtocol::requestsCarryTheirFile_data()
{
    // Which of the file and its three entries are handed.
    QTest::addColumn<QVector<bool>>("handed");
    QTest::newRow("a file") << QVector<bool> { true, false, false, false };
    QTest::newRow("none: it could not be opened") << QVector<bool> { false, false, false, false };
    QTest::newRow("a file and its entries") << QVector<bool> { true, true, true, true };
    QTest::newRow("a file and some of its entries") << QVector<bool> { true, false, true, false };
}

void TestThumbnailProtocol::requestsCarryTheirFile()
{
    QFETCH(QVector<bool>, handed);
    int ends[2];
    QVERIFY(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) == 0);
    // Four files told apart by their inodes.
    std::vector<std::unique_ptr<QTemporaryFile>> files;
    ThumbnailProtocol::Request sent { 1, QStringLiteral("/media/OPALO/photo.jpg"), QStringLiteral("/cache") };
    int *handedSlots[] = { &sent.descriptor, &sent.entries[0], &sent.entries[1], &sent.entries[2] };
    for (int index = 0; index < 4; ++index) {
        files.push_back(std::make_unique<QTemporaryFile>());
        QVERIFY(files.back()->open());
        *handedSlots[index] = handed.at(index) ? files.back()->handle() : -1;
    }
    // Two in a row: each descriptor goes with its own request.
    QVERIFY(ThumbnailProtocol::sendRequest(ends[0], sent));
    QVERIFY(ThumbnailProtocol::sendRequest(ends[0], sent));
    ::close(ends[0]);
    for (int turn = 0; turn < 2; ++turn) {
        ThumbnailProtocol::Request received;
        QVERIFY(ThumbnailProtocol::readRequest(ends[1], received));
        QCOMPARE(received.path, sent.path);
        QCOMPARE(received.cacheRoot, sent.cacheRoot);
        const int got[]
            = { received.descriptor, received.entries[0], received.entries[1], received.entries[2] };
        for (int index = 0; index < 4; ++index) {
            QCOMPARE(got[index] >= 0, handed.at(index));
            if (got[index] < 0)
                continue;
            struct stat ours {};
            struct stat theirs {};
            QVERIFY(
                ::fstat(files.at(size_t(index))->handle(), &ours) == 0 && ::fstat(got[index], &theirs) == 0);
            QCOMPARE(theirs.st_ino, ours.st_ino);
            QVERIFY(::fcntl(got[index], F_GETFD) & FD_CLOEXEC);
        }
        ThumbnailProtocol::closeDescriptors(received);
    }
    ThumbnailProtocol::Request none;
    QVERIFY(!ThumbnailProtocol::readRequest(ends[1], none));
    ::close(ends[1]);
}

QTEST_MAIN(TestThumbnailProtocol)
#include "tst_thumbnailprotocol.moc"
