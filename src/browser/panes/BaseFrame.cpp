// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/BaseFrame.h"

#include "base/LayoutSettings.h"
#include "base/Logger.h"
#include "base/SessionCommands.h"
#include "base/SessionFlags.h"
#include "browser/panes/FileViewArea.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/BrowserTreeView.h"
#include "browser/views/FileDetailsView.h"
#include "browser/views/ItemNameLayout.h"
#include "browser/views/ListStatusLine.h"
#include "browser/views/QNodeItem.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "widgets/MessageBox.h"
#include "widgets/PaneAccessible.h"
#include "widgets/SkinStyle.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const int defaultIconEdge = 64;
const int defaultZoom = 100;
// How long the GNOME plug-in's menu takes to lay the list out again after
// a new folder.
const int gnomeLayoutDelayMs = 100;
// The device label shows this folder, which cannot exist, so its list is empty.
const QString impossiblePath = QStringLiteral(",.?!:");

int iconEdgeOf(int zoomLevel)
{
    return zoomLevel * defaultIconEdge / 100;
}

// A small button under the files, for one way of showing them: the icon
// theme's picture, else our own.
QToolButton *viewButton(const char *name, const char *themeIcon, const char *skinIcon, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setAutoExclusive(true);
    button->setAutoRaise(true);
    // The keys reach it; Tab goes from the files to the next control.
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(QIcon::fromTheme(QLatin1String(themeIcon), QIcon(QLatin1String(skinIcon))));
    button->setIconSize(QSize(16, 16));
    return button;
}

// Whether path is a plain folder worth showing, as opposed to a label row.
bool isShownFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

const QVector<int> BaseFrame::zoomLevels = { 33, 50, 67, 100, 150, 200, 400 };

BaseFrame::BaseFrame(BrowserMode side, const QString &deviceModel, QWidget *parent)
    : QWidget(parent)
    , side(side)
{
    buildTree(deviceModel);
    buildList();
    connectViews();
    nameForScreenReaders();

    auto *box = new QHBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(splitter);

    readLayoutSettings();
    arrange(arrangeBy);
}

BaseFrame::~BaseFrame()
{
    // The list and its model go before the plug-ins that may have touched
    // them, and the plug-in's menu is hidden while its code is still loaded.
    delete list;
    delete listModel;
    if (popupMenu)
        popupMenu->hide();
    kdePlugin.close();
    gtkPlugin.close();
}

QVideoList *BaseFrame::listView() const
{
    return list;
}

void BaseFrame::buildTree(const QString &deviceModel)
{
    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    tree = new BrowserTreeView(splitter);
    keepSchemeTextColours(tree);
    treeModel = new BrowserTreeModel(side, deviceModel, this);
    tree->setModel(treeModel);
    tree->setRootIndex(QModelIndex());
    tree->header()->setStretchLastSection(true);
    tree->header()->hide();
    tree->setExpandsOnDoubleClick(true);
    tree->setEditTriggers(QAbstractItemView::SelectedClicked);
    tree->setAnimated(false);
    tree->setIndentation(20);
    // Every row is an icon and one line: the view need not measure each of
    // the thousands a folder may bring.
    tree->setUniformRowHeights(true);
    tree->setSortingEnabled(true);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    splitter->addWidget(tree);
}

void BaseFrame::buildList()
{
    auto *listArea = new FileViewArea(splitter);
    list = new QVideoList(listArea);
    keepSchemeTextColours(list);
    list->setDragEnabled(true);
    list->setViewMode(QListView::IconMode);
    showIconsOf(defaultIconEdge, defaultIconEdge);
    list->setFlow(QListView::LeftToRight);
    list->setWrapping(true);
    list->setWordWrap(true);
    list->setMovement(QListView::Snap);
    list->setResizeMode(QListView::Adjust);
    list->setLayoutMode(QListView::Batched);
    list->setBatchSize(50);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    if (gnomeSession)
        list->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid black;}"));

    delete listModel;
    listModel = new VideoModel(nullptr);
    listModel->setCategory(MovieMode);
    list->setModel(listModel);

    // Whole rows, as the details view selects them.
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    details = new FileDetailsView(list, listArea);
    keepSchemeTextColours(details);
    details->hide();

    m_status = new ListStatusLine(list, listArea);
    auto *box = new QVBoxLayout(listArea);
    box->setSpacing(0);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(list);
    box->addWidget(details);
    box->addLayout(buildViewSwitch());
    list->setSpacing(0);
    splitter->addWidget(listArea);
    splitter->setCollapsible(1, false);
    // The list holds what the user works on: it gets the larger share, in
    // the same proportion in both panes at any width, whatever the sizes
    // the views would ask for.
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({ 200, 300 });
}

