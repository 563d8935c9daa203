// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestDir.h"
#include "UiTestHelpers.h"
#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/NameOrder.h"
#include "browser/views/QNodeItem.h"
#include "engine/storage/StorageAccounting.h"

#include <QAbstractItemModelTester>
#include <QDirIterator>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

QStringList texts(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    QStringList result;
    for (int row = 0; row < model.rowCount(parent); ++row)
        result.append(model.index(row, 0, parent).data().toString());
    return result;
}

QModelIndex childNamed(const QAbstractItemModel &model, const QModelIndex &parent, const QString &name)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        if (index.data().toString() == name)
            return index;
    }
    return QModelIndex();
}

QString folderName(const QString &path)
{
    return QFileInfo(path).fileName();
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

} // namespace

class TestBrowserTreeModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void topLevelOrder_data();
    void topLevelOrder();
    void mountTableFallsBack_data();
    void mountTableFallsBack();
    void deviceLabel_data();
    void deviceLabel();
    void expanderOnlyForVisibleSubFolders_data();
    void expanderOnlyForVisibleSubFolders();
    void largeFolderProbesItsRowsInTheBackground();
    void linkedFolderListsItsTarget();
    void backgroundListingShowsWhatADirectOneShows_data();
    void backgroundListingShowsWhatADirectOneShows();
    void refreshOfFixedRowsChangesNothing_data();
    void refreshOfFixedRowsChangesNothing();
    void refreshListsNewFolders();
    void editableRows_data();
    void editableRows();
    void dragOfALabelCarriesNoUrls_data();
    void dragOfALabelCarriesNoUrls();
    void renameThroughSetData_data();
    void renameThroughSetData();
    void renameNeverReachesThroughALinkOutOfTheDevice();
    void mimeDataCarriesFullPaths();
    void drop_data();
    void drop();
    void moveDropWhoseRemoveFailsKeepsTheCopy();
    void pathLookups();

private:
    // A device tree over m_device, checked by the model tester.
    BrowserTreeModel &deviceModel();
    QModelIndex mountPointIndex(BrowserTreeModel &model) const;

    QTranslator m_translator;
    TestDir m_home;
    std::unique_ptr<TestDir> m_device;
    QString m_mountTable;
    std::unique_ptr<BrowserTreeModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestBrowserTreeModel::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
    qRegisterMetaType<QList<QPersistentModelIndex>>();
    qRegisterMetaType<QAbstractItemModel::LayoutChangeHint>();
    qputenv("HOME", QFile::encodeName(m_home.path()));
    m_mountTable = m_home.createFile(QStringLiteral("mtab"));
    QVERIFY(!m_mountTable.isEmpty());
}

void TestBrowserTreeModel::init()
{
    m_device = std::make_unique<TestDir>();
    setMountPoint(m_device->path());
    QVERIFY(!m_home.createFile(QStringLiteral("mtab"), QByteArray()).isEmpty());
    BrowserTreeModel::setMountTables({ m_mountTable });
}

void TestBrowserTreeModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
    setMountPoint(QString());
}

BrowserTreeModel &TestBrowserTreeModel::deviceModel()
{
    const std::atomic<bool> running { false };
    m_model
        = std::make_unique<BrowserTreeModel>(ExternalDeviceMode, StorageAccounting(running).deviceModel());
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    return *m_model;
}

QModelIndex TestBrowserTreeModel::mountPointIndex(BrowserTreeModel &model) const
{
    return model.index(0, 0, model.index(0, 0));
}

void TestBrowserTreeModel::topLevelOrder_data()
{
    QTest::addColumn<int>("side");
    QTest::newRow("host") << int(HostMode);
    QTest::newRow("device") << int(ExternalDeviceMode);
}

