// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookmarkStores.h"
#include "PaneTestHome.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"
#include "bookmarks/Chrome.h"
#include "bookmarks/Firefox.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <thread>

using namespace BookmarkStores;

namespace {

// A PC with Firefox (current schema) and Chromium, both read.
struct LoadedPc
{
    LoadedPc()
    {
        createFirefoxProfile(CurrentSchema);
        chromeFile = writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
        model.reset(new BookmarkTreeModel(0));
        tester.reset(new QAbstractItemModelTester(
            model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest));
        model->reload();
    }
    BookmarkItem *row(int index) const { return model->headerItem()->child(index); }
    QModelIndex indexOf(BookmarkItem *item) const { return model->indexFromItem(item); }

    PaneTestHome home;
    QString chromeFile;
    std::unique_ptr<BookmarkTreeModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

} // namespace

class TestBookmarkTreeModel : public QObject
{
    Q_OBJECT

private slots:
    // Whatever runs on this machine, the tests decide which browser runs.
    void init() { IBrowser::setProcessProbe(nothingRuns); }
    void pcWithoutBrowsers();
    void pcRowsFilled();
    void chromeRowNamedAfterItsProfile_data();
    void chromeRowNamedAfterItsProfile();
    void deviceRowFilled();
    void headerData();
    void lastOfTwoRowsFilled();
    void failedReadEmptiesRow();
    void reloadFromAnotherThread();
    void runningBrowserSkipped();
    void unloadRunningBrowsers();
    void setData_data();
    void setData();
    void flags();
    void insertRows_data();
    void insertRows();
    void removeRows_data();
    void removeRows();
    void copyItem();
    void lockedFirefoxShownNotLoaded();
    void deviceRowNamed();
    void onlyChangedStoresWritten();
    void browserStartedBeforeSave_data();
    void browserStartedBeforeSave();
    void nestsTooDeep_data();
    void nestsTooDeep();
    void unwritableStoreRefusesChanges();
};

void TestBookmarkTreeModel::pcWithoutBrowsers()
{
    PaneTestHome home;
    BookmarkTreeModel model(0);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.headerItem()->childCount(), 0);
    QSignalSpy loaded(&model, &BookmarkTreeModel::hostDeviceBookmarksLoaded);
    model.reload();
    QCOMPARE(loaded.count(), 1);
}

void TestBookmarkTreeModel::chromeRowNamedAfterItsProfile_data()
{
    QTest::addColumn<bool>("googleChrome");
    QTest::addColumn<QString>("label");
    QTest::newRow("Chromium's profile") << false << QStringLiteral("Chromium");
    QTest::newRow("Google Chrome's profile") << true << QStringLiteral("Chrome");
}

void TestBookmarkTreeModel::chromeRowNamedAfterItsProfile()
{
    QFETCH(bool, googleChrome);
    QFETCH(QString, label);
    LoadedPc pc;
    if (googleChrome) {
        QDir().mkpath(QDir::homePath() + QStringLiteral("/.config/google-chrome"));
        writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
        pc.model->reload();
    }
    QCOMPARE(pc.model->data(pc.indexOf(pc.row(1))).toString(), label);
    // The messages about a folder of that store name it the same way.
    QCOMPARE(pc.model->storeLabel(pc.row(1)->child(0)), label);
}