QLayout *BaseFrame::buildViewSwitch()
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(m_status, 1);
    m_iconsButton = viewButton(
        "_iconsViewButton", "view-list-icons", ":/skin/res/view_icons.png", m_status->parentWidget());
    m_detailsButton = viewButton(
        "_detailsViewButton", "view-list-details", ":/skin/res/view_details.png", m_status->parentWidget());
    m_iconsButton->setChecked(true);
    row->addWidget(m_iconsButton);
    row->addWidget(m_detailsButton);
    connect(m_iconsButton, &QAbstractButton::clicked, this, [this] { showDetails(false); });
    connect(m_detailsButton, &QAbstractButton::clicked, this, [this] { showDetails(true); });
    // As file managers bind Ctrl+1 and Ctrl+2, which the window's categories
    // have taken.
    const auto bind = [this](int key, bool shown) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, shown] { showDetails(shown); });
    };
    bind(Qt::Key_1, false);
    bind(Qt::Key_2, true);
    return row;
}

bool BaseFrame::showsDetails() const
{
    return !details->isHidden();
}

void BaseFrame::showDetails(bool shown)
{
    QAbstractItemView *from = list->shownView();
    QAbstractItemView *to = shown ? static_cast<QAbstractItemView *>(details) : list;
    (shown ? m_detailsButton : m_iconsButton)->setChecked(true);
    LayoutSettings::instance()->setValue(
        QLatin1String(side == HostMode ? LayoutSettings::leftViewBy : LayoutSettings::rightViewBy),
        shown ? LayoutSettings::detailsView : LayoutSettings::iconsView);
    if (to == from)
        return;
    const bool focused = from->hasFocus();
    to->show();
    from->hide();
    if (focused)
        to->setFocus(Qt::OtherFocusReason);
    if (to->currentIndex().isValid())
        to->scrollTo(to->currentIndex());
}

void BaseFrame::keepArrangement(int column)
{
    arrangeBy = column;
    LayoutSettings::instance()->setValue(
        QLatin1String(side == HostMode ? LayoutSettings::leftArrangeBy : LayoutSettings::rightArrangeBy),
        arrangeBy);
}

void BaseFrame::connectViews()
{
    for (QAbstractItemView *view :
        { static_cast<QAbstractItemView *>(list), static_cast<QAbstractItemView *>(details) }) {
        connect(view, &QAbstractItemView::doubleClicked, this, &BaseFrame::launchFile);
        connect(view, &QWidget::customContextMenuRequested, this, &BaseFrame::listContextMenu);
    }
    connect(details->header(), &QHeaderView::sortIndicatorChanged, this, &BaseFrame::keepArrangement);
    connect(list, &QVideoList::refreshTree, this, &BaseFrame::refreshTree);
    connect(list, &QVideoList::setCutIndex, this, &BaseFrame::setCurrentCutIndex);
    connect(list, &QVideoList::setCutFilesSignal, this, &BaseFrame::setCutFilesSlot);
    connect(list, &QVideoList::resetCutIndex, this, &BaseFrame::resetCurrentCutIndex);
    connect(list, &QVideoList::refreshBrowserTree, this, &BaseFrame::refreshBrowserTreeSlot);
    connect(list, &QVideoList::refreshBrowserTreeGnome, this, &BaseFrame::refreshBrowserTreeSlotGnome);
    connect(list, &QVideoList::doDrop, this, &BaseFrame::doDrop);
    connect(list, &QVideoList::openRequested, this, &BaseFrame::launchFile);
    connect(list, &QVideoList::parentRequested, this, &BaseFrame::showParentFolder);
    connect(list, &QVideoList::deleteRequested, this, &BaseFrame::deleteSelected);
    connect(list, &QVideoList::zoomRequested, this, [this](int step) {
        if (step > 0)
            zoomIn();
        else if (step < 0)
            zoomOut();
        else
            resetZoom();
    });
    connect(tree, &QWidget::customContextMenuRequested, this, &BaseFrame::treeContextMenu);
    connect(
        tree->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &BaseFrame::SelectBrowserRow);
    // The model tells of changed, added and removed folders itself.
    connect(listModel, &VideoModel::refresh, this, &BaseFrame::refreshTree);
    connect(listModel, &QAbstractItemModel::rowsInserted, this, &BaseFrame::takeArrivedCurrent);
    // The tree often lists the folder the list is reading: on a machine of
    // two cores it would take one from the list, whose rows are what the
    // user waits for.
    const auto holdTree = [this] { treeModel->holdListings(listModel->isLoading()); };
    connect(listModel, &FolderListModel::rootPathChanged, this, holdTree);
    connect(listModel, &FolderListModel::directoryLoaded, this, holdTree);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &BaseFrame::ViewSelectionChanged);
    connect(tree, &QTreeView::expanded, this, &BaseFrame::treeExpanded);
}

