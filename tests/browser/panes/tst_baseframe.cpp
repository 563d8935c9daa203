// SPDX-License-Identifier: GPL-2.0-or-later
#include "PaneTestHome.h"
#include "TestDir.h"

#include "base/LayoutSettings.h"
#include "base/SessionFlags.h"
#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/panes/HostFrame.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/BrowserTreeView.h"
#include "browser/views/FileDetailsView.h"
#include "browser/views/FolderListModel.h"
#include "browser/views/ItemNameLayout.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <sys/stat.h>

Q_DECLARE_METATYPE(FileBrowserMode)

namespace {

std::unique_ptr<BaseFrame> makePane(BrowserMode side)
{
    if (side == HostMode)
        return std::make_unique<HostFrame>();
    return std::make_unique<ExternalDeviceFrame>(QString());
}

QStringList listedNames(BaseFrame &pane)
{
    const QAbstractItemModel *model = pane.listView()->model();
    const QModelIndex root = pane.listView()->rootIndex();
    QStringList names;
    for (int row = 0; row < model->rowCount(root); ++row)
        names << model->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

// Shows a folder outside the tree, as selecting its tree row would.
void showFolder(BaseFrame &pane, const QString &path)
{
    pane.listViewModel()->setFolder(path);
    pane.listView()->setRootIndex(pane.listViewModel()->index(path));
}

bool makeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

bool makeFolder(const QString &path)
{
    return QDir().mkpath(path);
}

mode_t unixMode(const QString &path)
{
    struct stat status = {};
    if (stat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & 07777;
}

} // namespace

class tst_BaseFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void labelRowEmptiesOrShowsDrives_data();
    void labelRowEmptiesOrShowsDrives();
    void selectModeShowsCategoryFolder_data();
    void selectModeShowsCategoryFolder();
    void createFolderPicksFreeName_data();
    void createFolderPicksFreeName();
    void createdFolderIsWritableWhateverItsPath_data();
    void createdFolderIsWritableWhateverItsPath();
    void storedLayoutFollowsDesktop_data();
    void storedLayoutFollowsDesktop();
    void zoomStaysInRangeAndIsStored_data();
    void zoomStaysInRangeAndIsStored();
    void keyboardMenuOpensAtCurrentItem_data();
    void keyboardMenuOpensAtCurrentItem();
    void openingFolderFromListMovesTree();
    void treeListsAFolderAfterTheList();
    void keyboardWalksTheFolders();
    void selectionIsReportedWithSide();
    void deleteStopsAtFirstFailureAndSparesWorkingFolder();
    void listRowsActOnTheirOwnFiles();
    void viewKeySwitchesAndIsRemembered_data();
    void viewKeySwitchesAndIsRemembered();
    void headerClickArrangesBothViews();

private:
    QString showNestedFolders(ExternalDeviceFrame &pane, const QString &name);

    std::unique_ptr<PaneTestHome> home;
};

void tst_BaseFrame::initTestCase()
{
    qRegisterMetaType<QFileInfoList>("QFileInfoList");
    home = std::make_unique<PaneTestHome>();
    QVERIFY(home->isValid());
}

void tst_BaseFrame::labelRowEmptiesOrShowsDrives_data()
{
    QTest::addColumn<BrowserMode>("side");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("my computer shows the drives") << HostMode << QStringList { QStringLiteral("/") };
    QTest::newRow("device label shows nothing") << ExternalDeviceMode << QStringList();
}

void tst_BaseFrame::labelRowEmptiesOrShowsDrives()
{
    QFETCH(BrowserMode, side);
    QFETCH(QStringList, expected);
    const QString picture = home->deviceFolder(PicturesMode) + QStringLiteral("/label.jpg");
    QVERIFY(makeFile(picture));
    auto pane = makePane(side);
    pane->SelectMode(PicturesMode);

    QSignalSpy selection(pane.get(), &BaseFrame::BrowserSelectionChanged);
    pane->treeView()->setCurrentIndex(pane->browserTreeModel()->index(0, 0));
    QCOMPARE(selection.count(), 1);
    QVERIFY(selection.first().at(0).value<QFileInfoList>().isEmpty());
    QVERIFY(pane->currentPath().isEmpty());
    QTRY_COMPARE(listedNames(*pane), expected);
    QVERIFY(QFile::remove(picture));
}

void tst_BaseFrame::selectModeShowsCategoryFolder_data()
{
    QTest::addColumn<BrowserMode>("side");
    QTest::addColumn<FileBrowserMode>("mode");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("treeRow");
    // The category rows sort by name: on the PC the desktop's English
    // folders, on the device the catalogue's keys (no catalogue installed).
    const struct
    {
        const char *name;
        FileBrowserMode mode;
        const char *file;
        int hostRow;
        int deviceRow;
    } categories[] = {
        { "documents", DocumentsMode, "letter.txt", 1, 2 },
        { "pictures", PicturesMode, "shot.JPG", 3, 3 },
        { "music", MusicMode, "song.mp3", 2, 1 },
        { "video", MovieMode, "film.avi", 4, 4 },
    };
    for (BrowserMode side : { HostMode, ExternalDeviceMode }) {
        for (const auto &category : categories) {
            QTest::addRow("%s %s", side == HostMode ? "host" : "device", category.name)
                << side << category.mode << QString::fromLatin1(category.file)
                << (side == HostMode ? category.hostRow : category.deviceRow);
        }
    }
}

void tst_BaseFrame::selectModeShowsCategoryFolder()
{
    QFETCH(BrowserMode, side);
    QFETCH(FileBrowserMode, mode);
    QFETCH(QString, shown);
    QFETCH(int, treeRow);
    const QString folder = side == HostMode ? home->hostFolder(mode) : home->deviceFolder(mode);
    for (const char *name : { "letter.txt", "shot.JPG", "song.mp3", "film.avi" })
        QVERIFY(makeFile(folder + QLatin1Char('/') + QLatin1String(name)));
    QVERIFY(makeFolder(folder + QStringLiteral("/sub folder")));

    auto pane = makePane(side);
    pane->SelectMode(mode);
    QCOMPARE(pane->treeView()->currentIndex().row(), treeRow);
    QVERIFY(!pane->treeView()->currentIndex().parent().isValid());
    QCOMPARE(pane->currentPath(), folder);
    QTRY_COMPARE(listedNames(*pane), (QStringList { shown, QStringLiteral("sub folder") }));
}

void tst_BaseFrame::createFolderPicksFreeName_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free") << QStringList() << QStringLiteral("Folder");
    QTest::newRow("taken once") << QStringList { QStringLiteral("Folder") } << QStringLiteral("Folder 1");
    QTest::newRow("taken twice") << QStringList { QStringLiteral("Folder"), QStringLiteral("Folder 1") }
                                 << QStringLiteral("Folder 2");
    QTest::newRow("only a numbered one")
        << QStringList { QStringLiteral("Folder 1") } << QStringLiteral("Folder");
    QTest::newRow("a file holds the name")
        << QStringList { QStringLiteral("Folder.file") } << QStringLiteral("Folder 1");
}

