// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookmarkStores.h"
#include "PaneTestHome.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"
#include "bookmarks/IBrowser.h"
#include "browser/panes/BookmarkReloadHook.h"
#include "engine/TL09Engine.h"

#include "bookmarks/Chrome.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>
#include <thread>

using namespace BookmarkStores;

namespace {

// Time enough for a slow machine to collect a small device, which takes
// milliseconds; what a hostile file did (read gigabytes, or wait for a
// writer for ever) takes longer.
const int collectionDeadlineMs = 5000;
// How long a test holds the engine's thread at most.
const int holdMs = 30000;

// A file of folders nested levels deep in the bookmark bar.
QByteArray nestedFile(int levels)
{
    const QByteArray open = "{\"type\":\"folder\",\"name\":\"deep\",\"children\":[";
    return "{\"roots\":{\"bookmark_bar\":" + open.repeated(levels) + QByteArray("]}").repeated(levels)
        + ",\"other\":{\"type\":\"folder\",\"name\":\"o\",\"children\":[]}},\"version\":1}";
}

// Puts what a hostile device carries in its Chromium folder, in place of or
// beside a good Bookmarks file; pcFolder holds the PC's own Chromium file.
bool plantOnDevice(const QString &kind, const QString &deviceFolder, const QString &pcFolder)
{
    const QString bookmarks = deviceFolder + QStringLiteral("Bookmarks");
    if (kind == QLatin1String("FIFO"))
        return QFile::remove(bookmarks) && ::mkfifo(QFile::encodeName(bookmarks).constData(), 0666) == 0;
    if (kind == QLatin1String("link to /dev/zero"))
        return QFile::remove(bookmarks) && QFile::link(QStringLiteral("/dev/zero"), bookmarks);
    if (kind == QLatin1String("link named Bookmarks"))
        return QFile::remove(bookmarks) && QFile::link(pcFolder + QStringLiteral("Bookmarks"), bookmarks);
    if (kind == QLatin1String("link named Bookmarks.bak"))
        return QFile::link(pcFolder + QStringLiteral("Bookmarks"), bookmarks + QStringLiteral(".bak"));
    if (kind == QLatin1String("linked profile folder")) {
        const QString folder = QDir::cleanPath(deviceFolder);
        return QDir(folder).removeRecursively() && QFile::link(QDir::cleanPath(pcFolder), folder);
    }
    if (kind == QLatin1String("10,000 folders deep"))
        return !writeChromeFile(1, nestedFile(10000)).isEmpty();
    QJsonObject file = currentChromeFile();
    file.insert(QStringLiteral("version"), 2);
    return !writeChromeFile(1, QJsonDocument(file).toJson()).isEmpty();
}

} // namespace

class TestEngineBookmarks : public QObject
{
    Q_OBJECT

private slots:
    // Whatever runs on this machine, the tests decide which browser runs.
    void init() { IBrowser::setProcessProbe(nothingRuns); }
    void collectionReloadsBothModels();
    void refreshAfterCopyLeavesThem();
    void hooksLeaveWithTheirModels();
    void hostileDeviceFiles_data();
    void hostileDeviceFiles();
    void modelDeletedDuringReload();
};

void TestEngineBookmarks::collectionReloadsBothModels()
{
    PaneTestHome home;
    writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    BookmarkTreeModel host(0);
    BookmarkTreeModel device(1);
    new BookmarkReloadHook(&host, &home.engine());
    new BookmarkReloadHook(&device, &home.engine());
    QStringList order;
    connect(
        &host, &BookmarkTreeModel::hostDeviceBookmarksLoaded, [&order] { order << QStringLiteral("host"); });
    connect(&device, &BookmarkTreeModel::extDeviceBookmarksLoaded,
        [&order] { order << QStringLiteral("device"); });
    TL09Engine *engine = &home.engine();
    connect(engine, &TL09Engine::dataCollectionFinished, &host,
        [&order] { order << QStringLiteral("finished"); });
    engine->startDataCollection();
    // The spy of the engine's thread would count the signal before the
    // window's thread has seen it: wait for what the models were told.
    QTRY_COMPARE(order,
        (QStringList { QStringLiteral("host"), QStringLiteral("device"), QStringLiteral("finished") }));
    QCOMPARE(host.headerItem()->child(0)->childCount(), 3);
    QCOMPARE(device.headerItem()->child(0)->childCount(), 3);
}

void TestEngineBookmarks::refreshAfterCopyLeavesThem()
{
    PaneTestHome home;
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    BookmarkTreeModel device(1);
    new BookmarkReloadHook(&device, &home.engine());
    QSignalSpy loaded(&device, &BookmarkTreeModel::extDeviceBookmarksLoaded);
    TL09Engine *engine = &home.engine();
    engine->startRefreshAfterCopy();
    QVERIFY(engine->wait(10000));
    QCoreApplication::processEvents();
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(device.headerItem()->child(0)->childCount(), 0);
}

