// SPDX-License-Identifier: GPL-2.0-or-later
// The program's side of the context-menu plug-ins, against stand-in
// libraries that record every call.
#include "PaneTestHome.h"
#include "TestDir.h"
#include "UiTestHelpers.h"

#include "base/LayoutSettings.h"
#include "base/SessionFlags.h"
#include "browser/panes/HostFrame.h"
#include "browser/plugins/VerifyPasteDone.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/BrowserTreeView.h"
#include "browser/views/FolderListModel.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "widgets/MessageBox.h"

#include <QSignalSpy>
#include <QTest>

#include <dlfcn.h>
#include <memory>

namespace {

enum Desktop { OtherDesktop, Gnome, Kde, Kde3 };

void setDesktop(Desktop desktop)
{
    gnomeSession = desktop == Gnome;
    kde4Session = desktop == Kde;
    kde3Session = desktop == Kde3;
}

// The stand-in library of a folder, reached the way the program reaches it.
class Recorder
{
public:
    Recorder(const QString &folder, Desktop desktop)
        : m_handle(dlopen(
              QFile::encodeName(folder + (desktop == Kde ? "/libKdeShellMenu.so" : "/libgtkShellMenu.so"))
                  .constData(),
              RTLD_NOW))
    {
        if (!m_handle)
            return;
        m_calls = reinterpret_cast<QStringList *(*)()>(dlsym(m_handle, "recordedCalls"))();
        m_setCode = reinterpret_cast<void (*)(int)>(dlsym(m_handle, "setMenuCode"));
        m_setHook = reinterpret_cast<void (*)(void (*)(void *), void *)>(dlsym(m_handle, "setMenuHook"));
        m_popup = reinterpret_cast<QWidget *(*)()>(dlsym(m_handle, "lastPopup"));
        m_calls->clear();
        setMenuCode(-1);
        setMenuHook(nullptr, nullptr);
    }
    ~Recorder()
    {
        if (m_handle)
            dlclose(m_handle);
    }

    bool isValid() const { return m_calls; }
    QStringList calls() const { return *m_calls; }
    void clear() { m_calls->clear(); }
    void setMenuCode(int code)
    {
        if (m_setCode)
            m_setCode(code);
    }
    void setMenuHook(void (*run)(void *), void *context)
    {
        if (m_setHook)
            m_setHook(run, context);
    }
    QWidget *lastPopup() const { return m_popup ? m_popup() : nullptr; }

private:
    void *m_handle;
    QStringList *m_calls = nullptr;
    void (*m_setCode)(int) = nullptr;
    void (*m_setHook)(void (*)(void *), void *) = nullptr;
    QWidget *(*m_popup)() = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(Desktop)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class tst_PluginBinding : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void listHandsTheTranslatorOver_data();
    void listHandsTheTranslatorOver();
    void keyTables_data();
    void keyTables();
    void navigationKeysStayTheView_data();
    void navigationKeysStayTheView();
    void selectAllKey_data();
    void selectAllKey();
    void gnomeShiftDeleteAsksFirst_data();
    void gnomeShiftDeleteAsksFirst();
    void gnomeRenameRefusedIsExplained();
    void menuArguments_data();
    void menuArguments();
    void treeMenuIsTheFolders_data();
    void treeMenuIsTheFolders();
    void gnomeMenuCodes_data();
    void gnomeMenuCodes();
    void kdeMenuCodes_data();
    void kdeMenuCodes();
    void kde3ShowsOnlyAMessage();
    void otherDesktopHasNoMenu();
    void missingLibraryOrFunctionDoesNothing_data();
    void missingLibraryOrFunctionDoesNothing();
    void kdeMenuMissingOffersTheGioMenu_data();
    void kdeMenuMissingOffersTheGioMenu();
    void windowGoneDuringMenu_data();
    void windowGoneDuringMenu();
    void kdePopupIsHiddenWithThePane();
    void kdeOpensFilesThroughThePlugin();
    void cutFolderOutlivesItsRow();
    void gnomePasteRenewsThumbnails();

private:
    void makePane(Desktop desktop);
    QModelIndex row(const QString &name) const;
    void select(const QString &name);
    QString expand(QString text) const;
    QStringList signalsOf(const std::function<void()> &action);