void tst_BaseFrame::createFolderPicksFreeName()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    TestDir device;
    for (const QString &name : existing) {
        if (name.endsWith(QLatin1String(".file")))
            device.createFile(name.chopped(5));
        else
            device.createFolder(name);
    }
    ExternalDeviceFrame pane { QString() };
    pane.SelectMode(PicturesMode);
    showFolder(pane, device.path());

    QVERIFY(pane.createFolder(QStringLiteral("Folder"), false));
    QVERIFY(QFileInfo(device.filePath(expected)).isDir());
    QCOMPARE(
        QDir(device.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).count(), existing.count() + 1);
    QCOMPARE(FolderListModel::filePathOf(pane.listView()->currentIndex()), device.filePath(expected));
}

void tst_BaseFrame::createdFolderIsWritableWhateverItsPath_data()
{
    QTest::addColumn<QString>("parentName");
    QTest::newRow("blanks") << QStringLiteral("my holiday pictures");
    QTest::newRow("parentheses") << QStringLiteral("copy (2)");
    QTest::newRow("semicolon") << QStringLiteral("a;touch injected;b");
    QTest::newRow("command substitution") << QStringLiteral("$(touch injected)");
    QTest::newRow("backquotes and quotes") << QStringLiteral("`touch injected` 'x' \"y\"");
    QTest::newRow("non-ASCII") << QStringLiteral("Фото été");
}