void TestBookmarkTreeModel::pcRowsFilled()
{
    LoadedPc pc;
    QCOMPARE(childTitles(pc.model->headerItem()),
        (QStringList { QStringLiteral("Firefox"), QStringLiteral("Chrome") }));
    QCOMPARE(pc.row(0)->id().toInt(), 1);
    // Firefox's roots without its Tags.
    QCOMPARE(pc.row(0)->childCount(), 4);
    QCOMPARE(childTitles(pc.row(1)),
        (QStringList { QStringLiteral("Bookmarks bar"), QStringLiteral("Other bookmarks"),
            QStringLiteral("Mobile bookmarks") }));
    // The sources now write from the model's rows.
    QCOMPARE(pc.model->firefox()->root(), pc.row(0));
    QCOMPARE(pc.model->chrome()->root(), pc.row(1));
    const QModelIndex chrome = pc.indexOf(pc.row(1));
    QCOMPARE(chrome.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QVERIFY(!chrome.data(Qt::DecorationRole).isNull());
    const QModelIndex bar = pc.indexOf(pc.row(1)->child(0));
    QCOMPARE(pc.model->index(0, 1, bar).data().toString(), QString());
    QCOMPARE(pc.model->index(0, 1, pc.model->index(0, 0, bar)).data().toString(),
        QStringLiteral("https://www.debian.org/"));
}

void TestBookmarkTreeModel::deviceRowFilled()
{
    PaneTestHome home;
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    IBrowser::setProcessProbe([](const QString &) { return true; });
    BookmarkTreeModel model(1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy loaded(&model, &BookmarkTreeModel::extDeviceBookmarksLoaded);
    model.reload();
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(model.headerItem()->childCount(), 1);
    const BookmarkItem *device = model.headerItem()->child(0);
    QVERIFY(device->title().startsWith(QStringLiteral("IDS_MY_OPALO"))
        || device->title().contains(QStringLiteral("OPALO")));
    QCOMPARE(device->childCount(), 3);
    QCOMPARE(model.chrome()->root(), device);
}

void TestBookmarkTreeModel::headerData()
{
    PaneTestHome home;
    BookmarkTreeModel model(1);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Title"));
    QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QStringLiteral("URL"));
    QVERIFY(model.headerData(0, Qt::Vertical).isNull());
    QCOMPARE(model.columnCount(), 2);
}

void TestBookmarkTreeModel::lastOfTwoRowsFilled()
{
    PaneTestHome home;
    writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
    BookmarkTreeModel model(0);
    model.headerItem()->appendChild(
        new BookmarkItem({ QStringLiteral("Chrome"), QString(), BrowserRootItem, QVariant(), false, true }));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.reload();
    QCOMPARE(model.headerItem()->child(0)->childCount(), 0);
    QCOMPARE(model.headerItem()->child(1)->childCount(), 3);
}

void TestBookmarkTreeModel::failedReadEmptiesRow()
{
    LoadedPc pc;
    QFile file(pc.chromeFile);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{ broken");
    file.close();
    pc.model->reloadBrowser(BookmarkTreeModel::ChromeSource);
    QCOMPARE(pc.row(1)->childCount(), 0);
    QVERIFY(!pc.model->chrome()->isLoaded());
    QCOMPARE(pc.indexOf(pc.row(1)).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    pc.model->save();
    QFile again(pc.chromeFile);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), QByteArray("{ broken"));
}

void TestBookmarkTreeModel::reloadFromAnotherThread()
{
    PaneTestHome home;
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    BookmarkTreeModel model(1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy loaded(&model, &BookmarkTreeModel::extDeviceBookmarksLoaded);
    std::thread engine([&model] { model.reload(); });
    engine.join();
    // Read on the other thread, but nothing is in the model before the GUI
    // thread takes it.
    QCOMPARE(model.headerItem()->child(0)->childCount(), 0);
    QVERIFY(loaded.wait());
    QCOMPARE(model.headerItem()->child(0)->childCount(), 3);
}

void TestBookmarkTreeModel::runningBrowserSkipped()
{
    PaneTestHome home;
    createFirefoxProfile(OldSchema);
    BookmarkTreeModel model(0);
    IBrowser::setProcessProbe([](const QString &name) { return name == QLatin1String("firefox"); });
    model.reload();
    QCOMPARE(model.headerItem()->child(0)->childCount(), 0);
    QVERIFY(!model.firefox()->isLoaded());
    IBrowser::setProcessProbe(nothingRuns);
    model.reloadBrowser(BookmarkTreeModel::FirefoxSource);
    QCOMPARE(model.headerItem()->child(0)->childCount(), 3);
}

void TestBookmarkTreeModel::unloadRunningBrowsers()
{
    LoadedPc pc;
    IBrowser::setProcessProbe([](const QString &) { return true; });
    pc.model->unloadRunningBrowsers();
    // One browser per call, Firefox first.
    QCOMPARE(pc.row(0)->childCount(), 0);
    QVERIFY(!pc.model->firefox()->isLoaded());
    QCOMPARE(pc.indexOf(pc.row(0)).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    QCOMPARE(pc.row(1)->childCount(), 3);
    pc.model->unloadRunningBrowsers();
    QCOMPARE(pc.row(1)->childCount(), 0);
    // What was read is not written while the browser runs.
    const QByteArray before = QJsonDocument(readJson(pc.chromeFile)).toJson();
    pc.model->save();
    QCOMPARE(QJsonDocument(readJson(pc.chromeFile)).toJson(), before);
}

void TestBookmarkTreeModel::setData_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("under Firefox") << 0 << QStringLiteral("Renamed") << false;
    QTest::newRow("under Chrome") << 1 << QStringLiteral("Renamed") << true;
    QTest::newRow("same title") << 1 << QStringLiteral("Linux") << false;
}

void TestBookmarkTreeModel::setData()
{
    QFETCH(int, row);
    QFETCH(QString, title);
    QFETCH(bool, accepted);
    LoadedPc pc;
    BookmarkItem *folder = row == 0 ? pc.row(0)->child(1)->child(0) : pc.row(1)->child(0)->child(0);
    QCOMPARE(pc.model->setData(pc.indexOf(folder), title, Qt::EditRole), accepted);
    QVERIFY(!pc.model->setData(pc.indexOf(folder), title, Qt::DisplayRole));
    const QString written = readJson(pc.chromeFile)
                                .value(QStringLiteral("roots"))
                                .toObject()
                                .value(QStringLiteral("bookmark_bar"))
                                .toObject()
                                .value(QStringLiteral("children"))
                                .toArray()
                                .at(0)
                                .toObject()
                                .value(QStringLiteral("name"))
                                .toString();
    QCOMPARE(written, row == 1 && accepted ? title : QStringLiteral("Linux"));
}

void TestBookmarkTreeModel::flags()
{
    PaneTestHome home;
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    BookmarkTreeModel device(1);
    device.reload();
    const BookmarkItem *bar = device.headerItem()->child(0)->child(0);
    QVERIFY(!(device.flags(device.indexFromItem(const_cast<BookmarkItem *>(bar))) & Qt::ItemIsEditable));
    QVERIFY(device.flags(device.indexFromItem(bar->child(0))) & Qt::ItemIsEditable);
    QVERIFY(!(device.flags(device.indexFromItem(bar->child(1))) & Qt::ItemIsEditable));
    QCOMPARE(device.flags(QModelIndex()), Qt::NoItemFlags);
}

void TestBookmarkTreeModel::insertRows_data()
{
    QTest::addColumn<bool>("underRoot");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("device root") << true << 0 << 1 << false;
    QTest::newRow("first in a folder") << false << 0 << 2 << true;
    QTest::newRow("past the end appends") << false << 99 << 1 << true;
    QTest::newRow("none") << false << 0 << 0 << false;
}

void TestBookmarkTreeModel::insertRows()
{
    QFETCH(bool, underRoot);
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(bool, accepted);
    PaneTestHome home;
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());
    BookmarkTreeModel model(1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.reload();
    BookmarkItem *parent = model.headerItem()->child(0);
    if (!underRoot)
        parent = parent->child(0);
    const int before = parent->childCount();
    QCOMPARE(model.insertRows(row, count, model.indexFromItem(parent)), accepted);
    QCOMPARE(parent->childCount(), before + (accepted ? count : 0));
    if (accepted) {
        const BookmarkItem *created = parent->child(qMin(row, before));
        QCOMPARE(created->title(), QStringLiteral("IDS_FOLDER"));
        QCOMPARE(created->type(), int(FolderItem));
        QVERIFY(created->isRenamable() && created->storedId() == -1);
    }
}

void TestBookmarkTreeModel::removeRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("one") << 1 << 1 << true
                         << QStringList { QStringLiteral("Bookmarks bar"),
                                QStringLiteral("Mobile bookmarks") };
    QTest::newRow("none") << 0 << 0 << true
                          << QStringList { QStringLiteral("Bookmarks bar"), QStringLiteral("Other bookmarks"),
                                 QStringLiteral("Mobile bookmarks") };
    QTest::newRow("past the end") << 2 << 5 << false
                                  << QStringList { QStringLiteral("Bookmarks bar"),
                                         QStringLiteral("Other bookmarks") };
}

void TestBookmarkTreeModel::removeRows()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(bool, result);
    QFETCH(QStringList, left);
    LoadedPc pc;
    // Chrome's roots are not removable; made so here to test the ranges.
    BookmarkItem *chrome = pc.row(1);
    QCOMPARE(pc.model->removeRows(0, 1, pc.indexOf(chrome)), false);
    QCOMPARE(chrome->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        BookmarkItem::Record record = chrome->child(i)->record();
        record.removable = true;
        BookmarkItem *replacement = new BookmarkItem(record);
        delete chrome->takeChild(i);
        chrome->insertChild(i, replacement);
    }
    QCOMPARE(pc.model->removeRows(row, count, pc.indexOf(chrome)), result);
    QCOMPARE(childTitles(chrome), left);
    QVERIFY(!pc.model->removeRows(0, 1, QModelIndex()));
}