    std::unique_ptr<PaneTestHome> m_home;
    QTranslator m_catalogue;
    std::unique_ptr<TestDir> m_dir;
    HostFrame *m_pane = nullptr;
    std::unique_ptr<Recorder> m_recorder;
    int m_treeRefreshes = 0;
};

void tst_PluginBinding::initTestCase()
{
    m_home = std::make_unique<PaneTestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(installCatalogue(m_catalogue, QStringLiteral("en")));
    qputenv("OPALO_PLUGIN_DIR", RECORDING_PLUGIN_DIR);
}

void tst_PluginBinding::init()
{
    m_dir = std::make_unique<TestDir>();
    m_dir->createFile(QStringLiteral("a.avi"), "a");
    m_dir->createFile(QStringLiteral("b.avi"), "b");
}

void tst_PluginBinding::cleanup()
{
    delete m_pane;
    m_pane = nullptr;
    m_recorder.reset();
    MessageBox::setAnswerer({});
    setDesktop(OtherDesktop);
    qputenv("OPALO_PLUGIN_DIR", RECORDING_PLUGIN_DIR);
}

void tst_PluginBinding::cleanupTestCase()
{
    m_home.reset();
}

void tst_PluginBinding::makePane(Desktop desktop)
{
    setDesktop(desktop);
    m_recorder = std::make_unique<Recorder>(qEnvironmentVariable("OPALO_PLUGIN_DIR"), desktop);
    m_pane = new HostFrame;
    m_pane->resize(800, 500);
    m_pane->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pane));
    // The tree shows the Video row with one sub-folder, the list a folder
    // of its own.
    m_pane->SelectMode(MovieMode);
    QDir().mkpath(m_home->hostFolder(MovieMode) + QStringLiteral("/trip"));
    m_pane->refreshTree();
    connect(
        m_pane->browserTreeModel(), &QAbstractItemModel::rowsInserted, this, [this] { ++m_treeRefreshes; });
    m_treeRefreshes = 0;
    m_pane->listViewModel()->setFolder(m_dir->path());
    m_pane->listView()->setRootIndex(m_pane->listViewModel()->index(m_dir->path()));
    QTRY_VERIFY(row(QStringLiteral("a.avi")).isValid() && row(QStringLiteral("b.avi")).isValid());
}

QModelIndex tst_PluginBinding::row(const QString &name) const
{
    return m_pane->listViewModel()->index(m_dir->filePath(name));
}

void tst_PluginBinding::select(const QString &name)
{
    m_pane->listView()->selectionModel()->select(row(name), QItemSelectionModel::Select);
}

QString tst_PluginBinding::expand(QString text) const
{
    text.replace(QLatin1String("$A"), m_dir->filePath(QStringLiteral("a.avi")));
    text.replace(QLatin1String("$F"), m_dir->path());
    return text;
}

QStringList tst_PluginBinding::signalsOf(const std::function<void()> &action)
{
    QStringList emitted;
    QVideoList *list = m_pane->listView();
    QList<QMetaObject::Connection> connections {
        connect(list, &QVideoList::setCutIndex, this, [&] { emitted << "setCutIndex"; }),
        connect(list, &QVideoList::setCutFilesSignal, this, [&] { emitted << "setCutFilesSignal"; }),
        connect(list, &QVideoList::resetCutIndex, this, [&] { emitted << "resetCutIndex"; }),
        connect(list, &QVideoList::refreshTree, this, [&] { emitted << "refreshTree"; }),
        connect(list, &QVideoList::refreshBrowserTree, this, [&] { emitted << "refreshBrowserTree"; }),
        connect(
            list, &QVideoList::refreshBrowserTreeGnome, this, [&] { emitted << "refreshBrowserTreeGnome"; }),
    };
    action();
    for (const QMetaObject::Connection &connection : connections)
        disconnect(connection);
    return emitted;
}

void tst_PluginBinding::listHandsTheTranslatorOver_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::addColumn<QString>("call");
    QTest::newRow("gnome") << Gnome << "linguistGtkShellMenu";
    QTest::newRow("kde") << Kde << "linguistKDEContextMenu";
}

void tst_PluginBinding::listHandsTheTranslatorOver()
{
    QFETCH(Desktop, desktop);
    QFETCH(QString, call);
    makePane(desktop);
    QVERIFY(m_recorder->isValid());
    // The list and nothing else: the pane opens its library for menus only.
    QCOMPARE(m_recorder->calls(), QStringList { call });
}