void tst_BaseFrame::createdFolderIsWritableWhateverItsPath()
{
    QFETCH(QString, parentName);
    TestDir device;
    TestDir workingDir;
    const QString parent = device.createFolder(parentName);
    QVERIFY(!parent.isEmpty());
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(workingDir.path());

    ExternalDeviceFrame pane { QString() };
    showFolder(pane, parent);
    const bool created = pane.createFolder(QStringLiteral("Folder"), true);
    QDir::setCurrent(previousDir);

    QVERIFY(created);
    const QString folder = parent + QStringLiteral("/Folder");
    QCOMPARE(unixMode(folder) & 0222, mode_t(0222));
    // Only the write bits were added.
    QCOMPARE(unixMode(folder) & ~mode_t(0222), unixMode(parent) & ~mode_t(0222));
    QCOMPARE(QDir(workingDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(
        QDir(device.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { parentName });
}

void tst_BaseFrame::storedLayoutFollowsDesktop_data()
{
    QTest::addColumn<bool>("kde4");
    QTest::addColumn<bool>("gnome");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<int>("edge");
    QTest::newRow("KDE 4 ignores the stored layout") << true << false << 100 << 0 << 64;
    QTest::newRow("GNOME sizes the icons") << false << true << 200 << 3 << 128;
    QTest::newRow("other desktops keep 64 pixels") << false << false << 200 << 3 << 64;
}

void tst_BaseFrame::storedLayoutFollowsDesktop()
{
    QFETCH(bool, kde4);
    QFETCH(bool, gnome);
    LayoutSettings *settings = LayoutSettings::instance();
    settings->setValue(QLatin1String(LayoutSettings::rightZoomLevel), 200);
    settings->setValue(QLatin1String(LayoutSettings::rightArrangeBy), 3);
    kde4Session = kde4;
    gnomeSession = gnome;
    ExternalDeviceFrame pane { QString() };
    kde4Session = gnomeSession = false;

    QTEST(pane.zoom(), "zoom");
    QTEST(pane.arrangement(), "arrangement");
    QFETCH(int, edge);
    QCOMPARE(pane.listView()->iconSize(), QSize(edge, edge));
    QCOMPARE(pane.listView()->gridSize(), ItemNameLayout::cellSize(edge, pane.listView()->fontMetrics()));
}

void tst_BaseFrame::zoomStaysInRangeAndIsStored_data()
{
    QTest::addColumn<BrowserMode>("side");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("edge");
    QTest::newRow("in at 400 stays") << HostMode << 400 << "in" << 400 << 256;
    QTest::newRow("out at 33 stays") << ExternalDeviceMode << 33 << "out" << 33 << 21;
    QTest::newRow("in from 100") << HostMode << 100 << "in" << 150 << 96;
    QTest::newRow("out from 100") << ExternalDeviceMode << 100 << "out" << 67 << 42;
    QTest::newRow("out from 50") << HostMode << 50 << "out" << 33 << 21;
    QTest::newRow("reset from 200") << ExternalDeviceMode << 200 << "reset" << 100 << 64;
    QTest::newRow("in from a stored 0") << HostMode << 0 << "in" << 33 << 21;
    QTest::newRow("out from an unlisted 120") << ExternalDeviceMode << 120 << "out" << 100 << 64;
    QTest::newRow("Ctrl+plus") << HostMode << 100 << "Ctrl++" << 150 << 96;
    QTest::newRow("Ctrl+Shift+plus") << ExternalDeviceMode << 100 << "Ctrl+Shift++" << 150 << 96;
    QTest::newRow("Ctrl+=") << HostMode << 67 << "Ctrl+=" << 100 << 64;
    QTest::newRow("Ctrl+minus") << ExternalDeviceMode << 100 << "Ctrl+-" << 67 << 42;
    QTest::newRow("Ctrl+0") << HostMode << 400 << "Ctrl+0" << 100 << 64;
}

void tst_BaseFrame::zoomStaysInRangeAndIsStored()
{
    QFETCH(BrowserMode, side);
    QFETCH(int, stored);
    QFETCH(QString, operation);
    QFETCH(int, level);
    QFETCH(int, edge);
    const QString key
        = QLatin1String(side == HostMode ? LayoutSettings::leftZoomLevel : LayoutSettings::rightZoomLevel);
    LayoutSettings *settings = LayoutSettings::instance();
    settings->setValue(key, stored);
    auto pane = makePane(side);
    QCOMPARE(pane->zoom(), stored);
    // Outside GNOME the stored zoom does not size the icons at start.
    QCOMPARE(pane->listView()->iconSize(), QSize(64, 64));
    settings->setValue(key, -1);

    if (operation == QLatin1String("in"))
        pane->zoomIn();
    else if (operation == QLatin1String("out"))
        pane->zoomOut();
    else if (operation == QLatin1String("reset"))
        pane->resetZoom();
    else
        QTest::keySequence(pane->listView(), QKeySequence(operation));

    QCOMPARE(pane->zoom(), level);
    QCOMPARE(pane->listView()->iconSize(), QSize(edge, edge));
    // The cells widen with the icons, for the names under them.
    QCOMPARE(pane->listView()->gridSize(), ItemNameLayout::cellSize(edge, pane->listView()->fontMetrics()));
    QCOMPARE(settings->value(key).toInt(), level);
}

void tst_BaseFrame::keyboardMenuOpensAtCurrentItem_data()
{
    QTest::addColumn<BrowserMode>("side");
    QTest::addColumn<bool>("inTree");
    QTest::addColumn<bool>("menuKey");
    QTest::addColumn<bool>("details");
    QTest::newRow("Shift+F10 in the computer's list") << HostMode << false << false << false;
    QTest::newRow("Menu key in the netbook's list") << ExternalDeviceMode << false << true << false;
    QTest::newRow("Shift+F10 in the netbook's tree") << ExternalDeviceMode << true << false << false;
    QTest::newRow("Menu key in the computer's tree") << HostMode << true << true << false;
    QTest::newRow("Shift+F10 in the netbook's details") << ExternalDeviceMode << false << false << true;
}

// The menu opens at the current item wherever the mouse pointer rests: the
// platform makes the Menu key a keyboard context-menu event at the pointer.
void tst_BaseFrame::keyboardMenuOpensAtCurrentItem()
{
    QFETCH(BrowserMode, side);
    QFETCH(bool, inTree);
    QFETCH(bool, menuKey);
    QFETCH(bool, details);
    const QString folder
        = side == HostMode ? home->hostFolder(PicturesMode) : home->deviceFolder(PicturesMode);
    QVERIFY(makeFile(folder + QStringLiteral("/menu a.jpg")));
    QVERIFY(makeFile(folder + QStringLiteral("/menu b.jpg")));
    auto pane = makePane(side);
    pane->showDetails(details);
    // Remembered: the panes of the next tests show icons again.
    const auto icons = qScopeGuard([&pane] { pane->showDetails(false); });
    pane->resize(800, 600);
    pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(pane.get()));
    pane->SelectMode(PicturesMode);
    QAbstractItemView *view
        = inTree ? static_cast<QAbstractItemView *>(pane->treeView()) : pane->listView()->shownView();
    if (!inTree) {
        QTRY_VERIFY(pane->listViewModel()->index(folder + QStringLiteral("/menu b.jpg")).isValid());
        view->setCurrentIndex(pane->listViewModel()->index(folder + QStringLiteral("/menu b.jpg")));
    }
    const QModelIndex current = view->currentIndex();
    QVERIFY(current.isValid());
    QSignalSpy menus(view, &QWidget::customContextMenuRequested);

    if (menuKey) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), view->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(view, &event);
    } else {
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    }

    QCOMPARE(menus.count(), 1);
    QCOMPARE(view->indexAt(menus.first().first().toPoint()), current);
    QVERIFY(QFile::remove(folder + QStringLiteral("/menu a.jpg")));
    QVERIFY(QFile::remove(folder + QStringLiteral("/menu b.jpg")));
}

