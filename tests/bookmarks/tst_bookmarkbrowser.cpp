// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookmarkStores.h"
#include "PaneTestHome.h"
#include "TmpfsMount.h"

#include "base/LayoutSettings.h"
#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"
#include "bookmarks/BookmarksListView.h"
#include "bookmarks/Chrome.h"
#include "bookmarks/ExternalDeviceBookmarkBrowser.h"
#include "bookmarks/FilteredBrowserModel.h"
#include "bookmarks/Firefox.h"
#include "bookmarks/HostBookmarkBrowser.h"
#include "browser/panes/Browser.h"
#include "browser/panes/HostFrame.h"
#include "widgets/Button.h"
#include "widgets/MessageBox.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace BookmarkStores;

namespace {

QJsonArray deviceChildren(const char *root, int index = -1)
{
    const QJsonObject node = readJson(Chrome::bookmarksDir(1) + QStringLiteral("Bookmarks"))
                                 .value(QStringLiteral("roots"))
                                 .toObject()
                                 .value(QLatin1String(root))
                                 .toObject();
    const QJsonArray children = node.value(QStringLiteral("children")).toArray();
    if (index < 0)
        return children;
    return children.at(index).toObject().value(QStringLiteral("children")).toArray();
}

// Selects rows of a pane's list, which shows the model's folder at parent.
void selectListRows(BookmarkBrowser &pane, const QModelIndex &parent, std::initializer_list<int> rows)
{
    pane.listView()->setRootIndex(parent);
    QItemSelectionModel *selection = pane.listView()->selectionModel();
    selection->clearSelection();
    for (const int row : rows)
        selection->select(
            pane.model()->index(row, 0, parent), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void makeTreeCurrent(BookmarkBrowser &pane, BookmarkItem *item)
{
    const QModelIndex index = pane.proxy()->mapFromSource(pane.model()->indexFromItem(item));
    pane.treeView()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder holding a folder, levels deep.
QJsonObject folderChain(int levels)
{
    QJsonObject folder = chromeNode(100 + levels, QStringLiteral("Level %1").arg(levels));
    if (levels > 1)
        folder.insert(QStringLiteral("children"), QJsonArray { folderChain(levels - 1) });
    return folder;
}

// The window in its Bookmarks category, with both panes read.
void showBookmarks(Browser &browser)
{
    browser.setURLMode();
    browser.hostBookmarkBrowser()->model()->reload();
    browser.deviceBookmarkBrowser()->model()->reload();
}

// Records the texts of the boxes the window shows, answering them with OK.
QStringList *recordBoxes()
{
    static QStringList shown;
    shown.clear();
    MessageBox::setAnswerer([](MessageBox &box) {
        shown << box.text();
        return int(QMessageBox::Ok);
    });
    return &shown;
}

struct Stores
{
    Stores()
    {
        createFirefoxProfile(CurrentSchema);
        writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
        writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    }
    PaneTestHome home;
};

} // namespace

class TestBookmarkBrowser : public QObject
{
    Q_OBJECT

private slots:
    // Whatever runs on this machine, the tests decide which browser runs.
    void init() { IBrowser::setProcessProbe(nothingRuns); }
    void cleanup() { MessageBox::setAnswerer(nullptr); }
    void firstFolderShownAfterLoad();
    void treeHidesBookmarks();
    void doubleClick();
    void runningBrowserAsked_data();
    void runningBrowserAsked();
    void runningBrowserUnloaded();
    void copyOntoBrowserRowRefused();
    void copyToDevice();
    void copyToHostFirefox();
    void deleteRootFolderRefused();
    void deleteSelected();
    void createFolder();
    void windowBookmarkMode();
    void windowArrows();
    void windowCommands();
    void fileButtonsLeftAlone();
    void bookmarksTabOnRequest();
    void readOnlyDevice_data();
    void readOnlyDevice();
    void copyRefused_data();
    void copyRefused();
    void failedCopyReported();
};

void TestBookmarkBrowser::firstFolderShownAfterLoad()
{
    Stores stores;
    ExternalDeviceBookmarkBrowser device;
    device.model()->reload();
    const QModelIndex current = device.proxy()->mapToSource(device.treeView()->currentIndex());
    QCOMPARE(device.model()->itemFromIndex(current)->title(), QStringLiteral("Bookmarks bar"));
    QCOMPARE(device.listView()->rootIndex(), current);
}

void TestBookmarkBrowser::treeHidesBookmarks()
{
    Stores stores;
    HostBookmarkBrowser host;
    host.model()->reload();
    const QModelIndex bar = host.proxy()->index(0, 0, host.proxy()->index(1, 0));
    // Linux only: the bookmark beside it is not a folder.
    QCOMPARE(host.proxy()->rowCount(bar), 1);
    QCOMPARE(host.model()->rowCount(host.proxy()->mapToSource(bar)), 2);
    QVERIFY(host.treeView()->isColumnHidden(1));
}

void TestBookmarkBrowser::doubleClick()
{
    Stores stores;
    ExternalDeviceBookmarkBrowser device;
    device.model()->reload();
    device.show();
    QVERIFY(QTest::qWaitForWindowExposed(&device));
    const QModelIndex bar = device.listView()->rootIndex();
    const QModelIndex linux = device.model()->index(0, 0, bar);
    const QModelIndex bookmark = device.model()->index(1, 0, bar);
    QTest::mouseDClick(
        device.listView()->viewport(), Qt::LeftButton, {}, device.listView()->visualRect(bookmark).center());
    QCOMPARE(device.listView()->rootIndex(), bar);
    QTest::mouseDClick(
        device.listView()->viewport(), Qt::LeftButton, {}, device.listView()->visualRect(linux).center());
    QCOMPARE(device.proxy()->mapToSource(device.treeView()->currentIndex()), linux);
    QCOMPARE(device.listView()->rootIndex(), linux);
    QVERIFY(!device.listView()->findChild<QLineEdit *>());
}

void TestBookmarkBrowser::runningBrowserAsked_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
    QTest::newRow("try again after closing") << int(QMessageBox::Retry) << true;
}

void TestBookmarkBrowser::runningBrowserAsked()
{
    QFETCH(int, answer);
    QFETCH(bool, loaded);
    Stores stores;
    HostBookmarkBrowser host;
    bool running = true;
    IBrowser::setProcessProbe(
        [&running](const QString &name) { return running && name == QLatin1String("firefox"); });
    host.model()->reload();
    QCOMPARE(host.model()->headerItem()->child(0)->childCount(), 0);
    QStringList asked;
    MessageBox::setAnswerer([&](MessageBox &box) {
        asked << box.text();
        running = false;
        return answer;
    });
    host.browserListClicked(host.proxy()->index(0, 0));
    QCOMPARE(asked, QStringList { QStringLiteral("IDS_ASK_TO_CLOSE_BROWSER") });
    QCOMPARE(host.model()->firefox()->isLoaded(), loaded);
    QCOMPARE(host.model()->headerItem()->child(0)->childCount(), loaded ? 4 : 0);
    if (loaded)
        QCOMPARE(host.listView()->rootIndex(), host.model()->index(0, 0));
    // A loaded browser is not asked about again.
    asked.clear();
    running = true;
    host.browserListClicked(host.proxy()->index(1, 0));
    QVERIFY(asked.isEmpty());
}

void TestBookmarkBrowser::runningBrowserUnloaded()
{
    Stores stores;
    HostBookmarkBrowser host;
    host.model()->reload();
    makeTreeCurrent(host, host.model()->headerItem()->child(0)->child(1)->child(0));
    IBrowser::setProcessProbe([](const QString &name) { return name == QLatin1String("firefox"); });
    host.onMonitorBrowsersTimer();
    QCOMPARE(host.model()->headerItem()->child(0)->childCount(), 0);
    // The list shows the emptied row, not every browser.
    QCOMPARE(host.listView()->rootIndex(), host.model()->index(0, 0));
}

void TestBookmarkBrowser::copyOntoBrowserRowRefused()
{
    Stores stores;
    HostBookmarkBrowser host;
    ExternalDeviceBookmarkBrowser device;
    host.model()->reload();
    device.model()->reload();
    const QByteArray before
        = QJsonDocument(readJson(Chrome::bookmarksDir(0) + QStringLiteral("Bookmarks"))).toJson();
    makeTreeCurrent(host, host.model()->headerItem()->child(1));
    selectListRows(
        device, device.model()->indexFromItem(device.model()->headerItem()->child(0)->child(0)), { 1 });
    QVERIFY(!host.canReceive(device));
    QVERIFY(!QFile::exists(Chrome::bookmarksDir(0) + QStringLiteral("Bookmarks.bak")));
    QCOMPARE(QJsonDocument(readJson(Chrome::bookmarksDir(0) + QStringLiteral("Bookmarks"))).toJson(), before);
}

void TestBookmarkBrowser::copyToDevice()
{
    Stores stores;
    HostBookmarkBrowser host;
    ExternalDeviceBookmarkBrowser device;
    host.model()->reload();
    device.model()->reload();
    BookmarkItem *hostBar = host.model()->headerItem()->child(1)->child(0);
    BookmarkItem *linux = hostBar->child(0);
    selectListRows(host, host.model()->indexFromItem(linux), { 0, 1 });
    // A third one from the bar itself.
    host.listView()->selectionModel()->select(host.model()->indexFromItem(hostBar->child(1)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    BookmarkItem *deviceOther = device.model()->headerItem()->child(0)->child(1);
    makeTreeCurrent(device, deviceOther);
    QVERIFY(device.canReceive(host));
    device.receiveCopies(host);
    const QJsonArray written = deviceChildren("other");
    QCOMPARE(written.size(), 3);
    QStringList ids;
    for (const QJsonValue &node : written)
        ids << node.toObject().value(QStringLiteral("id")).toString();
    QCOMPARE(ids, (QStringList { QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10") }));
    QCOMPARE(written.at(0).toObject().value(QStringLiteral("name")).toString(), QStringLiteral("Debian"));
    QCOMPARE(linux->child(0)->id().toInt(), 5);
    QCOMPARE(device.listView()->rootIndex(), device.model()->indexFromItem(deviceOther));
}

void TestBookmarkBrowser::copyToHostFirefox()
{
    Stores stores;
    HostBookmarkBrowser host;
    ExternalDeviceBookmarkBrowser device;
    host.model()->reload();
    device.model()->reload();
    BookmarkItem *menu = host.model()->headerItem()->child(0)->child(0);
    makeTreeCurrent(host, menu);
    selectListRows(
        device, device.model()->indexFromItem(device.model()->headerItem()->child(0)->child(0)), { 0 });
    host.receiveCopies(device);
    const QString places = Firefox::firefoxDir() + QStringLiteral("abc.default/places.sqlite");
    QCOMPARE(column(places,
                 QStringLiteral("SELECT b.title FROM moz_bookmarks b JOIN moz_bookmarks f ON f.id=b.parent "
                                "WHERE f.parent=2 ORDER BY b.position")),
        (QVariantList { QStringLiteral("Debian"), QStringLiteral("Kernel") }));
    QVERIFY(menu->child(1)->storedId() > 11);
}

void TestBookmarkBrowser::deleteRootFolderRefused()
{
    Stores stores;
    ExternalDeviceBookmarkBrowser device;
    device.model()->reload();
    selectListRows(device, device.model()->indexFromItem(device.model()->headerItem()->child(0)), { 0, 1 });
    QVERIFY(!device.deleteSelected());
    QCOMPARE(device.model()->headerItem()->child(0)->childCount(), 3);
}

void TestBookmarkBrowser::deleteSelected()
{
    Stores stores;
    ExternalDeviceBookmarkBrowser device;
    device.model()->reload();
    selectListRows(
        device, device.model()->indexFromItem(device.model()->headerItem()->child(0)->child(0)), { 0, 1 });
    QVERIFY(device.deleteSelected());
    QVERIFY(deviceChildren("bookmark_bar").isEmpty());
    QCOMPARE(deviceChildren("other").size(), 0);
}

void TestBookmarkBrowser::createFolder()
{
    Stores stores;
    ExternalDeviceBookmarkBrowser device;
    device.model()->reload();
    device.show();
    QVERIFY(QTest::qWaitForWindowExposed(&device));
    makeTreeCurrent(device, device.model()->headerItem()->child(0)->child(0));
    QVERIFY(device.createFolder());
    QCOMPARE(deviceChildren("bookmark_bar").at(0).toObject().value(QStringLiteral("name")).toString(),
        QStringLiteral("IDS_FOLDER"));
    QVERIFY(device.listView()->findChild<QLineEdit *>());
    // The device's own row takes no folder.
    makeTreeCurrent(device, device.model()->headerItem()->child(0));
    QVERIFY(!device.createFolder());
}

void TestBookmarkBrowser::windowBookmarkMode()
{
    Stores stores;
    Browser browser(stores.home.engine());
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    QVERIFY(!browser.findChild<Button *>(QStringLiteral("_urlTabPushButton"))->isVisible());
    QVERIFY(!browser.hostBookmarkBrowser()->isVisible());
    QCOMPARE(browser.hostBookmarkBrowser()->objectName(), QStringLiteral("_boomarkBrowserLeft"));
    QCOMPARE(browser.deviceBookmarkBrowser()->objectName(), QStringLiteral("_boomarkBrowserRight"));
    browser.setURLMode();
    QVERIFY(browser.hostBookmarkBrowser()->isVisible());
    QVERIFY(browser.deviceBookmarkBrowser()->isVisible());
    QVERIFY(!browser.hostFrame()->isVisible());
    browser.setMusicMode();
    QVERIFY(!browser.deviceBookmarkBrowser()->isVisible());
    QVERIFY(browser.hostFrame()->isVisible());
}

void TestBookmarkBrowser::windowArrows()
{
    Stores stores;
    Browser browser(stores.home.engine());
    browser.show();
    browser.setURLMode();
    HostBookmarkBrowser *host = browser.hostBookmarkBrowser();
    ExternalDeviceBookmarkBrowser *device = browser.deviceBookmarkBrowser();
    host->model()->reload();
    device->model()->reload();
    auto *toDevice = browser.findChild<Button *>(QStringLiteral("_copy2ExternalDevice"));
    auto *toHost = browser.findChild<Button *>(QStringLiteral("_copy2Host"));
    selectListRows(
        *host, host->model()->indexFromItem(host->model()->headerItem()->child(1)->child(0)), { 1 });
    QVERIFY(toDevice->isEnabled());
    makeTreeCurrent(*device, device->model()->headerItem()->child(0));
    QVERIFY(!toDevice->isEnabled());
    selectListRows(
        *device, device->model()->indexFromItem(device->model()->headerItem()->child(0)->child(0)), { 1 });
    makeTreeCurrent(*host, host->model()->headerItem()->child(1));
    QVERIFY(!toHost->isEnabled());
    makeTreeCurrent(*host, host->model()->headerItem()->child(1)->child(1));
    QVERIFY(toHost->isEnabled());
    // The left arrow copies the bookmark, not files.
    QTest::mouseClick(toHost, Qt::LeftButton);
    QCOMPARE(host->model()->headerItem()->child(1)->child(1)->childCount(), 1);
}

void TestBookmarkBrowser::windowCommands()
{
    Stores stores;
    Browser browser(stores.home.engine());
    browser.setURLMode();
    ExternalDeviceBookmarkBrowser *device = browser.deviceBookmarkBrowser();
    device->model()->reload();
    QStringList shown;
    MessageBox::setAnswerer([&shown](MessageBox &box) {
        shown << box.text();
        return int(QMessageBox::Ok);
    });
    selectListRows(*device, device->model()->indexFromItem(device->model()->headerItem()->child(0)), { 0 });
    browser.DeleteFromOpalo();
    makeTreeCurrent(*device, device->model()->headerItem()->child(0));
    browser.CreateDirInOpalo();
    QCOMPARE(shown,
        (QStringList { QStringLiteral("IDS_DELETE_ERROR"), QStringLiteral("IDS_ERROR_CREATING_DIRECTORY") }));
    // A device file that cannot be replaced refuses the copy with the rights message.
    shown.clear();
    HostBookmarkBrowser *host = browser.hostBookmarkBrowser();
    host->model()->reload();
    QFile::remove(Chrome::bookmarksDir(1) + QStringLiteral("Bookmarks"));
    selectListRows(
        *host, host->model()->indexFromItem(host->model()->headerItem()->child(1)->child(0)), { 1 });
    makeTreeCurrent(*device, device->model()->headerItem()->child(0)->child(1));
    QTest::mouseClick(browser.findChild<Button *>(QStringLiteral("_copy2ExternalDevice")), Qt::LeftButton);
    QCOMPARE(shown, QStringList { QStringLiteral("IDS_RIGHTS") });
    QCOMPARE(device->model()->headerItem()->child(0)->child(1)->childCount(), 0);
}

void TestBookmarkBrowser::fileButtonsLeftAlone()
{
    Stores stores;
    Browser browser(stores.home.engine());
    browser.setPicturesMode();
    browser.CheckHostButtons(true, true);
    browser.CheckTargetButtons(true, true);
    // The engine's reload selects the first folder in both trees.
    browser.hostBookmarkBrowser()->model()->reload();
    browser.deviceBookmarkBrowser()->model()->reload();
    for (const char *name :
        { "_copy2ExternalDevice", "_copy2Host", "_OpaloAddPushButton", "_OpaloRemovePushButton" })
        QVERIFY2(browser.findChild<Button *>(QLatin1String(name))->isEnabled(), name);
}

void TestBookmarkBrowser::bookmarksTabOnRequest()
{
    Stores stores;
    LayoutSettings::setBookmarksTabRequested(true);
    Browser browser(stores.home.engine());
    LayoutSettings::setBookmarksTabRequested(false);
    browser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&browser));
    auto *tab = browser.findChild<Button *>(QStringLiteral("_urlTabPushButton"));
    QVERIFY(tab->isVisible());
    QTest::mouseClick(tab, Qt::LeftButton);
    QVERIFY(browser.hostBookmarkBrowser()->isVisible());
    QVERIFY(browser.deviceBookmarkBrowser()->isVisible());
}

void TestBookmarkBrowser::readOnlyDevice_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("reported");
    QTest::newRow("delete") << QStringLiteral("delete") << QStringLiteral("IDS_DELETE_ERROR");
    QTest::newRow("new folder") << QStringLiteral("new folder")
                                << QStringLiteral("IDS_ERROR_CREATING_DIRECTORY");
    QTest::newRow("rename") << QStringLiteral("rename") << QStringLiteral("IDS_BOOKMARKS_NOT_WRITTEN");
}

void TestBookmarkBrowser::readOnlyDevice()
{
    QFETCH(QString, command);
    QFETCH(QString, reported);
    Stores stores;
    const TmpfsMount mount(Chrome::bookmarksDir(1), QStringLiteral("size=1m"));
    if (!mount.isMounted())
        QSKIP("mounting a tmpfs is refused here");
    const QString path = writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    Browser browser(stores.home.engine());
    browser.setURLMode();
    ExternalDeviceBookmarkBrowser *device = browser.deviceBookmarkBrowser();
    device->model()->reload();
    if (QProcess::execute(
            QStringLiteral("mount"), { QStringLiteral("-o"), QStringLiteral("remount,ro"), mount.path() })
        != 0)
        QSKIP("remounting read-only is refused here");
    const QByteArray before = fileBytes(path);
    QStringList *shown = recordBoxes();
    BookmarkItem *bar = device->model()->headerItem()->child(0)->child(0);
    if (command == QLatin1String("delete")) {
        selectListRows(*device, device->model()->indexFromItem(bar), { 0 });
        browser.DeleteFromOpalo();
    } else if (command == QLatin1String("new folder")) {
        makeTreeCurrent(*device, bar);
        browser.CreateDirInOpalo();
    } else {
        QVERIFY(!device->model()->setData(
            device->model()->indexFromItem(bar->child(0)), QStringLiteral("Renamed")));
    }
    QTRY_COMPARE(*shown, QStringList { reported });
    // What is shown is what the device holds.
    bar = device->model()->headerItem()->child(0)->child(0);
    QCOMPARE(childTitles(bar), (QStringList { QStringLiteral("Linux"), QStringLiteral("Ünïcode ✓") }));
    QCOMPARE(fileBytes(path), before);
}

void TestBookmarkBrowser::copyRefused_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("fromRoot");
    QTest::addColumn<int>("fromRow");
    QTest::addColumn<QString>("reported");
    QTest::newRow("a device file of another version")
        << 2 << 1 << 1 << 0 << QStringLiteral("IDS_BOOKMARKS_READ_ONLY");
    // From the device's bar (level 1), 99 folders reach level 100.
    QTest::newRow("deeper than Chromium reads")
        << 1 << 99 << 1 << 0 << QStringLiteral("IDS_BOOKMARKS_TOO_DEEP");
    // The PC's bar and the device's both hold this address.
    QTest::newRow("an address the folder holds")
        << 1 << 1 << 0 << 1 << QStringLiteral("IDS_BOOKMARKS_ALREADY_THERE");
}

void TestBookmarkBrowser::copyRefused()
{
    QFETCH(int, version);
    QFETCH(int, depth);
    QFETCH(int, fromRoot);
    QFETCH(int, fromRow);
    QFETCH(QString, reported);
    Stores stores;
    QJsonObject pc = currentChromeFile();
    QJsonObject roots = pc.value(QStringLiteral("roots")).toObject();
    roots.insert(QStringLiteral("other"),
        withChildren(roots.value(QStringLiteral("other")).toObject(), { folderChain(depth) }));
    pc.insert(QStringLiteral("roots"), roots);
    writeChromeFile(0, QJsonDocument(pc).toJson());
    QJsonObject onDevice = currentChromeFile();
    onDevice.insert(QStringLiteral("version"), version);
    const QString path = writeChromeFile(1, QJsonDocument(onDevice).toJson());
    Browser browser(stores.home.engine());
    HostBookmarkBrowser *host = browser.hostBookmarkBrowser();
    ExternalDeviceBookmarkBrowser *device = browser.deviceBookmarkBrowser();
    showBookmarks(browser);
    QStringList *shown = recordBoxes();
    selectListRows(*host,
        host->model()->indexFromItem(host->model()->headerItem()->child(1)->child(fromRoot)), { fromRow });
    makeTreeCurrent(*device, device->model()->headerItem()->child(0)->child(0));
    const QByteArray before = fileBytes(path);
    QTest::mouseClick(browser.findChild<Button *>(QStringLiteral("_copy2ExternalDevice")), Qt::LeftButton);
    QCOMPARE(*shown, QStringList { reported });
    QCOMPARE(device->model()->headerItem()->child(0)->child(0)->childCount(), 2);
    QCOMPARE(fileBytes(path), before);
}

void TestBookmarkBrowser::failedCopyReported()
{
    Stores stores;
    const QString places = Firefox::firefoxDir() + QStringLiteral("abc.default/places.sqlite");
    QVERIFY(execute(places,
        { QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON moz_bookmarks WHEN NEW.title='Kernel' "
                         "BEGIN SELECT RAISE(ABORT, 'refused'); END") }));
    Browser browser(stores.home.engine());
    HostBookmarkBrowser *host = browser.hostBookmarkBrowser();
    ExternalDeviceBookmarkBrowser *device = browser.deviceBookmarkBrowser();
    showBookmarks(browser);
    QStringList *shown = recordBoxes();
    makeTreeCurrent(*host, host->model()->headerItem()->child(0)->child(0));
    selectListRows(
        *device, device->model()->indexFromItem(device->model()->headerItem()->child(0)->child(0)), { 0 });
    QTest::mouseClick(browser.findChild<Button *>(QStringLiteral("_copy2Host")), Qt::LeftButton);
    QCOMPARE(*shown, QStringList { QStringLiteral("IDS_BOOKMARKS_NOT_WRITTEN") });
    // Read again from Firefox: what it took, without what it refused.
    const BookmarkItem *menu = host->model()->headerItem()->child(0)->child(0);
    QCOMPARE(
        childTitles(menu), (QStringList { QStringLiteral("Debian in the menu"), QStringLiteral("Linux") }));
    QCOMPARE(childTitles(menu->child(1)), QStringList { QStringLiteral("Debian") });
}

QTEST_MAIN(TestBookmarkBrowser)
#include "tst_bookmarkbrowser.moc"