void tst_PluginBinding::keyTables_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("emitted");
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    // GNOME
    QTest::newRow("gnome copy") << Gnome << int(Qt::Key_C) << ctrl << true << QStringList { "copy [$A]" }
                                << QStringList();
    QTest::newRow("gnome copy, nothing selected")
        << Gnome << int(Qt::Key_C) << ctrl << false << QStringList() << QStringList();
    QTest::newRow("gnome cut") << Gnome << int(Qt::Key_X) << ctrl << true << QStringList { "cut [$A]" }
                               << QStringList { "setCutIndex" };
    QTest::newRow("gnome cut, nothing selected")
        << Gnome << int(Qt::Key_X) << ctrl << false << QStringList() << QStringList();
    QTest::newRow("gnome new folder ctrl")
        << Gnome << int(Qt::Key_N) << ctrl << false << QStringList { "createFolder $F" } << QStringList();
    QTest::newRow("gnome new folder shift, item selected")
        << Gnome << int(Qt::Key_N) << shift << true << QStringList { "createFolder $F" } << QStringList();
    QTest::newRow("gnome link") << Gnome << int(Qt::Key_M) << ctrl << true << QStringList { "makeLink $A" }
                                << QStringList { "refreshTree" };
    QTest::newRow("gnome paste, nothing selected")
        << Gnome << int(Qt::Key_V) << ctrl << false << QStringList { "paste $F" }
        << QStringList { "refreshBrowserTreeGnome" };
    QTest::newRow("gnome paste, item selected")
        << Gnome << int(Qt::Key_V) << ctrl << true << QStringList { "paste $F" }
        << QStringList { "refreshBrowserTreeGnome" };
    QTest::newRow("gnome trash delete") << Gnome << int(Qt::Key_Delete) << none << true
                                        << QStringList { "moveToTrash [$A] QVideoList" } << QStringList();
    QTest::newRow("gnome trash ctrl+t") << Gnome << int(Qt::Key_T) << ctrl << true
                                        << QStringList { "moveToTrash [$A] QVideoList" } << QStringList();
    QTest::newRow("gnome trash, nothing selected")
        << Gnome << int(Qt::Key_Delete) << none << false << QStringList() << QStringList();
    // KDE
    QTest::newRow("kde copy") << Kde << int(Qt::Key_C) << ctrl << true
                              << QStringList { "KDEcopy_file [$A] QVideoList" }
                              << QStringList { "resetCutIndex" };
    QTest::newRow("kde cut") << Kde << int(Qt::Key_X) << ctrl << true
                             << QStringList { "KDEcut [$A] QVideoList" }
                             << QStringList { "setCutIndex", "setCutFilesSignal" };
    QTest::newRow("kde cut, nothing selected")
        << Kde << int(Qt::Key_X) << ctrl << false << QStringList() << QStringList();
    QTest::newRow("kde paste") << Kde << int(Qt::Key_V) << ctrl << false
                               << QStringList { "KDEpaste [$F] QVideoList" }
                               << QStringList { "refreshBrowserTree" };
    QTest::newRow("kde rename") << Kde << int(Qt::Key_F2) << none << true
                                << QStringList { "KDErename_file [$A] QVideoList" } << QStringList();
    QTest::newRow("kde delete") << Kde << int(Qt::Key_Delete) << shift << true
                                << QStringList { "KDEdel [$A] QVideoList" } << QStringList();
    QTest::newRow("kde trash") << Kde << int(Qt::Key_Delete) << none << true
                               << QStringList { "KDEtrash [$A] QVideoList" } << QStringList();
    QTest::newRow("kde trash, nothing selected")
        << Kde << int(Qt::Key_Delete) << none << false << QStringList() << QStringList();
    QTest::newRow("kde gnome's link key")
        << Kde << int(Qt::Key_M) << ctrl << true << QStringList() << QStringList();
}

void tst_PluginBinding::keyTables()
{
    QFETCH(Desktop, desktop);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, selected);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, emitted);
    makePane(desktop);
    if (selected)
        select(QStringLiteral("a.avi"));
    m_recorder->clear();
    const QStringList seen = signalsOf(
        [&] { QTest::keyClick(m_pane->listView(), Qt::Key(key), Qt::KeyboardModifiers(modifiers)); });
    for (QString &call : calls)
        call = expand(call);
    QCOMPARE(m_recorder->calls(), calls);
    QCOMPARE(seen, emitted);
}