void TestBrowserTreeModel::topLevelOrder()
{
    QFETCH(int, side);
    m_home.createFile(QStringLiteral("mtab"),
        "/dev/sdb1 /media/usb\\040stick vfat rw,uid=1000 0 0\n"
        "proc /proc proc rw,nosuid 0 0\n"
        "/dev/vda / ext4 rw,relatime,resuid=65534,resgid=65534 0 0\n"
        "/dev/sdc1 /media/user/cam vfat rw,nosuid,uid=1000,gid=100 0 0\n"
        "tmpfs /run tmpfs rw,mode=755 0 0\n");
    BrowserTreeModel model { BrowserMode(side) };

    const QString label = side == HostMode ? QStringLiteral("My computer") : QStringLiteral("OPALO");
    // The categories in the order of their names, as every folder below.
    const QStringList categories { folderName(MediaCategories::folder(side, DocumentsMode)),
        folderName(MediaCategories::folder(side, PicturesMode)),
        folderName(MediaCategories::folder(side, MusicMode)),
        folderName(MediaCategories::folder(side, MovieMode)) };
    QStringList sorted = categories;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(texts(model), QStringList { label } + sorted + QStringList({ "usb stick", "cam" }));

    const QList<int> kinds { DocumentsNode, PicturesNode, MusicNode, VideoNode };
    for (int row = 1; row <= kinds.size(); ++row) {
        const int category = int(categories.indexOf(sorted.at(row - 1)));
        QCOMPARE(model.nodeFromIndex(model.index(row, 0))->kind(), kinds.at(category));
    }
    QCOMPARE(model.nodeFromIndex(model.index(0, 0))->kind(), LabelNode);
    QCOMPARE(model.index(5, 0).data(BrowserTreeModel::FullPathRole).toString(),
        QStringLiteral("/media/usb stick"));
    QCOMPARE(model.categoryIndex(PicturesMode).data(BrowserTreeModel::FullPathRole).toString(),
        QDir::cleanPath(MediaCategories::folder(side, PicturesMode)));

    const QString under = side == HostMode ? QStringLiteral("/") : folderName(m_device->path());
    QCOMPARE(texts(model, model.index(0, 0)), QStringList { under });
}

void TestBrowserTreeModel::mountTableFallsBack_data()
{
    QTest::addColumn<bool>("firstExists");
    QTest::addColumn<bool>("secondExists");
    QTest::addColumn<QStringList>("mounts");
    const QStringList first { QStringLiteral("first") };
    const QStringList second { QStringLiteral("second") };
    QTest::newRow("first table wins") << true << true << first;
    QTest::newRow("second when the first is missing") << false << true << second;
    QTest::newRow("none when neither opens") << false << false << QStringList();
}

void TestBrowserTreeModel::mountTableFallsBack()
{
    QFETCH(bool, firstExists);
    QFETCH(bool, secondExists);
    QFETCH(QStringList, mounts);
    TestDir tables;
    if (firstExists)
        tables.createFile(QStringLiteral("mnttab"), "/dev/a /media/first ext4 rw,uid=0 0 0\n");
    if (secondExists)
        tables.createFile(QStringLiteral("mtab"), "/dev/b /media/second ext4 rw,uid=0 0 0\n");
    BrowserTreeModel::setMountTables(
        { tables.filePath(QStringLiteral("mnttab")), tables.filePath(QStringLiteral("mtab")) });

    BrowserTreeModel &model = deviceModel();
    QCOMPARE(texts(model).mid(5), mounts);
}

void TestBrowserTreeModel::deviceLabel_data()
{
    QTest::addColumn<QByteArray>("marker");
    QTest::addColumn<QString>("label");
    QTest::newRow("no marker") << QByteArray() << QStringLiteral("OPALO");
    QTest::newRow("empty marker") << QByteArray("") << QStringLiteral("OPALO");
    QTest::newRow("Pico") << QByteArray("Pico\n") << QStringLiteral("OPALO Pico HD");
    QTest::newRow("Magno") << QByteArray("Magno") << QStringLiteral("OPALO MG HD");
}

void TestBrowserTreeModel::deviceLabel()
{
    QFETCH(QByteArray, marker);
    QFETCH(QString, label);
    if (!marker.isNull())
        m_device->createFile(QStringLiteral(".opalo"), marker);
    BrowserTreeModel &model = deviceModel();
    QCOMPARE(model.index(0, 0).data().toString(), label);
}

void TestBrowserTreeModel::expanderOnlyForVisibleSubFolders_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    // "name>target": a link in the folder to target, relative to the device.
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<bool>("expander");
    QTest::newRow("empty") << QStringList() << QStringList() << QStringList() << false;
    QTest::newRow("files only") << QStringList { "a.jpg", "b.txt" } << QStringList() << QStringList()
                                << false;
    QTest::newRow("hidden sub-folder only")
        << QStringList { "a.jpg" } << QStringList { ".cache" } << QStringList() << false;
    QTest::newRow("a sub-folder") << QStringList { "a.jpg" } << QStringList { ".cache", "Holidays" }
                                  << QStringList() << true;
    QTest::newRow("a link to a folder")
        << QStringList() << QStringList() << QStringList { "to>elsewhere" } << true;
    QTest::newRow("a link to a file")
        << QStringList() << QStringList() << QStringList { "to>file.txt" } << false;
    QTest::newRow("a broken link") << QStringList() << QStringList() << QStringList { "to>missing" } << false;
    QTest::newRow("a hidden link to a folder")
        << QStringList() << QStringList() << QStringList { ".to>elsewhere" } << false;
}