void TestEngineBookmarks::hooksLeaveWithTheirModels()
{
    PaneTestHome home;
    TL09Engine *engine = &home.engine();
    {
        BookmarkTreeModel host(0);
        BookmarkTreeModel device(1);
        auto *hostHook = new BookmarkReloadHook(&host, engine);
        auto *deviceHook = new BookmarkReloadHook(&device, engine);
        QCOMPARE(engine->hostBookmarkModel(), hostHook);
        QCOMPARE(engine->deviceBookmarkModel(), deviceHook);
    }
    QCOMPARE(engine->hostBookmarkModel(), nullptr);
    QCOMPARE(engine->deviceBookmarkModel(), nullptr);
}

void TestEngineBookmarks::hostileDeviceFiles_data()
{
    QTest::addColumn<QString>("kind");
    // Whether the device's file takes the copy made after connecting.
    QTest::addColumn<bool>("deviceWritten");
    QTest::newRow("FIFO") << QStringLiteral("FIFO") << false;
    QTest::newRow("link to /dev/zero") << QStringLiteral("link to /dev/zero") << false;
    QTest::newRow("link named Bookmarks") << QStringLiteral("link named Bookmarks") << false;
    QTest::newRow("link named Bookmarks.bak") << QStringLiteral("link named Bookmarks.bak") << true;
    QTest::newRow("linked profile folder") << QStringLiteral("linked profile folder") << false;
    QTest::newRow("10,000 folders deep") << QStringLiteral("10,000 folders deep") << false;
    QTest::newRow("version 2") << QStringLiteral("version 2") << false;
}

void TestEngineBookmarks::hostileDeviceFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, deviceWritten);
    PaneTestHome home;
    const QString pcFile = writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
    QVERIFY(QFile::setPermissions(pcFile, QFile::ReadOwner | QFile::WriteOwner));
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    QVERIFY(plantOnDevice(kind, Chrome::bookmarksDir(1), Chrome::bookmarksDir(0)));
    const QStringList pcBefore = treeState(home.homePath());
    const QStringList deviceBefore = treeState(home.devicePath());

    BookmarkTreeModel host(0);
    BookmarkTreeModel device(1);
    new BookmarkReloadHook(&host, &home.engine());
    new BookmarkReloadHook(&device, &home.engine());
    TL09Engine *engine = &home.engine();
    QSignalSpy finished(engine, &TL09Engine::dataCollectionFinished);
    engine->startDataCollection();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, collectionDeadlineMs);
    // What the user would do next: copy a PC folder to the device's first.
    BookmarkItem *deviceRow = device.headerItem()->child(0);
    if (BookmarkItem *target = deviceRow->child(0))
        device.copyItem(host.headerItem()->child(0)->child(0), target);
    QCOMPARE(device.save(), deviceWritten || deviceRow->childCount() == 0);

    QCOMPARE(treeState(home.homePath()), pcBefore);
    if (!deviceWritten)
        QCOMPARE(treeState(home.devicePath()), deviceBefore);
    else
        QVERIFY(QFileInfo(Chrome::bookmarksDir(1) + QStringLiteral("Bookmarks.bak")).isFile());
}

void TestEngineBookmarks::modelDeletedDuringReload()
{
    PaneTestHome home;
    writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
    // The reload on the engine's thread is held where it asks whether a
    // browser runs, longer than the window waits for the engine.
    QSemaphore asked;
    QSemaphore answer;
    IBrowser::setProcessProbe([&asked, &answer](const QString &) {
        asked.release();
        answer.tryAcquire(1, holdMs);
        return false;
    });
    auto *host = new BookmarkTreeModel(0);
    new BookmarkReloadHook(host, &home.engine());
    QSignalSpy loaded(host, &BookmarkTreeModel::hostDeviceBookmarksLoaded);
    TL09Engine *engine = &home.engine();
    engine->startDataCollection();
    QVERIFY(asked.tryAcquire(1, holdMs));
    std::thread answering([&answer] {
        QThread::msleep(200);
        answer.release(100);
    });
    delete host;
    answering.join();
    QVERIFY(engine->wait(holdMs));
    // The trees read for the model went with it.
    QCoreApplication::processEvents();
    QCOMPARE(loaded.count(), 0);
    IBrowser::setProcessProbe(nothingRuns);
}

QTEST_MAIN(TestEngineBookmarks)
#include "tst_enginebookmarks.moc"