void BaseFrame::readLayoutSettings()
{
    LayoutSettings *settings = LayoutSettings::instance();
    const bool left = side == HostMode;
    // A choice KDE 4's file manager never made for the program.
    const QVariant view
        = settings->value(QLatin1String(left ? LayoutSettings::leftViewBy : LayoutSettings::rightViewBy));
    if (view.toInt() == LayoutSettings::detailsView)
        showDetails(true);
    // A KDE 4 session keeps its own file manager's view settings.
    if (kde4Session)
        return;
    arrangeBy
        = settings->value(
                      QLatin1String(left ? LayoutSettings::leftArrangeBy : LayoutSettings::rightArrangeBy))
              .toInt();
    zoomLevel = settings->value(QLatin1String(zoomKey())).toInt();
    if (gnomeSession) {
        const int edge = iconEdgeOf(zoomLevel);
        showIconsOf(edge, edge);
    }
}

void BaseFrame::nameForScreenReaders()
{
    // Hidden in the Bookmarks category, and then not to be read out.
    QAccessible::installFactory(PaneAccessible::factory<BaseFrame>);
    const bool host = side == HostMode;
    tree->setAccessibleName(host ? tr("IDS_HOST_FOLDERS") : tr("IDS_DEVICE_FOLDERS"));
    list->setAccessibleName(host ? tr("IDS_HOST_FILES") : tr("IDS_DEVICE_FILES"));
    details->setAccessibleName(list->accessibleName());
    // Pictures only: their names are told, not written.
    const auto name = [](QToolButton *button, const QString &text) {
        button->setToolTip(text);
        button->setAccessibleName(text);
    };
    name(m_iconsButton, tr("IDS_VIEW_ICONS"));
    name(m_detailsButton, tr("IDS_VIEW_DETAILS"));
}

void BaseFrame::showIconsOf(int width, int height)
{
    list->setIconSize(QSize(width, height));
    list->setGridSize(ItemNameLayout::cellSize(qMax(width, height), list->fontMetrics()));
}

const char *BaseFrame::zoomKey() const
{
    return side == HostMode ? LayoutSettings::leftZoomLevel : LayoutSettings::rightZoomLevel;
}

QString BaseFrame::currentPath() const
{
    const QString path = listModel->rootPath();
    return listModel->isActive() && isShownFolder(path) ? path : QString();
}

void BaseFrame::SelectBrowserRow(const QModelIndex &index)
{
    setCursor(Qt::BusyCursor);
    QString path = index.data(BrowserTreeModel::FullPathRole).toString();
    const bool labelRow = index.isValid() && !index.parent().isValid() && index.row() == 0;
    if (labelRow)
        path = side == ExternalDeviceMode ? impossiblePath : QString();
    Logger::instance()->log("SelectBrowserRow %s", qPrintable(path));
    list->clearSelection();
    currentOnArrival.clear();
    listModel->setFolder(path);
    list->setRootIndex(listModel->index(path));
    m_status->refresh();
    emit BrowserSelectionChanged(QFileInfoList(), side);
    treeModel->expand(index);
    unsetCursor();
}