void TestBookmarkTreeModel::copyItem()
{
    LoadedPc pc;
    BookmarkItem *linux = pc.row(0)->child(1)->child(0);
    BookmarkItem *other = pc.row(1)->child(1);
    pc.model->copyItem(linux, other);
    QCOMPARE(other->childCount(), 1);
    const BookmarkItem *copy = other->child(0);
    QCOMPARE(copy->title(), QStringLiteral("Linux"));
    QCOMPARE(childTitles(copy), childTitles(linux));
    QCOMPARE(copy->id().toInt(), -1);
    QCOMPARE(copy->child(1)->id().toInt(), -1);
    QCOMPARE(copy->child(1)->url(), QStringLiteral("https://www.kernel.org/"));
    QCOMPARE(linux->id().toInt(), 7);
    QCOMPARE(linux->child(1)->id().toInt(), 10);
    // Only a device model makes the copied folders renamable.
    QVERIFY(!copy->isRenamable());
    // A copy of a browser's root folder can be deleted again.
    BookmarkItem *bar = pc.row(1)->child(0);
    pc.model->copyItem(bar, other);
    QVERIFY(!bar->isRemovable());
    QVERIFY(other->child(1)->isRemovable());
    pc.model->save();
    QCOMPARE(readJson(pc.chromeFile)
                 .value(QStringLiteral("roots"))
                 .toObject()
                 .value(QStringLiteral("other"))
                 .toObject()
                 .value(QStringLiteral("children"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("id"))
                 .toString(),
        QStringLiteral("8"));
}

void TestBookmarkTreeModel::lockedFirefoxShownNotLoaded()
{
    LoadedPc pc;
    pc.model->copyItem(pc.row(1)->child(0)->child(1), pc.row(0)->child(0));
    const DatabaseLock lock(Firefox::firefoxDir() + QStringLiteral("abc.default/places.sqlite"));
    QVERIFY(lock.isLocked());
    QSignalSpy changed(pc.model.get(), &QAbstractItemModel::dataChanged);
    pc.model->save();
    QCOMPARE(pc.indexOf(pc.row(0)).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    QCOMPARE(changed.count(), 1);
}

void TestBookmarkTreeModel::deviceRowNamed()
{
    PaneTestHome home;
    BookmarkTreeModel device(1);
    QSignalSpy changed(&device, &QAbstractItemModel::dataChanged);
    device.setDeviceModel(QStringLiteral("X2"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(device.index(0, 0).data().toString(),
        QCoreApplication::translate("BookmarkTreeModel", "IDS_MY_OPALO").arg(QStringLiteral("X2")));
}

void TestBookmarkTreeModel::onlyChangedStoresWritten()
{
    LoadedPc pc;
    const QByteArray chromeBefore = QJsonDocument(readJson(pc.chromeFile)).toJson();
    const QFileInfo before(pc.chromeFile);
    pc.model->copyItem(pc.row(1)->child(0)->child(1), pc.row(0)->child(0));
    QVERIFY(pc.model->save());
    QVERIFY(pc.row(0)->child(0)->child(1)->storedId() > 11);
    QCOMPARE(QFileInfo(pc.chromeFile).lastModified(), before.lastModified());
    QVERIFY(!QFile::exists(pc.chromeFile + QStringLiteral(".bak")));
    QCOMPARE(QJsonDocument(readJson(pc.chromeFile)).toJson(), chromeBefore);
}

void TestBookmarkTreeModel::browserStartedBeforeSave_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("process");
    QTest::newRow("Firefox") << 0 << QStringLiteral("firefox-esr");
    QTest::newRow("Chromium") << 1 << QStringLiteral("chromium");
}

void TestBookmarkTreeModel::browserStartedBeforeSave()
{
    QFETCH(int, row);
    QFETCH(QString, process);
    LoadedPc pc;
    const QStringList before = treeState(pc.home.homePath());
    // Chrome's Linux folder into Firefox's menu, or Firefox's bookmark into
    // Chrome's other bookmarks.
    const BookmarkItem *source = row == 0 ? pc.row(1)->child(0)->child(0) : pc.row(0)->child(0)->child(0);
    pc.model->copyItem(source, pc.row(row)->child(row));
    const QString copied = source->title();
    IBrowser::setProcessProbe([process](const QString &name) { return name == process; });
    QStringList unwritten;
    QVERIFY(!pc.model->save(&unwritten));
    QCOMPARE(unwritten, QStringList { copied });
    QCOMPARE(treeState(pc.home.homePath()), before);
    QCOMPARE(pc.row(row)->childCount(), 0);
    QCOMPARE(pc.indexOf(pc.row(row)).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
}

void TestBookmarkTreeModel::nestsTooDeep_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("tooDeep");
    // The root folders are on level 1; Chromium loads items down to 99.
    QTest::newRow("a bookmark onto 99") << 98 << 1 << false;
    QTest::newRow("a bookmark onto 100") << 99 << 1 << true;
    QTest::newRow("a folder of bookmarks onto 99") << 97 << 2 << false;
    QTest::newRow("a folder of bookmarks onto 100") << 98 << 2 << true;
}

void TestBookmarkTreeModel::nestsTooDeep()
{
    QFETCH(int, level);
    QFETCH(int, height);
    QFETCH(bool, tooDeep);
    LoadedPc pc;
    BookmarkItem *destination = pc.row(1)->child(0);
    for (int i = 1; i < level; ++i) {
        auto *folder = new BookmarkItem({ QStringLiteral("down"), QString(), FolderItem, -1, true, true });
        destination->appendChild(folder);
        destination = folder;
    }
    const BookmarkItem *source = height == 1 ? pc.row(0)->child(0)->child(0) : pc.row(0)->child(1)->child(0);
    QCOMPARE(pc.model->nestsTooDeep(source, destination), tooDeep);
    // Firefox has no such limit.
    QVERIFY(!pc.model->nestsTooDeep(pc.row(1)->child(0), pc.row(0)->child(0)));
}

void TestBookmarkTreeModel::unwritableStoreRefusesChanges()
{
    PaneTestHome home;
    QJsonObject file = currentChromeFile();
    file.insert(QStringLiteral("version"), 2);
    const QString path = writeChromeFile(1, QJsonDocument(file).toJson());
    const QStringList before = treeState(home.devicePath());
    BookmarkTreeModel model(1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.reload();
    BookmarkItem *bar = model.headerItem()->child(0)->child(0);
    const QModelIndex linux = model.indexFromItem(bar->child(0));
    QCOMPARE(bar->childCount(), 2);
    QVERIFY(!(model.flags(linux) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(linux, QStringLiteral("Renamed")));
    QVERIFY(!model.insertRows(0, 1, model.indexFromItem(bar)));
    QVERIFY(!model.removeRows(0, 1, model.indexFromItem(bar)));
    QCOMPARE(childTitles(bar), (QStringList { QStringLiteral("Linux"), QStringLiteral("Ünïcode ✓") }));
    QVERIFY(model.save());
    QCOMPARE(treeState(home.devicePath()), before);
}

QTEST_MAIN(TestBookmarkTreeModel)
#include "tst_bookmarktreemodel.moc"