void tst_PluginBinding::navigationKeysStayTheView_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::newRow("gnome") << Gnome;
    QTest::newRow("kde") << Kde;
    QTest::newRow("other desktop") << OtherDesktop;
}

void tst_PluginBinding::navigationKeysStayTheView()
{
    QFETCH(Desktop, desktop);
    makePane(desktop);
    QVideoList *list = m_pane->listView();
    const QModelIndex first = list->model()->index(0, 0, list->rootIndex());
    const QModelIndex last = list->model()->index(1, 0, list->rootIndex());
    list->setCurrentIndex(first);
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentIndex(), last);
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->currentIndex(), first);
    QTest::keyClick(list, Qt::Key_Right);
    QCOMPARE(list->currentIndex(), last);
}

void tst_PluginBinding::selectAllKey_data()
{
    navigationKeysStayTheView_data();
}

void tst_PluginBinding::selectAllKey()
{
    QFETCH(Desktop, desktop);
    makePane(desktop);
    QTest::keyClick(m_pane->listView(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(QVideoList::selectedRows(m_pane->listView()->selectionModel()).size(), 2);
}

void tst_PluginBinding::gnomeShiftDeleteAsksFirst_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("removed");
    QTest::newRow("yes") << QMessageBox::Yes << true;
    QTest::newRow("no") << QMessageBox::No << false;
}

void tst_PluginBinding::gnomeShiftDeleteAsksFirst()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, removed);
    makePane(Gnome);
    select(QStringLiteral("a.avi"));
    select(QStringLiteral("b.avi"));
    QStringList texts;
    MessageBox::setAnswerer([&](MessageBox &box) {
        texts << box.text();
        return answer;
    });
    m_recorder->clear();
    QTest::keyClick(m_pane->listView(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(texts, QStringList { QStringLiteral("Delete 2 files permanently: a.avi, b.avi?") });
    QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("a.avi"))), !removed);
    QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("b.avi"))), !removed);
    QCOMPARE(m_recorder->calls(), QStringList());
}

void tst_PluginBinding::gnomeRenameRefusedIsExplained()
{
    makePane(Gnome);
    select(QStringLiteral("a.avi"));
    m_pane->listView()->setCurrentIndex(row(QStringLiteral("a.avi")));
    QTest::keyClick(m_pane->listView(), Qt::Key_F2);
    QVERIFY(m_pane->listView()->indexWidget(row(QStringLiteral("a.avi"))));
    m_pane->listView()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    m_pane->listViewModel()->setReadOnly(true);
    QStringList texts;
    MessageBox::setAnswerer([&](MessageBox &box) {
        texts << box.text();
        return QMessageBox::Ok;
    });
    QTest::keyClick(m_pane->listView(), Qt::Key_F2);
    QCOMPARE(texts,
        QStringList {
            QStringLiteral("Failed to rename the file a.avi.\nPlease make sure you have the rights to "
                           "perform this operation.") });
}

void tst_PluginBinding::menuArguments_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::addColumn<bool>("onItem");
    QTest::addColumn<QString>("call");
    QTest::newRow("gnome item") << Gnome << true << "ShowGtkShellMenu $G [$A] 1 2 $S QVideoList";
    QTest::newRow("gnome empty space") << Gnome << false << "ShowGtkShellMenu $G [$F] 0 2 $S QVideoList";
    QTest::newRow("kde item") << Kde << true << "KDEshowContextMenu $G [$A] 1";
    QTest::newRow("kde empty space") << Kde << false << "KDEshowContextMenu $G [$F] 0";
}