QModelIndex BaseFrame::categoryRow(FileBrowserMode mode) const
{
    const QModelIndex row = treeModel->categoryIndex(mode);
    // Without a Video folder on the PC, its category lands on Documents.
    const bool shown = row.isValid() && !row.data(BrowserTreeModel::FullPathRole).toString().isEmpty();
    if (mode == MovieMode && side == HostMode && !shown)
        return treeModel->categoryIndex(DocumentsMode);
    return row;
}

void BaseFrame::SelectMode(FileBrowserMode newMode)
{
    list->clearSelection();
    mode = newMode;
    const QModelIndex row = categoryRow(newMode);
    listModel->setCategory(newMode);
    const QModelIndex before = tree->currentIndex();
    if (row.isValid()) {
        tree->collapseAll();
        tree->setCurrentIndex(row);
        tree->expand(row);
    }
    // A new row has shown its folder, which asked for the new category's
    // thumbnails already; restarting would wait for the worker once more.
    if (tree->currentIndex() == before)
        listModel->restartThumbnails();
}

void BaseFrame::launchFile(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QFileInfo file(FolderListModel::filePathOf(index));
    if (file.isSymLink())
        return;
    if (file.isDir())
        openFolderFromList(file);
    else if (file.isFile() && kde4Session)
        openWithKde(file.absoluteFilePath());
    else if (file.isFile())
        openFile(file.absoluteFilePath());
}

void BaseFrame::openFolderFromList(const QFileInfo &folder)
{
    const QModelIndex current = tree->currentIndex();
    if (!current.isValid())
        return;
    QModelIndex found = treeModel->findLoadedPath(folder, current);
    // The tree may still be listing the folder in the background: the
    // user asked for this one, so it is listed now.
    if (!found.isValid() && treeModel->nodeFromIndex(current)->listingTicket() != 0) {
        treeModel->refresh(current);
        found = treeModel->findLoadedPath(folder, current);
    }
    if (!found.isValid())
        return;
    // Current first: the list then reads the folder before the tree does.
    tree->setCurrentIndex(found);
    tree->expand(found);
}

void BaseFrame::showParentFolder()
{
    const QModelIndex current = tree->currentIndex();
    const QModelIndex parent = current.parent();
    if (!parent.isValid())
        return;
    const QString left = current.data(BrowserTreeModel::FullPathRole).toString();
    tree->setCurrentIndex(parent);
    // The folder is listed in the background: its row may come later.
    currentOnArrival = left;
    takeArrivedCurrent();
}

void BaseFrame::takeArrivedCurrent()
{
    if (currentOnArrival.isEmpty())
        return;
    const QModelIndex row = listModel->index(currentOnArrival);
    if (row.isValid()) {
        currentOnArrival.clear();
        list->setCurrentIndex(row);
    } else if (listModel->isLoaded()) {
        currentOnArrival.clear();
    }
}

void BaseFrame::openFile(const QString &path)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    QGuiApplication::restoreOverrideCursor();
}

void BaseFrame::ViewSelectionChanged(const QItemSelection &, const QItemSelection &)
{
    QFileInfoList files;
    const QModelIndexList indexes = QVideoList::selectedRows(list->selectionModel());
    for (const QModelIndex &index : indexes) {
        const QFileInfo file(FolderListModel::filePathOf(index));
        if ((file.isFile() || file.isDir() || file.isSymLink()) && !file.isRoot())
            files.append(file);
    }
    emit BrowserSelectionChanged(files, side);
}

QFileInfoList BaseFrame::selectedFiles() const
{
    QFileInfoList files;
    const QModelIndexList indexes = QVideoList::selectedRows(list->selectionModel());
    for (const QModelIndex &index : indexes)
        files.append(QFileInfo(FolderListModel::filePathOf(index)));
    return files;
}

bool BaseFrame::deleteFiles(const QFileInfoList &files)
{
    bool removed = false;
    for (const QFileInfo &file : files) {
        removed = listModel->remove(listModel->index(file.absoluteFilePath()));
        if (!removed)
            break;
    }
    refreshTree();
    return removed;
}