// A device pane on Pictures, which holds the folder name with a folder
// "day one" in it; returns the folder's path.
QString tst_BaseFrame::showNestedFolders(ExternalDeviceFrame &pane, const QString &name)
{
    const QString inner = home->deviceFolder(PicturesMode) + QLatin1Char('/') + name;
    if (!makeFolder(inner + QStringLiteral("/day one")))
        return QString();
    pane.SelectMode(PicturesMode);
    const bool listed = QTest::qWaitFor([&] { return listedNames(pane).contains(name); });
    return listed ? inner : QString();
}

void tst_BaseFrame::openingFolderFromListMovesTree()
{
    ExternalDeviceFrame pane { QString() };
    const QString inner = showNestedFolders(pane, QStringLiteral("trip"));
    QVERIFY(!inner.isEmpty());

    pane.launchFile(pane.listViewModel()->index(inner));
    QCOMPARE(pane.treeView()->currentIndex().data(BrowserTreeModel::FullPathRole).toString(), inner);
    QCOMPARE(pane.currentPath(), inner);
    QTRY_VERIFY(listedNames(pane).contains(QStringLiteral("day one")));
}

void tst_BaseFrame::treeListsAFolderAfterTheList()
{
    const QString folder = home->deviceFolder(PicturesMode) + QStringLiteral("/many");
    // The list has much more to read than the tree.
    QVERIFY(makeFolder(folder + QStringLiteral("/album")));
    for (int i = 0; i < 2000; ++i)
        QVERIFY(makeFile(folder + QStringLiteral("/%1.jpg").arg(i)));
    ExternalDeviceFrame pane { QString() };
    BrowserTreeModel *tree = pane.browserTreeModel();
    pane.SelectMode(PicturesMode);
    QTRY_VERIFY(tree->findLoadedPath(QFileInfo(folder), QModelIndex()).isValid());
    QStringList order;
    connect(pane.listViewModel(), &FolderListModel::directoryLoaded, this, [&order] { order << "list"; });
    connect(tree, &QAbstractItemModel::rowsInserted, this, [&order, folder](const QModelIndex &parent) {
        if (parent.data(BrowserTreeModel::FullPathRole).toString() == folder)
            order << "tree";
    });

    pane.launchFile(pane.listViewModel()->index(folder));
    QTRY_COMPARE(order, QStringList({ "list", "tree" }));
}

