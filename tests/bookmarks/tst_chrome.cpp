// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookmarkStores.h"
#include "PaneTestHome.h"
#include "TmpfsMount.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/Chrome.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>
#include <QUuid>

#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace BookmarkStores;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject rootNode(const QJsonObject &file, const char *key)
{
    return file.value(QStringLiteral("roots")).toObject().value(QLatin1String(key)).toObject();
}

QJsonArray childNodes(const QJsonObject &node)
{
    return node.value(QStringLiteral("children")).toArray();
}

QByteArray fileWith(const QJsonObject &roots, const QJsonValue &version = 1)
{
    return QJsonDocument(
        QJsonObject { { QStringLiteral("roots"), roots }, { QStringLiteral("version"), version } })
        .toJson();
}

BookmarkItem *addBookmark(BookmarkItem *parent, const QString &title, const QString &url)
{
    auto *item = new BookmarkItem({ title, url, UrlItem, -1, false, true });
    parent->appendChild(item);
    return item;
}

void collectIds(const BookmarkItem *item, QMultiHash<QString, qint64> *ids)
{
    for (const BookmarkItem *child : item->children()) {
        ids->insert(child->title(), child->storedId());
        collectIds(child, ids);
    }
}

// A program of its own name: a copy of sleep named so.
QString namedProgram(const QString &folder, const QString &name)
{
    const QString program = folder + QLatin1Char('/') + name;
    if (!QFile::exists(program) && !QFile::copy(QStringLiteral("/bin/sleep"), program))
        return QString();
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    return program;
}

// Asked of another tool: the test's own name holds "chrome".
bool realChromeRuns()
{
    return QProcess::execute(
               QStringLiteral("pgrep"), { QStringLiteral("-x"), QStringLiteral("chrome|chromium") })
        == 0;
}

std::unique_ptr<QProcess> runNamed(const QString &folder, const QString &name)
{
    const QString program = namedProgram(folder, name);
    if (program.isEmpty())
        return nullptr;
    auto process = std::make_unique<QProcess>();
    process->start(program, { QStringLiteral("60") });
    if (!process->waitForStarted())
        return nullptr;
    return process;
}

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryRoot();
    void roundTripKeepsEverything();
    void unparsableFileUntouched_data();
    void unparsableFileUntouched();
    void missingRootsAdded();
    void idsKeepTheirType_data();
    void idsKeepTheirType();
    void newNodeHasIdentity();
    void nodeWithoutIdNumbered();
    void previousFileKept();
    void fullDeviceKeepsFile();
    void deviceFileWritableByAll();
    void googleChromeFirst();
    void runningChromium();
    void runningNamesMatchedWhole();
    void writableFile();
    void idsNeitherVanishNorWrap_data();
    void idsNeitherVanishNorWrap();
    void unknownNodesKept();
    void otherFormsShownNotWritten_data();
    void otherFormsShownNotWritten();
};

void TestChrome::readsEveryRoot()
{
    PaneTestHome home;
    writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
    Chrome chrome(0);
    chrome.loadBookmarks();
    QVERIFY(chrome.isLoaded());
    const BookmarkItem *root = chrome.root();
    QCOMPARE(root->title(), QStringLiteral("Chrome"));
    QCOMPARE(root->childCount(), 3);
    const BookmarkItem *bar = root->child(0);
    QCOMPARE(bar->title(), QStringLiteral("Bookmarks bar"));
    QVERIFY(!bar->isRemovable());
    QCOMPARE(bar->id().toInt(), 1);
    QCOMPARE(root->child(2)->title(), QStringLiteral("Mobile bookmarks"));
    const BookmarkItem *linux = bar->child(0);
    QCOMPARE(linux->type(), int(FolderItem));
    QVERIFY(linux->isRenamable() && linux->isRemovable());
    QCOMPARE(linux->child(1)->url(), QStringLiteral("https://www.kernel.org/"));
    QCOMPARE(linux->child(1)->id().toInt(), 6);
    QCOMPARE(bar->child(1)->title(), QStringLiteral("Ünïcode ✓"));
    QCOMPARE(chrome.lastId(), 7);
}