void TestBrowserTreeModel::expanderOnlyForVisibleSubFolders()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, links);
    QFETCH(bool, expander);
    m_device->createFolder(QStringLiteral("probe"));
    m_device->createFolder(QStringLiteral("elsewhere"));
    m_device->createFile(QStringLiteral("file.txt"), "x");
    for (const QString &file : files)
        m_device->createFile(QStringLiteral("probe/") + file, "x");
    for (const QString &folder : folders)
        m_device->createFolder(QStringLiteral("probe/") + folder);
    for (const QString &link : links) {
        const QStringList parts = link.split(QLatin1Char('>'));
        m_device->createSymlink(m_device->filePath(parts.at(1)), QStringLiteral("probe/") + parts.at(0));
    }

    BrowserTreeModel &model = deviceModel();
    const QModelIndex probe = childNamed(model, mountPointIndex(model), QStringLiteral("probe"));
    QVERIFY(probe.isValid());
    QCOMPARE(model.hasChildren(probe), expander);
    QCOMPARE(model.rowCount(probe) > 0, expander);
    // Once listed the answer is the listing's.
    QCOMPARE(model.hasChildren(probe), expander);
}

void TestBrowserTreeModel::largeFolderProbesItsRowsInTheBackground()
{
    const int count = BrowserTreeModel::directProbeLimit + 10;
    for (int i = 0; i < count; ++i)
        m_device->createFolder(QStringLiteral("big/empty %1").arg(i));
    m_device->createFolder(QStringLiteral("big/parent/child"));
    m_device->createFile(QStringLiteral("big/files only/a.jpg"), "x");
    // No model tester: it opens every row it can, as no view does.
    BrowserTreeModel model(ExternalDeviceMode);
    const QModelIndex big = childNamed(model, mountPointIndex(model), QStringLiteral("big"));
    QCOMPARE(model.rowCount(big), count + 2);
    const auto expanders = [&] {
        QStringList names;
        for (int row = 0; row < model.rowCount(big); ++row) {
            if (model.hasChildren(model.index(row, 0, big)))
                names.append(model.index(row, 0, big).data().toString());
        }
        return names;
    };
    QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);

    // Until the answers come every row may have sub-folders.
    QCOMPARE(expanders().size(), count + 2);
    QTRY_COMPARE(expanders(), QStringList { QStringLiteral("parent") });
    QVERIFY(layouts.count() >= 1);
    const QModelIndex parent = childNamed(model, big, QStringLiteral("parent"));
    QCOMPARE(texts(model, parent), QStringList { QStringLiteral("child") });

    // Rows discarded by a refresh before their answer came are probed anew.
    model.refresh(big);
    QCOMPARE(expanders().size(), count + 2);
    model.refresh(big);
    QTRY_COMPARE(expanders(), QStringList { QStringLiteral("parent") });
}

void TestBrowserTreeModel::linkedFolderListsItsTarget()
{
    TestDir elsewhere;
    elsewhere.createFolder(QStringLiteral("target/one"));
    elsewhere.createFolder(QStringLiteral("target/two"));
    elsewhere.createFile(QStringLiteral("target/file.jpg"), "x");
    QVERIFY(!m_device->createSymlink(elsewhere.path() + QStringLiteral("//target/"), QStringLiteral("link"))
            .isEmpty());

    BrowserTreeModel &model = deviceModel();
    const QModelIndex link = childNamed(model, mountPointIndex(model), QStringLiteral("link"));
    QVERIFY(link.isValid());
    QVERIFY(model.hasChildren(link));
    QStringList listed = texts(model, link);
    listed.sort();
    QCOMPARE(listed, (QStringList { QStringLiteral("one"), QStringLiteral("two") }));
    QCOMPARE(link.data(Qt::ToolTipRole).toString(), elsewhere.path() + QStringLiteral("/target"));
    QCOMPARE(link.data(BrowserTreeModel::FileNameRole).toString(), QStringLiteral("target"));
}