void tst_BaseFrame::keyboardWalksTheFolders()
{
    ExternalDeviceFrame pane { QString() };
    const QString inner = showNestedFolders(pane, QStringLiteral("walk"));
    QVERIFY(!inner.isEmpty());
    const QString pictures = home->deviceFolder(PicturesMode);
    QVideoList *list = pane.listView();

    list->setCurrentIndex(pane.listViewModel()->index(inner));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(pane.currentPath(), inner);
    QTRY_VERIFY(listedNames(pane).contains(QStringLiteral("day one")));

    // Back up, with the folder just left current, as file managers do.
    QTest::keyClick(list, Qt::Key_Backspace);
    QCOMPARE(pane.currentPath(), pictures);
    QTRY_COMPARE(FolderListModel::filePathOf(list->currentIndex()), inner);
    // Nothing above the category's own row.
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(pane.currentPath(), pictures);
}

void tst_BaseFrame::selectionIsReportedWithSide()
{
    TestDir device;
    const QString first = device.createFile(QStringLiteral("a.jpg"));
    const QString second = device.createFile(QStringLiteral("b.png"));
    ExternalDeviceFrame pane { QString() };
    pane.SelectMode(PicturesMode);
    showFolder(pane, device.path());
    QTRY_COMPARE(listedNames(pane).count(), 2);

    QSignalSpy selection(&pane, &BaseFrame::BrowserSelectionChanged);
    QItemSelectionModel *model = pane.listView()->selectionModel();
    const VideoModel *shown = pane.listViewModel();
    model->select(shown->index(second), QItemSelectionModel::Select);
    model->select(shown->index(first), QItemSelectionModel::Select);

    QCOMPARE(selection.count(), 2);
    const auto reported = selection.last().at(0).value<QFileInfoList>();
    QCOMPARE(reported.count(), 2);
    QCOMPARE(selection.last().at(1).value<BrowserMode>(), ExternalDeviceMode);
    const QFileInfoList selected = pane.selectedFiles();
    QCOMPARE(selected.count(), 2);
    QCOMPARE(selected.at(0).absoluteFilePath(), second);
    QCOMPARE(selected.at(1).absoluteFilePath(), first);
}

