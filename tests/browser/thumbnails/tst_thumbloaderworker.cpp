// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExifBuilder.h"
#include "ManualDispatcher.h"
#include "MediaMaker.h"
#include "OutputCapture.h"
#include "TestDir.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A red photo carrying a blue embedded thumbnail.
QByteArray photoWithBlueThumbnail()
{
    ExifBuilder builder(true);
    builder.setThumbnail(ExifBuilder::encodeJpeg(MediaMaker::filled(160, 120, Qt::blue)));
    return ExifBuilder::jpeg(builder.tiff(), MediaMaker::filled(640, 480, Qt::red));
}

QStringList iconPaths(const QSignalSpy &spy)
{
    QStringList paths;
    for (const QList<QVariant> &arguments : spy)
        paths.append(arguments.at(0).toString());
    return paths;
}

QList<QFileInfo> infos(const QStringList &paths)
{
    QList<QFileInfo> files;
    for (const QString &path : paths)
        files.append(QFileInfo(path));
    return files;
}

QStringList names(const QString &prefix, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(QStringLiteral("/pictures/%1%2.png").arg(prefix).arg(i, 2, 10, QLatin1Char('0')));
    return paths;
}

} // namespace

class TestThumbLoaderWorker : public QObject
{
    Q_OBJECT

private slots:
    void filesInViewGoFirstNewestRequestFirst();
    void iconsOutOfViewAreToldWhenTheirRowsComeIntoView();
    void withoutAViewEveryIconIsTold();
    void lateIconsAreDropped_data();
    void lateIconsAreDropped();
    void failedFilesAreNotAskedForAgain();
    void iconsPastTheBoundAreMadeAgainInView();
    void otherCategoriesAskForNothing();

    void picturesBecomeStretchedIcons_data();
    void picturesBecomeStretchedIcons();
    void videosKeepTheirShape_data();
    void videosKeepTheirShape();

private:
    TestDir m_dir;
};

void TestThumbLoaderWorker::filesInViewGoFirstNewestRequestFirst()
{
    ManualDispatcher helpers;
    ThumbLoaderWorker worker(&helpers);
    const QStringList files = names("p", 30);
    worker.addFiles(infos(files), PicturesMode);
    QCOMPARE(helpers.take(1), files.mid(0, 1));

    // A view shows the last rows, then is scrolled to the middle.
    worker.setVisibleFiles(files.mid(26));
    worker.setVisibleFiles(files.mid(12, 3));
    const QStringList order = helpers.take();
    QCOMPARE(order.mid(0, 7), files.mid(12, 3) + files.mid(26));
    QCOMPARE(order.size(), files.size() - 1);
    QVERIFY(helpers.wakes() > 0);
}

void TestThumbLoaderWorker::iconsOutOfViewAreToldWhenTheirRowsComeIntoView()
{
    ManualDispatcher helpers;
    ThumbLoaderWorker worker(&helpers);
    QSignalSpy told(&worker, &ThumbLoaderWorker::sendIcon);
    worker.addFiles(infos({ "/p/shown.png", "/p/below.png" }), PicturesMode);
    worker.setVisibleFiles({ "/p/shown.png" });
    helpers.finish(helpers.take());
    QCOMPARE(iconPaths(told), QStringList { "/p/shown.png" });
    QCOMPARE(worker.state("/p/shown.png"), ThumbnailState::Shown);
    QCOMPARE(worker.state("/p/below.png"), ThumbnailState::Cached);
    QVERIFY(!worker.thumbnail("/p/below.png").isNull());

    worker.setVisibleFiles({ "/p/below.png" });
    QCOMPARE(iconPaths(told), (QStringList { "/p/shown.png", "/p/below.png" }));
    QCOMPARE(worker.state("/p/below.png"), ThumbnailState::Shown);
}