void TestBrowserTreeModel::backgroundListingShowsWhatADirectOneShows_data()
{
    QTest::addColumn<QStringList>("folders");
    // "name>target": a link in the folder to target, relative to the device.
    QTest::addColumn<QStringList>("links");
    // Generated folders beyond those, enough to come in over several slices.
    QTest::addColumn<int>("many");
    QTest::addColumn<bool>("refreshMeanwhile");
    // Every expander read after the rows are handed over.
    QTest::addColumn<bool>("probedAfter");
    const QStringList links { "to>elsewhere", "tofile>file.txt", "broken>missing", ".hidden>elsewhere" };
    QTest::newRow("natural order") << QStringList { "photo 10", "photo 9", "Photo 1", "b", "A" }
                                   << QStringList() << 0 << false << false;
    QTest::newRow("hidden folders") << QStringList { ".cache", "seen" } << QStringList() << 0 << false
                                    << false;
    QTest::newRow("links") << QStringList { "plain" } << links << 0 << false << false;
    QTest::newRow("many folders") << QStringList() << QStringList() << 700 << false << false;
    QTest::newRow("refreshed meanwhile") << QStringList { "plain" } << links << 700 << true << false;
    QTest::newRow("expanders read afterwards") << QStringList { "plain" } << links << 700 << false << true;
}

void TestBrowserTreeModel::backgroundListingShowsWhatADirectOneShows()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, links);
    QFETCH(int, many);
    QFETCH(bool, refreshMeanwhile);
    QFETCH(bool, probedAfter);
    BrowserTreeModel::setListedProbeBudget(probedAfter ? 0 : 20);
    const auto restore = qScopeGuard([] { BrowserTreeModel::setListedProbeBudget(20); });
    m_device->createFolder(QStringLiteral("elsewhere/inner"));
    m_device->createFile(QStringLiteral("file.txt"), "x");
    m_device->createFile(QStringLiteral("shown/a.jpg"), "x");
    QVERIFY(
        ::mkfifo(QFile::encodeName(m_device->filePath(QStringLiteral("shown/pipe"))).constData(), 0644) == 0);
    for (int i = 0; i < many; ++i)
        folders.append(QStringLiteral("folder %1").arg(i));
    for (const QString &folder : qAsConst(folders))
        m_device->createFolder(QStringLiteral("shown/") + folder);
    for (const QString &link : links) {
        const QStringList parts = link.split(QLatin1Char('>'));
        m_device->createSymlink(m_device->filePath(parts.at(1)), QStringLiteral("shown/") + parts.at(0));
    }
    // What the tree listed each folder with until now.
    QStringList expected;
    QDirIterator found(m_device->filePath(QStringLiteral("shown")), QDir::Dirs | QDir::NoDotAndDotDot);
    while (found.hasNext())
        expected.append(found.next());
    NameOrder::sortPaths(expected);

    const std::atomic<bool> running { false };
    m_model
        = std::make_unique<BrowserTreeModel>(ExternalDeviceMode, StorageAccounting(running).deviceModel());
    BrowserTreeModel &model = *m_model;
    const QModelIndex shown = childNamed(model, mountPointIndex(model), QStringLiteral("shown"));
    model.expand(shown);
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    if (refreshMeanwhile)
        model.refresh(shown);
    QNodeItem *node = model.nodeFromIndex(shown);
    QTRY_VERIFY(node->isPopulated() && node->listingTicket() == 0);
    QCOMPARE(model.rowCount(shown), expected.size());
    for (int row = 0; row < expected.size(); ++row) {
        const QModelIndex listed = model.index(row, 0, shown);
        const QFileInfo file(expected.at(row));
        QCOMPARE(listed.data().toString(), file.fileName());
        const QString target = file.isSymLink() ? file.symLinkTarget() : file.absoluteFilePath();
        QCOMPARE(listed.data(Qt::ToolTipRole).toString(), QDir::cleanPath(target));
        QCOMPARE(listed.data(BrowserTreeModel::FileNameRole).toString(), QFileInfo(target).fileName());
        QCOMPARE(bool(model.flags(listed) & Qt::ItemIsDropEnabled), file.isDir());
        // The expanders of the first rows come with them, with no probe of
        // their own to wait for.
        const bool holds = file.fileName() == QLatin1String("to");
        if (!probedAfter && row < BrowserTreeModel::directProbeLimit)
            QCOMPARE(model.hasChildren(listed), holds);
        else
            QTRY_COMPARE(model.hasChildren(listed), holds);
    }
}