void TestChrome::roundTripKeepsEverything()
{
    PaneTestHome home;
    const QJsonObject original = currentChromeFile();
    const QString path = writeChromeFile(0, QJsonDocument(original).toJson());
    Chrome chrome(0);
    chrome.loadBookmarks();
    chrome.saveBookmarks();
    QJsonObject expected = original;
    expected.remove(QStringLiteral("checksum"));
    QCOMPARE(readJson(path), expected);
}

void TestChrome::unparsableFileUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("cut short") << QJsonDocument(currentChromeFile()).toJson().left(200);
    QTest::newRow("not an object") << QByteArray("[1, 2, 3]");
    QTest::newRow("empty") << QByteArray();
}

void TestChrome::unparsableFileUntouched()
{
    QFETCH(QByteArray, content);
    PaneTestHome home;
    const QString path = writeChromeFile(1, content);
    Chrome chrome(1);
    chrome.loadBookmarks();
    QVERIFY(!chrome.isLoaded());
    addBookmark(chrome.root(), QStringLiteral("lost"), QStringLiteral("https://lost.example/"));
    chrome.saveBookmarks();
    QCOMPARE(fileBytes(path), content);
    QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
}

void TestChrome::missingRootsAdded()
{
    PaneTestHome home;
    // As older writers left it: only the bar and "other", numeric ids.
    const QString path = writeChromeFile(1,
        fileWith({ { QStringLiteral("bookmark_bar"), chromeNode(1, QStringLiteral("Bar")) },
            { QStringLiteral("other"), chromeNode(2, QStringLiteral("Other")) } }));
    Chrome chrome(1);
    chrome.loadBookmarks();
    BookmarkItem *added
        = addBookmark(chrome.root()->child(0), QStringLiteral("New"), QStringLiteral("https://new.example/"));
    chrome.saveBookmarks();
    QCOMPARE(added->id().toInt(), 3);
    const QJsonObject written = readJson(path);
    const QJsonObject synced = rootNode(written, "synced");
    QCOMPARE(synced.value(QStringLiteral("name")).toString(), QStringLiteral("Mobile bookmarks"));
    QCOMPARE(synced.value(QStringLiteral("type")).toString(), QStringLiteral("folder"));
    QVERIFY(childNodes(synced).isEmpty());
    QCOMPARE(synced.value(QStringLiteral("id")).toInt(), 4);
    QCOMPARE(childNodes(rootNode(written, "bookmark_bar"))
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("name"))
                 .toString(),
        QStringLiteral("New"));
}

void TestChrome::idsKeepTheirType_data()
{
    QTest::addColumn<bool>("text");
    QTest::newRow("text ids stay text") << true;
    QTest::newRow("numbers stay numbers") << false;
}

void TestChrome::idsKeepTheirType()
{
    QFETCH(bool, text);
    PaneTestHome home;
    const auto id
        = [text](int value) { return text ? QJsonValue(QString::number(value)) : QJsonValue(value); };
    QJsonObject bar = chromeNode(1, QStringLiteral("Bar"));
    QJsonObject old = chromeNode(7, QStringLiteral("Old"), QStringLiteral("https://old.example/"));
    bar.insert(QStringLiteral("id"), id(1));
    old.insert(QStringLiteral("id"), id(7));
    QJsonObject other = chromeNode(2, QStringLiteral("Other"));
    other.insert(QStringLiteral("id"), id(2));
    const QString path = writeChromeFile(0,
        fileWith({ { QStringLiteral("bookmark_bar"), withChildren(bar, { old }) },
                     { QStringLiteral("other"), other } },
            text ? QJsonValue(QStringLiteral("1")) : QJsonValue(1)));
    Chrome chrome(0);
    chrome.loadBookmarks();
    QCOMPARE(chrome.root()->child(0)->child(0)->id().toInt(), 7);
    addBookmark(chrome.root()->child(0), QStringLiteral("New"), QStringLiteral("https://new.example/"));
    chrome.saveBookmarks();
    const QJsonArray written = childNodes(rootNode(readJson(path), "bookmark_bar"));
    QCOMPARE(written.at(0).toObject().value(QStringLiteral("id")), id(7));
    QCOMPARE(written.at(1).toObject().value(QStringLiteral("id")), id(8));
}