void tst_PluginBinding::menuArguments()
{
    QFETCH(Desktop, desktop);
    QFETCH(bool, onItem);
    QFETCH(QString, call);
    makePane(desktop);
    m_pane->arrange(2);
    QVideoList *list = m_pane->listView();
    select(QStringLiteral("a.avi"));
    const QPoint pos = onItem ? list->visualRect(row(QStringLiteral("a.avi"))).center()
                              : QPoint(list->viewport()->width() - 5, list->viewport()->height() - 5);
    QVERIFY(list->indexAt(pos).isValid() == onItem);
    m_recorder->clear();
    emit list->customContextMenuRequested(pos);
    const QPoint global = list->viewport()->mapToGlobal(pos);
    call.replace(QLatin1String("$G"), QStringLiteral("%1,%2").arg(global.x()).arg(global.y()));
    call.replace(QLatin1String("$S"),
        QStringLiteral("%1 %2").arg(list->iconSize().width()).arg(list->iconSize().height()));
    QCOMPARE(m_recorder->calls(), QStringList { expand(call) });
    delete m_recorder->lastPopup();
}

void tst_PluginBinding::treeMenuIsTheFolders_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("call");
    QTest::newRow("gnome") << Gnome << -1 << "ShowGtkShellMenu $G [$T] 1 0 $S QVideoList";
    QTest::newRow("kde") << Kde << 0 << "KDEshowContextMenu $G [$T] 1";
    QTest::newRow("gnome cut") << Gnome << 51 << "ShowGtkShellMenu $G [$T] 1 0 $S QVideoList";
    QTest::newRow("kde cut") << Kde << int('3') << "KDEshowContextMenu $G [$T] 1";
    QTest::newRow("gnome rename") << Gnome << 20 << "ShowGtkShellMenu $G [$T] 1 0 $S QVideoList";
}

// The tree's menu is the menu of the folder of its row: a cut leaves the
// folder above, a rename edits the row.
void tst_PluginBinding::treeMenuIsTheFolders()
{
    QFETCH(Desktop, desktop);
    QFETCH(int, code);
    QFETCH(QString, call);
    makePane(desktop);
    m_pane->arrange(0);
    QTreeView *tree = m_pane->treeView();
    const QModelIndex video = tree->currentIndex();
    tree->expand(video);
    QTRY_VERIFY(m_pane->browserTreeModel()->rowCount(video) > 0);
    const QModelIndex trip = m_pane->browserTreeModel()->index(0, 0, video);
    const QString tripPath = trip.data(BrowserTreeModel::FullPathRole).toString();
    QVERIFY(tripPath.endsWith(QLatin1String("/trip")));
    const QPoint pos = tree->visualRect(trip).center();
    m_recorder->setMenuCode(code);
    m_recorder->clear();

    emit tree->customContextMenuRequested(pos);

    const QPoint global = tree->viewport()->mapToGlobal(pos);
    call.replace(QLatin1String("$G"), QStringLiteral("%1,%2").arg(global.x()).arg(global.y()));
    call.replace(QLatin1String("$S"),
        QStringLiteral("%1 %2")
            .arg(m_pane->listView()->iconSize().width())
            .arg(m_pane->listView()->iconSize().height()));
    call.replace(QLatin1String("$T"), tripPath);
    QCOMPARE(m_recorder->calls(), QStringList { call });
    const bool cut = code == 51 || code == int('3');
    QCOMPARE(m_pane->cutFolder(), cut ? QModelIndex(video) : QModelIndex());
    if (code == 20)
        QTRY_VERIFY(tree->indexWidget(m_pane->browserTreeModel()->index(0, 0, video)));
    delete m_recorder->lastPopup();
}

void tst_PluginBinding::gnomeMenuCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<int>("zoom");
    // Refreshes of the tree's current folder; -1 leaves them unchecked.
    QTest::addColumn<int>("refreshes");
    QTest::newRow("by name") << 0 << 0 << 100 << 1;
    QTest::newRow("by size") << 1 << 1 << 100 << 1;
    QTest::newRow("by type") << 2 << 2 << 100 << 1;
    QTest::newRow("by date") << 3 << 3 << 100 << 1;
    QTest::newRow("zoom in") << 10 << 3 << 150 << 1;
    QTest::newRow("zoom out") << 11 << 3 << 67 << 1;
    QTest::newRow("normal size") << 12 << 3 << 100 << 1;
    QTest::newRow("new folder") << 13 << 3 << 100 << -1;
    QTest::newRow("rename") << 20 << 3 << 100 << 1;
    QTest::newRow("link made") << 30 << 3 << 100 << 2;
    QTest::newRow("paste done") << 50 << 3 << 100 << 2;
    QTest::newRow("cut") << 51 << 3 << 100 << 1;
    QTest::newRow("unknown") << 40 << 3 << 100 << 1;
    QTest::newRow("above the table") << 77 << 3 << 100 << 1;
    QTest::newRow("dismissed") << -1 << 3 << 100 << 1;
}