void TestBrowserTreeModel::refreshOfFixedRowsChangesNothing_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("row");
    QTest::newRow("device root") << int(ExternalDeviceMode) << -1;
    QTest::newRow("device label") << int(ExternalDeviceMode) << 0;
    QTest::newRow("host root") << int(HostMode) << -1;
    QTest::newRow("My computer") << int(HostMode) << 0;
}

void TestBrowserTreeModel::refreshOfFixedRowsChangesNothing()
{
    QFETCH(int, side);
    QFETCH(int, row);
    BrowserTreeModel model { BrowserMode(side) };
    const QStringList top = texts(model);
    const QStringList labelChildren = texts(model, model.index(0, 0));
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);

    if (row < 0)
        model.refresh();
    else
        model.refresh(model.index(row, 0));

    QCOMPARE(texts(model), top);
    QCOMPARE(texts(model, model.index(0, 0)), labelChildren);
    QCOMPARE(removed.count() + inserted.count() + layout.count(), 0);
}

void TestBrowserTreeModel::refreshListsNewFolders()
{
    // Listed in natural order, whatever the letter case, as file managers do
    // (in a language's locale; the C locale's order is its bytes').
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    m_device->createFolder(QStringLiteral("photo 10"));
    m_device->createFolder(QStringLiteral("Beta"));
    BrowserTreeModel &model = deviceModel();
    const QModelIndex top = mountPointIndex(model);
    QCOMPARE(texts(model, top), (QStringList { "Beta", "photo 10" }));

    m_device->createFolder(QStringLiteral("photo 2"));
    m_device->createFolder(QStringLiteral("alpha"));
    QCOMPARE(texts(model, top), (QStringList { "Beta", "photo 10" }));
    model.refresh(top);
    QCOMPARE(texts(model, top), (QStringList { "alpha", "Beta", "photo 2", "photo 10" }));
}

void TestBrowserTreeModel::editableRows_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("draggable");
    QTest::newRow("device label") << int(ExternalDeviceMode) << QList<int> { 0 } << false << false;
    QTest::newRow("device mount point") << int(ExternalDeviceMode) << QList<int> { 0, 0 } << false << true;
    QTest::newRow("device category") << int(ExternalDeviceMode) << QList<int> { 2 } << false << true;
    QTest::newRow("device sub-folder") << int(ExternalDeviceMode) << QList<int> { 0, 0, 0 } << true << true;
    QTest::newRow("host label") << int(HostMode) << QList<int> { 0 } << true << false;
    QTest::newRow("host category") << int(HostMode) << QList<int> { 2 } << true << true;
    QTest::newRow("host drive") << int(HostMode) << QList<int> { 0, 0 } << true << true;
}

void TestBrowserTreeModel::editableRows()
{
    QFETCH(int, side);
    QFETCH(QList<int>, path);
    QFETCH(bool, editable);
    QFETCH(bool, draggable);
    m_device->createFolder(QStringLiteral("sub"));
    BrowserTreeModel model { BrowserMode(side) };
    QModelIndex index;
    for (int row : path)
        index = model.index(row, 0, index);
    QVERIFY(index.isValid());
    QCOMPARE(bool(model.flags(index) & Qt::ItemIsEditable), editable);
    QCOMPARE(bool(model.flags(index) & Qt::ItemIsDragEnabled), draggable);
    QVERIFY(!(model.flags(QModelIndex()) & Qt::ItemIsEditable));
}

void TestBrowserTreeModel::dragOfALabelCarriesNoUrls_data()
{
    // "My computer" and the device label.
    topLevelOrder_data();
}

void TestBrowserTreeModel::dragOfALabelCarriesNoUrls()
{
    QFETCH(int, side);
    BrowserTreeModel model { BrowserMode(side) };
    const QModelIndex label = model.index(0, 0);
    const QModelIndex category = model.index(2, 0);
    // A view drags what the model gives for the selection, label included.
    const std::unique_ptr<QMimeData> data(model.mimeData({ label, category }));
    QCOMPARE(data->urls(),
        QList<QUrl> { QUrl::fromLocalFile(category.data(BrowserTreeModel::FullPathRole).toString()) });
    const std::unique_ptr<QMimeData> labelOnly(model.mimeData({ label }));
    QVERIFY(labelOnly->urls().isEmpty());
}