void tst_BaseFrame::deleteStopsAtFirstFailureAndSparesWorkingFolder()
{
    TestDir device;
    const QString first = device.createFile(QStringLiteral("a.jpg"));
    const QString missing = device.filePath(QStringLiteral("gone.jpg"));
    const QString last = device.createFile(QStringLiteral("c.jpg"));
    ExternalDeviceFrame pane { QString() };
    pane.SelectMode(PicturesMode);
    showFolder(pane, device.path());
    QTRY_COMPARE(listedNames(pane).count(), 2);

    // A file the list does not know must not take the working folder with it.
    TestDir workingDir;
    const QString bystander = workingDir.createFile(QStringLiteral("keep.txt"));
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(workingDir.path());
    QVERIFY(!pane.deleteFiles({}));
    const bool deleted = pane.deleteFiles({ QFileInfo(first), QFileInfo(missing), QFileInfo(last) });
    QDir::setCurrent(previousDir);

    QVERIFY(!deleted);
    QVERIFY(QFile::exists(bystander));
    QVERIFY(!QFile::exists(first));
    QVERIFY(QFile::exists(last));
    QVERIFY(pane.deleteFiles({ QFileInfo(last) }));
    QVERIFY(!QFile::exists(last));
}

void tst_BaseFrame::listRowsActOnTheirOwnFiles()
{
    // Files of other categories sort between the shown ones, so a list row
    // is never the file model's row of the same number.
    TestDir device;
    for (const char *name : { "a.txt", "b.jpg", "c.txt", "d.jpg", "e.mp3" })
        QVERIFY(!device.createFile(QString::fromLatin1(name)).isEmpty());
    device.createFolder(QStringLiteral("f"));
    ExternalDeviceFrame pane { QString() };
    pane.SelectMode(PicturesMode);
    showFolder(pane, device.path());
    QTRY_COMPARE(listedNames(pane), (QStringList { "b.jpg", "d.jpg", "f" }));
    // By name, folders first: "f", "b.jpg", "d.jpg".
    pane.arrange(0);
    const QAbstractItemModel *rows = pane.listView()->model();
    QTRY_COMPARE(rows->index(2, 0, pane.listView()->rootIndex()).data().toString(), QStringLiteral("d.jpg"));

    QSignalSpy selection(&pane, &BaseFrame::BrowserSelectionChanged);
    const QModelIndex third = rows->index(2, 0, pane.listView()->rootIndex());
    pane.listView()->selectionModel()->select(third, QItemSelectionModel::Select);
    QCOMPARE(
        selection.last().at(0).value<QFileInfoList>(), QFileInfoList { QFileInfo(device.filePath("d.jpg")) });
    QCOMPARE(pane.selectedFiles(), QFileInfoList { QFileInfo(device.filePath("d.jpg")) });

    QVERIFY(pane.deleteFiles(pane.selectedFiles()));
    QCOMPARE(
        QDir(device.path()).entryList(QDir::Files), (QStringList { "a.txt", "b.jpg", "c.txt", "e.mp3" }));

    QVERIFY(pane.createFolder(QStringLiteral("Folder"), false));
    QCOMPARE(FolderListModel::filePathOf(pane.listView()->currentIndex()), device.filePath("Folder"));
}

QTEST_MAIN(tst_BaseFrame)
void tst_BaseFrame::viewKeySwitchesAndIsRemembered_data()
{
    QTest::addColumn<BrowserMode>("side");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("details");
    QTest::newRow("netbook's icons to details")
        << ExternalDeviceMode << int(LayoutSettings::iconsView) << int(Qt::Key_2) << true;
    // Before there was a choice any value stood for icons.
    QTest::newRow("computer's former 0 to details") << HostMode << 0 << int(Qt::Key_2) << true;
    QTest::newRow("computer's details to icons")
        << HostMode << int(LayoutSettings::detailsView) << int(Qt::Key_1) << false;
    QTest::newRow("netbook's details stay")
        << ExternalDeviceMode << int(LayoutSettings::detailsView) << int(Qt::Key_2) << true;
}