void tst_PluginBinding::gnomeMenuCodes()
{
    QFETCH(int, code);
    QFETCH(int, arrangement);
    QFETCH(int, zoom);
    QFETCH(int, refreshes);
    makePane(Gnome);
    m_pane->arrange(3);
    m_pane->resetZoom();
    // A cut made earlier in the tree's current folder.
    m_pane->setCurrentCutIndex();
    m_pane->resetCurrentCutIndex();
    if (code == 50)
        m_pane->setCurrentCutIndex();
    QVideoList *list = m_pane->listView();
    select(QStringLiteral("a.avi"));
    list->setCurrentIndex(row(QStringLiteral("a.avi")));
    m_recorder->setMenuCode(code);
    m_treeRefreshes = 0;
    m_pane->listContextMenu(list->visualRect(row(QStringLiteral("a.avi"))).center());

    QCOMPARE(m_pane->menuCode(), code);
    QCOMPARE(m_pane->arrangement(), arrangement);
    QCOMPARE(m_pane->zoom(), zoom);
    QCOMPARE(
        LayoutSettings::instance()->value(QLatin1String(LayoutSettings::leftArrangeBy)).toInt(), arrangement);
    if (refreshes >= 0)
        QCOMPARE(m_treeRefreshes, refreshes);
    QCOMPARE(
        m_pane->cutFolder(), code == 51 || code == 50 ? m_pane->treeView()->currentIndex() : QModelIndex());
    QCOMPARE(list->indexWidget(row(QStringLiteral("a.avi"))) != nullptr, code == 20);
    if (code == 13)
        QTRY_VERIFY(QFileInfo(m_dir->filePath(QStringLiteral("Folder"))).isDir());
}

void tst_PluginBinding::kdeMenuCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("cutBefore");
    QTest::addColumn<bool>("cutAfter");
    QTest::addColumn<bool>("checksPaste");
    QTest::newRow("cut") << int('3') << false << true << false;
    QTest::newRow("copy forgets the cut") << int('4') << true << false << false;
    QTest::newRow("paste after a cut") << int('2') << true << true << true;
    QTest::newRow("paste without a cut") << int('2') << false << false << false;
    QTest::newRow("anything else") << -1 << true << true << false;
}

void tst_PluginBinding::kdeMenuCodes()
{
    QFETCH(int, code);
    QFETCH(bool, cutBefore);
    QFETCH(bool, cutAfter);
    QFETCH(bool, checksPaste);
    makePane(Kde);
    if (cutBefore)
        m_pane->setCurrentCutIndex();
    select(QStringLiteral("a.avi"));
    m_recorder->setMenuCode(code);
    m_treeRefreshes = 0;
    m_pane->listContextMenu(m_pane->listView()->visualRect(row(QStringLiteral("a.avi"))).center());
    delete m_recorder->lastPopup();

    QCOMPARE(m_pane->cutFolder().isValid(), cutAfter);
    if (code == '3')
        QCOMPARE(m_pane->cutPaths(), QVector<QString> { m_dir->filePath(QStringLiteral("a.avi")) });
    QCOMPARE(m_pane->findChild<VerifyPasteDone *>() != nullptr, checksPaste);
    // Nothing is refreshed after a KDE menu.
    QCOMPARE(m_treeRefreshes, 0);
    QCOMPARE(m_pane->menuCode(), -1);
}

void tst_PluginBinding::kde3ShowsOnlyAMessage()
{
    makePane(Kde3);
    QList<QPair<QString, QString>> boxes;
    MessageBox::setAnswerer([&](MessageBox &box) {
        boxes.append({ box.windowTitle(), box.text() });
        return QMessageBox::Ok;
    });
    m_recorder->clear();
    m_pane->listContextMenu(QPoint(1, 1));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().first, QString());
    QCOMPARE(
        boxes.first().second, QStringLiteral("KDE 4.x or higher is required in order to use this function"));
    QCOMPARE(m_recorder->calls(), QStringList());
}