void BaseFrame::deleteSelected()
{
    const QFileInfoList files = selectedFiles();
    if (files.isEmpty())
        return;
    QStringList paths;
    for (const QFileInfo &file : files)
        paths.append(file.absoluteFilePath());
    const QPointer<BaseFrame> alive(this);
    const auto run = [this](MessageBox *box) {
        if (m_runBox)
            return m_runBox(box);
        const QPointer<MessageBox> shown(box);
        const int answer = box->exec();
        delete shown;
        return answer;
    };
    const int answer = run(QVideoList::deleteQuestion(paths, this));
    if (!alive || answer != QMessageBox::Yes)
        return;
    const bool deleted = deleteFiles(files);
    // Some may have gone before the one that failed.
    emit filesDeleted();
    if (!deleted && alive)
        run(new MessageBox(QMessageBox::Critical, tr("IDS_DELETE_ERROR"), QMessageBox::Ok, this));
}

bool BaseFrame::createFolder(const QString &name, bool makeWritable)
{
    const QString base = currentPath();
    const QDir folder(base);
    QString candidate = name;
    for (int n = 1; folder.exists(candidate); ++n)
        candidate = name + QLatin1Char(' ') + QString::number(n);

    const QModelIndex created = listModel->mkdir(listModel->index(base), candidate);
    if (!created.isValid())
        return false;
    if (makeWritable)
        setWritableRecursive(folder.filePath(candidate));
    refreshTree();

    list->setCurrentIndex(created);
    tree->setFocus();
    // The GNOME plug-in's menu lays the list out again first.
    if (gnomeSession)
        QTimer::singleShot(gnomeLayoutDelayMs, this, &BaseFrame::startEditMode);
    else
        list->editItem(created);
    return true;
}

void BaseFrame::startEditMode()
{
    const QModelIndexList selected = QVideoList::selectedRows(list->selectionModel());
    if (!selected.isEmpty())
        list->editItem(selected.first());
}

void BaseFrame::zoomIn()
{
    for (int level : zoomLevels) {
        if (level > zoomLevel)
            return applyZoom(level);
    }
    applyZoom(zoomLevels.last());
}

void BaseFrame::zoomOut()
{
    for (auto level = zoomLevels.crbegin(); level != zoomLevels.crend(); ++level) {
        if (*level < zoomLevel)
            return applyZoom(*level);
    }
    applyZoom(zoomLevels.first());
}

void BaseFrame::resetZoom()
{
    applyZoom(defaultZoom);
}

void BaseFrame::applyZoom(int level)
{
    zoomLevel = level;
    const int edge = iconEdgeOf(level);
    setIconSize(edge, edge);
}

void BaseFrame::setIconSize(int width, int height)
{
    showIconsOf(width, height);
    LayoutSettings::instance()->setValue(QLatin1String(zoomKey()), zoomLevel);
}

void BaseFrame::arrange(int column)
{
    if (column < 0 || column > 3)
        return;
    arrangeBy = column;
    // The header sorts the rows, for both views.
    details->header()->setSortIndicator(column, Qt::AscendingOrder);
}

void BaseFrame::refreshTree()
{
    const QModelIndex current = tree->currentIndex();
    if (current.isValid())
        treeModel->refresh(current);
}

void BaseFrame::treeExpanded(const QModelIndex &index)
{
    if (index.isValid())
        treeModel->expand(index);
}

void BaseFrame::setCurrentCutIndex()
{
    cutIndex = tree->currentIndex();
}

void BaseFrame::setCutFilesSlot(const QVector<QString> &files)
{
    cutFiles = files;
}

void BaseFrame::resetCurrentCutIndex()
{
    cutIndex = QPersistentModelIndex();
}

void BaseFrame::refreshBrowserTreeSlotGnome()
{
    treeModel->refresh(cutIndex);
    // A pasted file may have replaced one of the same name, whose thumbnail
    // the list still holds.
    listModel->restartThumbnails();
}

void BaseFrame::doDrop(const QFileInfoList &files, const QString &targetDir)
{
    emit SignalDoDrop(files, side, targetDir);
}