void TestThumbLoaderWorker::withoutAViewEveryIconIsTold()
{
    ManualDispatcher helpers;
    ThumbLoaderWorker worker(&helpers);
    QSignalSpy told(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy done(&worker, &ThumbLoaderWorker::updateIcons);
    worker.addFiles(infos(names("p", 3)), MovieMode);
    helpers.finish(helpers.take());
    QCOMPARE(iconPaths(told), names("p", 3));
    QCOMPARE(done.count(), 1);
}

void TestThumbLoaderWorker::lateIconsAreDropped_data()
{
    QTest::addColumn<bool>("stopped");
    QTest::newRow("its row went") << false;
    QTest::newRow("the list stopped") << true;
}

void TestThumbLoaderWorker::lateIconsAreDropped()
{
    QFETCH(bool, stopped);
    ManualDispatcher helpers;
    ThumbLoaderWorker worker(&helpers);
    QSignalSpy told(&worker, &ThumbLoaderWorker::sendIcon);
    worker.addFiles(infos({ "/p/a.png" }), PicturesMode);
    QCOMPARE(helpers.take(), QStringList { "/p/a.png" });
    QCOMPARE(worker.state("/p/a.png"), ThumbnailState::InFlight);
    if (stopped)
        worker.stopProcess();
    else
        worker.forget("/p/a.png");
    QCOMPARE(helpers.cancels(), stopped ? 1 : 0);

    helpers.finish({ "/p/a.png" });
    QCOMPARE(worker.state("/p/a.png"), ThumbnailState::Unknown);
    QVERIFY(worker.thumbnail("/p/a.png").isNull());
    QCOMPARE(told.count(), 0);
}

void TestThumbLoaderWorker::failedFilesAreNotAskedForAgain()
{
    ManualDispatcher helpers;
    ThumbLoaderWorker worker(&helpers);
    worker.addFiles(infos({ "/p/broken.png" }), PicturesMode);
    helpers.finish(helpers.take(), QColor());
    QCOMPARE(worker.state("/p/broken.png"), ThumbnailState::Failed);
    worker.addFiles(infos({ "/p/broken.png" }), PicturesMode);
    worker.setVisibleFiles({ "/p/broken.png" });
    QCOMPARE(helpers.take(), QStringList());

    // Until the list starts over.
    worker.stopProcess();
    worker.addFiles(infos({ "/p/broken.png" }), PicturesMode);
    QCOMPARE(helpers.take(), QStringList { "/p/broken.png" });
}

void TestThumbLoaderWorker::iconsPastTheBoundAreMadeAgainInView()
{
    ManualDispatcher helpers;
    ThumbLoaderWorker worker(&helpers);
    const qint64 iconBytes = qint64(ThumbLoaderWorker::iconEdge) * ThumbLoaderWorker::iconEdge * 4;
    worker.setMemoryLimit(3 * iconBytes);
    const QStringList files = names("p", 6);
    worker.setVisibleFiles(files.mid(5));
    worker.addFiles(infos(files), PicturesMode);
    helpers.finish(helpers.take());
    QCOMPARE(worker.memoryUsed(), 3 * iconBytes);
    // The row in view keeps its icon, however old; the oldest others went.
    QCOMPARE(worker.state(files[5]), ThumbnailState::Shown);
    QCOMPARE(worker.state(files[0]), ThumbnailState::Unknown);
    QCOMPARE(worker.state(files[4]), ThumbnailState::Cached);

    worker.setVisibleFiles(files.mid(0, 1));
    QCOMPARE(helpers.take(), files.mid(0, 1));
}

void TestThumbLoaderWorker::otherCategoriesAskForNothing()
{
    ManualDispatcher helpers;
    ThumbLoaderWorker worker(&helpers);
    QSignalSpy done(&worker, &ThumbLoaderWorker::updateIcons);
    for (const int mode : { int(DocumentsMode), 7 })
        worker.addFiles(infos({ "/p/a.png" }), mode);
    worker.setVisibleFiles({ "/p/a.png" });
    QCOMPARE(helpers.take(), QStringList());
    QTRY_COMPARE(done.count(), 2);
}

void TestThumbLoaderWorker::picturesBecomeStretchedIcons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("embedded thumbnail wins") << "photo.jpg" << photoWithBlueThumbnail() << QColor(Qt::blue);
    QTest::newRow("wide PNG") << "wide.png"
                              << MediaMaker::encoded(MediaMaker::filled(400, 100, Qt::red), "PNG")
                              << QColor(Qt::red);
    QTest::newRow("Targa") << "green.tga" << MediaMaker::tga(MediaMaker::filled(40, 20, Qt::green))
                           << QColor(Qt::green);
}

void TestThumbLoaderWorker::picturesBecomeStretchedIcons()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QColor, colour);

    const QString path = m_dir.createFile(name, content);
    const QString unreadable = m_dir.createFile("unreadable-" + name, "junk");
    ThumbLoaderWorker worker;
    worker.setDesktopCache(QString());
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy updates(&worker, &ThumbLoaderWorker::updateIcons);
    bool finished = false;
    const QByteArray output = capturedOutput([&] {
        worker.addFiles(infos({ unreadable, path }), PicturesMode);
        finished = QTest::qWaitFor([&updates] { return !updates.isEmpty(); }, 10000);
    });
    QVERIFY(finished);
    QCOMPARE(output, QByteArray());

    QCOMPARE(iconPaths(icons), QStringList { path });
    QCOMPARE(worker.state(unreadable), ThumbnailState::Failed);
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

    const QString video = m_dir.filePath(name);
    const QString codec = name.endsWith(".avi") ? "mpeg4" : "libx264";
    QVERIFY(
        MediaMaker::makeVideo(video, QString("color=c=%1:s=%2:d=1").arg(colour, frame), { "-c:v", codec }));
    const QString broken = m_dir.createFile("notes.mp4", "no video");
    ThumbLoaderWorker worker;
    worker.setDesktopCache(QString());
    QSignalSpy icons(&worker, &ThumbLoaderWorker::sendIcon);
    QSignalSpy updates(&worker, &ThumbLoaderWorker::updateIcons);
    worker.addFiles(infos({ video, broken }), MovieMode);
    QVERIFY(QTest::qWaitFor([&updates] { return !updates.isEmpty(); }, 20000));
    QCOMPARE(iconPaths(icons), QStringList { video });
    const QImage icon = icons.at(0).at(1).value<QImage>();
    QCOMPARE(icon.size(), size);
    QVERIFY(ExifBuilder::similarColour(
        icon.pixel(size.width() / 2, size.height() / 2), QColor(colour.replace("0x", "#"))));
}

QTEST_MAIN(TestThumbLoaderWorker)
#include "tst_thumbloaderworker.moc"