void tst_PluginBinding::otherDesktopHasNoMenu()
{
    makePane(OtherDesktop);
    int boxes = 0;
    MessageBox::setAnswerer([&](MessageBox &) {
        ++boxes;
        return QMessageBox::Ok;
    });
    m_recorder->clear();
    select(QStringLiteral("a.avi"));
    m_pane->listContextMenu(QPoint(1, 1));
    QTest::keyClick(m_pane->listView(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(m_pane->listView(), Qt::Key_Delete);
    // Only the question every desktop asks before deleting, declined.
    QCOMPARE(boxes, 1);
    QCOMPARE(m_recorder->calls(), QStringList());
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("a.avi"))));
}

void tst_PluginBinding::missingLibraryOrFunctionDoesNothing_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("gnome, no library") << Gnome << "" << QStringList();
    QTest::newRow("kde, no library") << Kde << "" << QStringList();
    QTest::newRow("gnome, no functions")
        << Gnome << PARTIAL_PLUGIN_DIR << QStringList { "linguistGtkShellMenu" };
    QTest::newRow("kde, no functions")
        << Kde << PARTIAL_PLUGIN_DIR << QStringList { "linguistKDEContextMenu" };
}

void tst_PluginBinding::missingLibraryOrFunctionDoesNothing()
{
    QFETCH(Desktop, desktop);
    QFETCH(QString, folder);
    QFETCH(QStringList, calls);
    TestDir empty;
    qputenv("OPALO_PLUGIN_DIR", QFile::encodeName(folder.isEmpty() ? empty.path() : folder));
    makePane(desktop);
    select(QStringLiteral("a.avi"));
    // Without the library the list asks, as on every desktop, before it
    // deletes; the answer keeps the file.
    int boxes = 0;
    MessageBox::setAnswerer([&](MessageBox &) {
        ++boxes;
        return QMessageBox::No;
    });
    const QStringList seen = signalsOf([&] {
        m_pane->listContextMenu(m_pane->listView()->visualRect(row(QStringLiteral("a.avi"))).center());
        QTest::keyClick(m_pane->listView(), Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(m_pane->listView(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(m_pane->listView(), Qt::Key_Delete);
    });
    m_pane->launchFile(row(QStringLiteral("b.avi")));
    if (m_recorder->isValid())
        QCOMPARE(m_recorder->calls(), calls);
    QCOMPARE(seen, QStringList());
    QCOMPARE(m_pane->menuCode(), -1);
    QVERIFY(QFile::exists(m_dir->filePath(QStringLiteral("a.avi"))));
    QCOMPARE(boxes, folder.isEmpty() ? 1 : 0);
}

void tst_PluginBinding::kdeMenuMissingOffersTheGioMenu_data()
{
    QTest::addColumn<QString>("kdeLibrary");
    QTest::addColumn<QString>("why");
    QTest::newRow("no KDE library") << QString() << "cannot be loaded";
    QTest::newRow("KDE library without its menu")
        << PARTIAL_PLUGIN_DIR "/libKdeShellMenu.so" << "has no KDEshowContextMenu";
}

namespace {

QStringList *capturedWarnings = nullptr;

void captureWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("GIO")))
        capturedWarnings->append(message);
}

} // namespace

void tst_PluginBinding::kdeMenuMissingOffersTheGioMenu()
{
    QFETCH(QString, kdeLibrary);
    QFETCH(QString, why);
    TestDir folder;
    QVERIFY(QFile::link(QStringLiteral(RECORDING_PLUGIN_DIR "/libgtkShellMenu.so"),
        folder.filePath(QStringLiteral("libgtkShellMenu.so"))));
    if (!kdeLibrary.isEmpty())
        QVERIFY(QFile::link(kdeLibrary, folder.filePath(QStringLiteral("libKdeShellMenu.so"))));
    qputenv("OPALO_PLUGIN_DIR", QFile::encodeName(folder.path()));
    makePane(Kde);
    Recorder gio(folder.path(), Gnome);
    QVERIFY(gio.isValid());

    QStringList warnings;
    capturedWarnings = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler(captureWarning);
    const QPoint pos = m_pane->listView()->visualRect(row(QStringLiteral("a.avi"))).center();
    m_pane->listContextMenu(pos);
    m_pane->listContextMenu(pos);
    qInstallMessageHandler(previous);

    // The GIO menu, each time.
    const QStringList calls = gio.calls();
    QCOMPARE(calls.size(), 2);
    QVERIFY(calls.constFirst().startsWith(QLatin1String("ShowGtkShellMenu ")));
    QCOMPARE(calls.constLast(), calls.constFirst());
    QCOMPARE(
        warnings, QStringList { "libKdeShellMenu.so " + why + ": the GIO context menu is offered instead" });
}