void TestBrowserTreeModel::renameThroughSetData_data()
{
    QTest::addColumn<QString>("newName");
    QTest::addColumn<bool>("renamed");
    QTest::newRow("plain name") << QStringLiteral("Summer 2009") << true;
    QTest::newRow("name with a separator") << QStringLiteral("../escaped") << false;
    QTest::newRow("parent folder") << QStringLiteral("..") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("taken by a sibling") << QStringLiteral("sibling") << false;
}

void TestBrowserTreeModel::renameThroughSetData()
{
    QFETCH(QString, newName);
    QFETCH(bool, renamed);
    m_device->createFolder(QStringLiteral("album/holidays/day one"));
    m_device->createFolder(QStringLiteral("album/sibling"));
    BrowserTreeModel &model = deviceModel();
    const QModelIndex album = childNamed(model, mountPointIndex(model), QStringLiteral("album"));
    const QModelIndex holidays = childNamed(model, album, QStringLiteral("holidays"));
    QVERIFY(holidays.isValid());
    QCOMPARE(texts(model, holidays), QStringList { QStringLiteral("day one") });
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    QCOMPARE(model.setData(holidays, newName), renamed);

    const QString renamedPath = m_device->filePath(QStringLiteral("album/") + newName);
    QCOMPARE(QFileInfo::exists(m_device->filePath(QStringLiteral("album/holidays"))), !renamed);
    QCOMPARE(changed.count(), renamed ? 1 : 0);
    if (!renamed)
        return;
    QVERIFY(QFileInfo(renamedPath).isDir());
    QCOMPARE(holidays.data().toString(), newName);
    QCOMPARE(holidays.data(BrowserTreeModel::FullPathRole).toString(), renamedPath);
    // The sub-folders now live under the new name.
    const QModelIndex day = childNamed(model, holidays, QStringLiteral("day one"));
    QCOMPARE(day.data(BrowserTreeModel::FullPathRole).toString(), renamedPath + QStringLiteral("/day one"));
}

void TestBrowserTreeModel::renameNeverReachesThroughALinkOutOfTheDevice()
{
    TestDir outside;
    outside.createFolder(QStringLiteral("private/victim"));
    m_device->createFolder(QStringLiteral("inside/own"));
    m_device->createSymlink(outside.filePath(QStringLiteral("private")), QStringLiteral("inside/escape"));
    BrowserTreeModel &model = deviceModel();
    const QModelIndex inside = childNamed(model, mountPointIndex(model), QStringLiteral("inside"));
    const QModelIndex escape = childNamed(model, inside, QStringLiteral("escape"));
    const QModelIndex victim = childNamed(model, escape, QStringLiteral("victim"));
    QVERIFY(victim.isValid());
    QVERIFY(model.flags(victim) & Qt::ItemIsEditable);

    QVERIFY(!model.setData(victim, QStringLiteral("taken")));
    QVERIFY(QFileInfo(outside.filePath(QStringLiteral("private/victim"))).isDir());
    QVERIFY(!QFileInfo::exists(outside.filePath(QStringLiteral("private/taken"))));

    // The link itself lives on the device and may be renamed.
    QVERIFY(model.setData(escape, QStringLiteral("shortcut")));
    QVERIFY(QFileInfo(m_device->filePath(QStringLiteral("inside/shortcut"))).isSymLink());
}

void TestBrowserTreeModel::mimeDataCarriesFullPaths()
{
    m_device->createFolder(QStringLiteral("a"));
    m_device->createFolder(QStringLiteral("b c"));
    BrowserTreeModel &model = deviceModel();
    const QModelIndex top = mountPointIndex(model);
    const QModelIndexList indexes { childNamed(model, top, QStringLiteral("a")),
        childNamed(model, top, QStringLiteral("a")).sibling(0, 1),
        childNamed(model, top, QStringLiteral("b c")) };
    std::unique_ptr<QMimeData> data(model.mimeData(indexes));
    QCOMPARE(model.mimeTypes(), QStringList { QStringLiteral("text/uri-list") });
    QVERIFY(data->hasFormat(QStringLiteral("text/uri-list")));
    const QList<QUrl> expected { QUrl::fromLocalFile(m_device->filePath(QStringLiteral("a"))),
        QUrl::fromLocalFile(m_device->filePath(QStringLiteral("b c"))) };
    QCOMPARE(data->urls(), expected);
}