void TestChrome::newNodeHasIdentity()
{
    PaneTestHome home;
    const QString path = writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
    Chrome chrome(0);
    chrome.loadBookmarks();
    auto *folder = new BookmarkItem({ QStringLiteral("Copied"), QString(), FolderItem, -1, true, true });
    chrome.root()->child(1)->appendChild(folder);
    addBookmark(folder, QStringLiteral("Inside"), QStringLiteral("https://inside.example/"));
    const qint64 since1601 = Q_INT64_C(11644473600000000);
    const qint64 before = QDateTime::currentMSecsSinceEpoch() * 1000 + since1601;
    chrome.saveBookmarks();
    const QJsonObject written = childNodes(rootNode(readJson(path), "other")).at(0).toObject();
    QCOMPARE(written.value(QStringLiteral("id")).toString(), QStringLiteral("8"));
    QCOMPARE(written.value(QStringLiteral("type")).toString(), QStringLiteral("folder"));
    QVERIFY(!QUuid::fromString(written.value(QStringLiteral("guid")).toString()).isNull());
    const qint64 added = written.value(QStringLiteral("date_added")).toString().toLongLong();
    QVERIFY(added >= before && added < before + Q_INT64_C(60000000));
    const QJsonObject inside = childNodes(written).at(0).toObject();
    QCOMPARE(inside.value(QStringLiteral("url")).toString(), QStringLiteral("https://inside.example/"));
    QVERIFY(
        inside.value(QStringLiteral("guid")).toString() != written.value(QStringLiteral("guid")).toString());
    // The identity given stays with the item on the next save.
    chrome.saveBookmarks();
    QCOMPARE(childNodes(rootNode(readJson(path), "other")).at(0).toObject(), written);
}

void TestChrome::nodeWithoutIdNumbered()
{
    PaneTestHome home;
    QJsonObject loose = chromeNode(0, QStringLiteral("No id"), QStringLiteral("https://noid.example/"));
    loose.remove(QStringLiteral("id"));
    writeChromeFile(0,
        fileWith({ { QStringLiteral("bookmark_bar"),
                       withChildren(chromeNode(1, QStringLiteral("Bar")),
                           { chromeNode(9, QStringLiteral("Nine"), QStringLiteral("https://nine.example/")),
                               loose }) },
            { QStringLiteral("other"), chromeNode(2, QStringLiteral("Other")) } }));
    Chrome chrome(0);
    chrome.loadBookmarks();
    QCOMPARE(chrome.root()->child(0)->child(1)->id().toInt(), 10);
}

void TestChrome::previousFileKept()
{
    PaneTestHome home;
    const QByteArray before = QJsonDocument(currentChromeFile()).toJson();
    const QString path = writeChromeFile(0, before);
    Chrome chrome(0);
    chrome.loadBookmarks();
    chrome.root()->child(0)->child(0)->setTitle(QStringLiteral("Renamed"));
    chrome.saveBookmarks();
    QCOMPARE(fileBytes(QFileInfo(path).path() + QStringLiteral("/Bookmarks.bak")), before);
    QCOMPARE(childNodes(rootNode(readJson(path), "bookmark_bar"))
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("name"))
                 .toString(),
        QStringLiteral("Renamed"));
    QVERIFY(QDir(QFileInfo(path).path()).entryList({ QStringLiteral("Bookmarks.*") }).size() == 1);
}