void tst_PluginBinding::windowGoneDuringMenu_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::addColumn<bool>("wholePane");
    QTest::newRow("gnome, list") << Gnome << false;
    QTest::newRow("gnome, pane") << Gnome << true;
    QTest::newRow("kde, list") << Kde << false;
    QTest::newRow("kde, pane") << Kde << true;
}

void tst_PluginBinding::windowGoneDuringMenu()
{
    QFETCH(Desktop, desktop);
    QFETCH(bool, wholePane);
    makePane(desktop);
    QPointer<QVideoList> list = m_pane->listView();
    QPointer<HostFrame> pane = m_pane;
    m_recorder->setMenuCode(desktop == Kde ? int('3') : 51);
    using Victim = QPointer<QWidget>;
    Victim victim = wholePane ? static_cast<QWidget *>(m_pane) : static_cast<QWidget *>(list.data());
    m_recorder->setMenuHook([](void *context) { delete *static_cast<Victim *>(context); }, &victim);
    select(QStringLiteral("a.avi"));
    m_pane->listContextMenu(list->visualRect(row(QStringLiteral("a.avi"))).center());
    m_recorder->setMenuHook(nullptr, nullptr);
    delete m_recorder->lastPopup();

    QVERIFY(!list);
    QCOMPARE(pane.isNull(), wholePane);
    if (wholePane) {
        m_pane = nullptr;
        return;
    }
    // The pane took nothing from the menu that lost its list.
    QVERIFY(!m_pane->cutFolder().isValid());
    QCOMPARE(m_pane->menuCode(), -1);
}

void tst_PluginBinding::kdePopupIsHiddenWithThePane()
{
    makePane(Kde);
    m_pane->listContextMenu(QPoint(1, 1));
    QPointer<QWidget> popup = m_recorder->lastPopup();
    QVERIFY(popup && popup->isVisible());
    delete m_pane;
    m_pane = nullptr;
    QVERIFY(popup && !popup->isVisible());
    delete popup;
}

void tst_PluginBinding::kdeOpensFilesThroughThePlugin()
{
    makePane(Kde);
    m_recorder->clear();
    m_pane->launchFile(row(QStringLiteral("a.avi")));
    QCOMPARE(m_recorder->calls(), QStringList { expand(QStringLiteral("KDEopen_file $A HostFrame")) });
}

void tst_PluginBinding::cutFolderOutlivesItsRow()
{
    makePane(Kde);
    BrowserTreeView *tree = m_pane->treeView();
    const QModelIndex video = tree->currentIndex();
    const QModelIndex trip = m_pane->browserTreeModel()->index(0, 0, video);
    QCOMPARE(trip.data().toString(), QStringLiteral("trip"));
    tree->setCurrentIndex(trip);
    select(QStringLiteral("a.avi"));
    m_recorder->setMenuCode('3');
    m_pane->listContextMenu(m_pane->listView()->visualRect(row(QStringLiteral("a.avi"))).center());
    delete m_recorder->lastPopup();
    QCOMPARE(m_pane->cutFolder(), trip);

    // Listing the parent again replaces the cut folder's row.
    m_pane->browserTreeModel()->refresh(video);
    QVERIFY(!m_pane->cutFolder().isValid());
    m_pane->refreshBrowserTreeSlot({ m_dir->path() });
    QVERIFY(!m_pane->findChild<VerifyPasteDone *>());
}

void tst_PluginBinding::gnomePasteRenewsThumbnails()
{
    makePane(Gnome);
    const QString file = m_dir->filePath(QStringLiteral("a.avi"));
    VideoModel *model = m_pane->listViewModel();
    model->queueFiles({ QFileInfo(file) });
    model->addIcon(file, solidImage(QSize(8, 8), Qt::red));
    QVERIFY(!model->thumbnail(file).isNull());
    // The paste may have replaced the file with another of its name.
    QTest::keyClick(m_pane->listView(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(model->thumbnail(file).isNull());
}

QTEST_MAIN(tst_PluginBinding)
#include "tst_pluginbinding.moc"