void TestBrowserTreeModel::drop_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("sourceStays");
    QTest::addColumn<bool>("targetIsLink");
    QTest::newRow("copy") << int(Qt::CopyAction) << true << true << false;
    QTest::newRow("move") << int(Qt::MoveAction) << true << false << false;
    QTest::newRow("link") << int(Qt::LinkAction) << true << true << true;
    QTest::newRow("ignore") << int(Qt::IgnoreAction) << false << true << false;
}

void TestBrowserTreeModel::drop()
{
    QFETCH(int, action);
    QFETCH(bool, result);
    QFETCH(bool, sourceStays);
    QFETCH(bool, targetIsLink);
    const QString source = m_device->createFile(QStringLiteral("from/photo one.jpg"), "picture");
    m_device->createFolder(QStringLiteral("to"));
    BrowserTreeModel &model = deviceModel();
    const QModelIndex to = childNamed(model, mountPointIndex(model), QStringLiteral("to"));
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(source) });

    QCOMPARE(model.dropMimeData(&data, Qt::DropAction(action), -1, -1, to), result);

    const QFileInfo target(m_device->filePath(QStringLiteral("to/photo one.jpg")));
    QCOMPARE(QFileInfo::exists(source), sourceStays);
    QCOMPARE(target.exists(), result);
    QCOMPARE(target.isSymLink(), targetIsLink);
    QVERIFY(!model.dropMimeData(&data, Qt::CopyAction, -1, -1, QModelIndex()));
}

void TestBrowserTreeModel::moveDropWhoseRemoveFailsKeepsTheCopy()
{
    TestDir frozen;
    const QString mountDir = frozen.createFolder(QStringLiteral("ro"));
    if (!run(QStringLiteral("mount"), { "-t", "tmpfs", "-o", "size=1m", "tmpfs", mountDir }))
        QSKIP("mounting a tmpfs is refused here");
    const QString source = mountDir + QStringLiteral("/clip.avi");
    QFile file(source);
    const bool written = file.open(QIODevice::WriteOnly) && file.write("movie") == 5;
    file.close();
    const bool readOnly = run(QStringLiteral("mount"), { "-o", "remount,ro", mountDir });
    if (written && readOnly) {
        m_device->createFolder(QStringLiteral("to"));
        BrowserTreeModel &model = deviceModel();
        const QModelIndex to = childNamed(model, mountPointIndex(model), QStringLiteral("to"));
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(source) });
        QVERIFY(!model.dropMimeData(&data, Qt::MoveAction, -1, -1, to));
        QVERIFY(QFileInfo::exists(source));
        QVERIFY(QFileInfo::exists(m_device->filePath(QStringLiteral("to/clip.avi"))));
    }
    QVERIFY(run(QStringLiteral("umount"), { mountDir }));
    QVERIFY(written);
    QVERIFY(readOnly);
}

void TestBrowserTreeModel::pathLookups()
{
    m_device->createFolder(QStringLiteral("a/b/c"));
    m_device->createFolder(QStringLiteral("x"));
    // The model tester would list every folder.
    BrowserTreeModel model { ExternalDeviceMode };
    const QModelIndex top = mountPointIndex(model);
    const QFileInfo deep(m_device->filePath(QStringLiteral("a/b/c/")));

    // The loaded-node lookup lists nothing.
    QVERIFY(!model.findLoadedPath(deep, top).isValid());
    const QModelIndex found = model.findPath(deep.absoluteFilePath());
    QVERIFY(found.isValid());
    QCOMPARE(found.data().toString(), QStringLiteral("c"));
    QCOMPARE(model.findLoadedPath(deep, top), found);
    QCOMPARE(model.findLoadedPath(QFileInfo(m_device->filePath(QStringLiteral("x"))), top).data().toString(),
        QStringLiteral("x"));
    QVERIFY(!model.findPath(m_device->filePath(QStringLiteral("a/missing"))).isValid());
    QVERIFY(!model.findPath(m_home.path()).isValid());

    // A folder still being listed in the background is listed at once.
    BrowserTreeModel listing { ExternalDeviceMode };
    listing.expand(childNamed(listing, mountPointIndex(listing), QStringLiteral("a")));
    QCOMPARE(listing.findPath(deep.absoluteFilePath()).data().toString(), QStringLiteral("c"));
}

QTEST_MAIN(TestBrowserTreeModel)
#include "tst_browsertreemodel.moc"