void tst_BaseFrame::viewKeySwitchesAndIsRemembered()
{
    QFETCH(BrowserMode, side);
    QFETCH(int, stored);
    QFETCH(int, key);
    QFETCH(bool, details);
    const bool left = side == HostMode;
    LayoutSettings *settings = LayoutSettings::instance();
    const QString setting = QLatin1String(left ? LayoutSettings::leftViewBy : LayoutSettings::rightViewBy);
    const QString otherKey = QLatin1String(left ? LayoutSettings::rightViewBy : LayoutSettings::leftViewBy);
    settings->setValue(setting, stored);
    settings->setValue(otherKey, LayoutSettings::iconsView);
    const QString folder = left ? home->hostFolder(PicturesMode) : home->deviceFolder(PicturesMode);
    const QString picture = folder + QStringLiteral("/kept selected.jpg");
    QVERIFY(makeFile(picture));
    auto pane = makePane(side);
    QCOMPARE(pane->showsDetails(), stored == LayoutSettings::detailsView);
    pane->resize(800, 600);
    pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(pane.get()));
    QApplication::setActiveWindow(pane.get());
    pane->SelectMode(PicturesMode);
    QTRY_VERIFY(pane->listViewModel()->index(picture).isValid());
    pane->listView()->setCurrentIndex(pane->listViewModel()->index(picture));
    QAbstractItemView *before = pane->listView()->shownView();
    before->setFocus();
    QTRY_VERIFY(before->hasFocus());

    QTest::keyClick(before, Qt::Key(key), Qt::ControlModifier | Qt::AltModifier);

    QCOMPARE(pane->showsDetails(), details);
    QAbstractItemView *shown = pane->listView()->shownView();
    QCOMPARE(shown, details ? static_cast<QAbstractItemView *>(pane->detailsView()) : pane->listView());
    QVERIFY(shown->isVisible());
    QVERIFY(shown->hasFocus());
    QCOMPARE(pane->selectedFiles(), QFileInfoList { QFileInfo(picture) });
    QCOMPARE(shown->currentIndex(), pane->listViewModel()->index(picture));
    // A screen reader finds the shown view, named as the list, and not the other.
    QAbstractItemView *hidden
        = details ? static_cast<QAbstractItemView *>(pane->listView()) : pane->detailsView();
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(shown->parentWidget());
    QVERIFY(area->indexOfChild(QAccessible::queryAccessibleInterface(shown)) >= 0);
    QCOMPARE(area->indexOfChild(QAccessible::queryAccessibleInterface(hidden)), -1);
    QCOMPARE(QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name),
        pane->listView()->accessibleName());
    // A new pane of the side reads it back; the other side keeps its own.
    QCOMPARE(makePane(side)->showsDetails(), details);
    QVERIFY(!makePane(left ? ExternalDeviceMode : HostMode)->showsDetails());
    QVERIFY(QFile::remove(picture));
}

// The arrangement the header shows is the pane's, kept for its side.
void tst_BaseFrame::headerClickArrangesBothViews()
{
    LayoutSettings *settings = LayoutSettings::instance();
    settings->setValue(QLatin1String(LayoutSettings::leftArrangeBy), 0);
    HostFrame pane;
    pane.showDetails(true);
    pane.SelectMode(PicturesMode);
    pane.resize(800, 600);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    QHeaderView *header = pane.detailsView()->header();
    QTRY_COMPARE(header->count(), int(FolderListModel::ColumnCount));

    const int date = FolderListModel::DateColumn;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
        QPoint(header->sectionViewportPosition(date) + header->sectionSize(date) / 2, header->height() / 2));

    QCOMPARE(pane.arrangement(), date);
    QCOMPARE(settings->value(QLatin1String(LayoutSettings::leftArrangeBy)).toInt(), date);
    HostFrame next;
    QCOMPARE(next.arrangement(), date);
    QCOMPARE(next.detailsView()->header()->sortIndicatorSection(), date);
    // The menu's arrangement shows in the header.
    next.arrange(FolderListModel::SizeColumn);
    QCOMPARE(next.detailsView()->header()->sortIndicatorSection(), int(FolderListModel::SizeColumn));
}

#include "tst_baseframe.moc"