void TestChrome::fullDeviceKeepsFile()
{
    PaneTestHome home;
    const TmpfsMount device(Chrome::bookmarksDir(1), QStringLiteral("size=32k"));
    if (!device.isMounted())
        QSKIP("mounting a tmpfs is refused here");
    const QByteArray before = QJsonDocument(currentChromeFile()).toJson();
    const QString path = writeChromeFile(1, before);
    // One page left: enough for the copy of the old file, not for the new one.
    QFile filler(device.path() + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    filler.write(QByteArray(5 * 4096, 'x'));
    filler.close();
    Chrome chrome(1);
    chrome.loadBookmarks();
    addBookmark(
        chrome.root()->child(0), QString(3 * 4096, QLatin1Char('n')), QStringLiteral("https://big.example/"));
    chrome.saveBookmarks();
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(device.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

void TestChrome::deviceFileWritableByAll()
{
    PaneTestHome home;
    const QString path = writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    Chrome chrome(1);
    chrome.loadBookmarks();
    chrome.saveBookmarks();
    const QFile::Permissions all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
        | QFile::ReadOther | QFile::WriteOther;
    QCOMPARE(QFile::permissions(path) & all, all);
}

void TestChrome::googleChromeFirst()
{
    PaneTestHome home;
    QCOMPARE(Chrome::bookmarksDir(0), QDir::homePath() + QStringLiteral("/.config/chromium/Default/"));
    QDir().mkpath(QDir::homePath() + QStringLiteral("/.config/google-chrome"));
    QDir().mkpath(QDir::homePath() + QStringLiteral("/.config/chromium"));
    QCOMPARE(Chrome::bookmarksDir(0), QDir::homePath() + QStringLiteral("/.config/google-chrome/Default/"));
    QCOMPARE(Chrome::bookmarksDir(1), home.devicePath() + QStringLiteral("/.config/chromium/Default/"));
}

void TestChrome::runningChromium()
{
    QString running;
    IBrowser::setProcessProbe([&running](const QString &name) { return name == running; });
    const Chrome chrome(0);
    running = QStringLiteral("chromium");
    QVERIFY(chrome.isRunning());
    running = QStringLiteral("chrome");
    QVERIFY(chrome.isRunning());
    running = QStringLiteral("firefox");
    QVERIFY(!chrome.isRunning());
    IBrowser::setProcessProbe(nullptr);
}

void TestChrome::runningNamesMatchedWhole()
{
    IBrowser::setProcessProbe(nullptr);
    if (realChromeRuns())
        QSKIP("Chrome or Chromium runs on this machine");
    const Chrome chrome(0);
    TestDir programs;
    // Electron programs keep Chrome's crash handler running.
    const std::unique_ptr<QProcess> helper
        = runNamed(programs.path(), QStringLiteral("chrome_crashpad_handler"));
    QVERIFY(helper);
    // A browser just closed stays a while as a zombie, until it is reaped.
    const QByteArray program = QFile::encodeName(namedProgram(programs.path(), QStringLiteral("chromium")));
    const pid_t ended = fork();
    if (ended == 0) {
        execl(program.constData(), "chromium", "0", static_cast<char *>(nullptr));
        _exit(127);
    }
    const auto state = [ended] {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(ended));
        return stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    };
    QTRY_VERIFY(state().contains(") Z "));
    QVERIFY(!chrome.isRunning());
    waitpid(ended, nullptr, 0);
    const std::unique_ptr<QProcess> chromium = runNamed(programs.path(), QStringLiteral("chromium"));
    QVERIFY(chromium);
    QTRY_VERIFY(chrome.isRunning());
}

void TestChrome::writableFile()
{
    PaneTestHome home;
    const Chrome chrome(1);
    QVERIFY(!chrome.isBookmarksFileWritable());
    writeChromeFile(1, "{}");
    QVERIFY(chrome.isBookmarksFileWritable());
}

void TestChrome::idsNeitherVanishNorWrap_data()
{
    QTest::addColumn<QJsonValue>("barId");
    QTest::addColumn<QJsonValue>("otherId");
    QTest::addColumn<QJsonValue>("bookmarkId");
    QTest::newRow("root ids that collide") << QJsonValue(1) << QJsonValue(1) << QJsonValue(5);
    QTest::newRow("root ids that are not numbers")
        << QJsonValue(QStringLiteral("bar")) << QJsonValue(QStringLiteral("other")) << QJsonValue(5);
    QTest::newRow("the largest 32-bit id") << QJsonValue(1) << QJsonValue(2) << QJsonValue(2147483647);
}

void TestChrome::idsNeitherVanishNorWrap()
{
    QFETCH(QJsonValue, barId);
    QFETCH(QJsonValue, otherId);
    QFETCH(QJsonValue, bookmarkId);
    PaneTestHome home;
    QJsonObject bar = chromeNode(0, QStringLiteral("Bar"));
    bar.insert(QStringLiteral("id"), barId);
    QJsonObject old = chromeNode(0, QStringLiteral("Old"), QStringLiteral("https://old.example/"));
    old.insert(QStringLiteral("id"), bookmarkId);
    QJsonObject other = chromeNode(0, QStringLiteral("Other"));
    other.insert(QStringLiteral("id"), otherId);
    writeChromeFile(1,
        fileWith({ { QStringLiteral("bookmark_bar"), withChildren(bar, { old }) },
            { QStringLiteral("other"), other } }));
    Chrome chrome(1);
    chrome.loadBookmarks();
    QCOMPARE(chrome.root()->childCount(), 2);
    addBookmark(
        chrome.root()->child(0), QStringLiteral("Into the bar"), QStringLiteral("https://a.example/"));
    addBookmark(chrome.root()->child(1), QStringLiteral("Into other"), QStringLiteral("https://b.example/"));
    QVERIFY(chrome.saveBookmarks());

    Chrome again(1);
    again.loadBookmarks();
    QMultiHash<QString, qint64> ids;
    collectIds(again.root(), &ids);
    QCOMPARE(ids.count(QStringLiteral("Into the bar")), 1);
    QCOMPARE(ids.count(QStringLiteral("Into other")), 1);
    const qint64 first = ids.value(QStringLiteral("Into the bar"));
    const qint64 second = ids.value(QStringLiteral("Into other"));
    QVERIFY(first > ids.value(QStringLiteral("Old")));
    QCOMPARE(second, first + 1);
}

void TestChrome::unknownNodesKept()
{
    PaneTestHome home;
    const QJsonObject separator { { QStringLiteral("id"), QStringLiteral("9") },
        { QStringLiteral("name"), QString() }, { QStringLiteral("type"), QStringLiteral("separator") } };
    const QJsonObject untyped { { QStringLiteral("id"), QStringLiteral("10") },
        { QStringLiteral("name"), QStringLiteral("no type") } };
    const QJsonObject folder = withChildren(chromeNode(8, QStringLiteral("Folder")), { untyped });
    const QJsonObject roots {
        { QStringLiteral("bookmark_bar"),
            withChildren(chromeNode(1, QStringLiteral("Bar")),
                { chromeNode(7, QStringLiteral("Seven"), QStringLiteral("https://7.example/")), separator,
                    folder }) },
        { QStringLiteral("other"), chromeNode(2, QStringLiteral("Other")) },
        { QStringLiteral("synced"), chromeNode(3, QStringLiteral("Mobile")) },
        { QStringLiteral("custom"), QStringLiteral("kept") }
    };
    const QString path = writeChromeFile(1, fileWith(roots));
    Chrome chrome(1);
    chrome.loadBookmarks();
    QCOMPARE(chrome.root()->childCount(), 3);
    const BookmarkItem *bar = chrome.root()->child(0);
    QCOMPARE(childTitles(bar), (QStringList { QStringLiteral("Seven"), QStringLiteral("Folder") }));
    QCOMPARE(bar->child(1)->childCount(), 0);
    chrome.root()->child(0)->child(0)->setTitle(QStringLiteral("Renamed"));
    QVERIFY(chrome.saveBookmarks());
    const QJsonObject written = readJson(path);
    const QJsonArray children = childNodes(rootNode(written, "bookmark_bar"));
    QCOMPARE(children.size(), 3);
    QCOMPARE(children.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Renamed"));
    QCOMPARE(children.at(1).toObject(), separator);
    QCOMPARE(childNodes(children.at(2).toObject()), QJsonArray { untyped });
    QCOMPARE(written.value(QStringLiteral("roots")).toObject().value(QStringLiteral("custom")),
        QJsonValue(QStringLiteral("kept")));
}

void TestChrome::otherFormsShownNotWritten_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("shown");
    QJsonObject two = currentChromeFile();
    two.insert(QStringLiteral("version"), 2);
    QTest::newRow("version 2") << QJsonDocument(two).toJson() << 3;
    two.insert(QStringLiteral("version"), QStringLiteral("2"));
    QTest::newRow("version \"2\"") << QJsonDocument(two).toJson() << 3;
    QJsonObject list = currentChromeFile();
    list.insert(QStringLiteral("roots"), QJsonArray { 1, 2 });
    QTest::newRow("roots not an object") << QJsonDocument(list).toJson() << 0;
}

void TestChrome::otherFormsShownNotWritten()
{
    QFETCH(QByteArray, content);
    QFETCH(int, shown);
    PaneTestHome home;
    const QString path = writeChromeFile(1, content);
    Chrome chrome(1);
    chrome.loadBookmarks();
    QVERIFY(chrome.isLoaded());
    QCOMPARE(chrome.root()->childCount(), shown);
    QVERIFY(!chrome.isWritable());
    QVERIFY(chrome.isBookmarksFileWritable());
    addBookmark(chrome.root(), QStringLiteral("lost"), QStringLiteral("https://lost.example/"));
    QVERIFY(!chrome.saveBookmarks());
    QCOMPARE(fileBytes(path), content);
    QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
