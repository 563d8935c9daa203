// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/BookmarkBrowser.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"
#include "bookmarks/BookmarksListView.h"
#include "bookmarks/FilteredBrowserModel.h"
#include "bookmarks/IBrowser.h"
#include "widgets/MessageBox.h"
#include "widgets/PaneAccessible.h"
#include "widgets/SkinStyle.h"
#include "widgets/TreeView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace {

const int monitorIntervalMs = 2000;
const int listTitleWidth = 150;
// Enough to recognise what failed without a box taller than the screen.
const int listedTitles = 10;

bool isBrowserRow(const BookmarkItem *item)
{
    return item->type() == BrowserRootItem
        && (item->title() == QLatin1String("Chrome") || item->title() == QLatin1String("Firefox"));
}

// A second bookmark of the same address in one folder only clutters it.
bool holdsAddressOf(const BookmarkItem *folder, const BookmarkItem *item)
{
    if (item->type() != UrlItem)
        return false;
    const QList<BookmarkItem *> &children = folder->children();
    return std::any_of(children.cbegin(), children.cend(), [item](const BookmarkItem *child) {
        return child->type() == UrlItem && child->url() == item->url();
    });
}

// The titles one per line, the first listedTitles of them.
QString listed(const QStringList &titles)
{
    QStringList shown = titles.mid(0, listedTitles);
    if (titles.size() > listedTitles)
        shown << QStringLiteral("…");
    return shown.join(QLatin1Char('\n'));
}

} // namespace

BookmarkBrowser::BookmarkBrowser(int mode, QWidget *parent)
    : QWidget(parent)
    , m_mode(mode)
{
    buildViews();
    m_tree->expandToDepth(0);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &BookmarkBrowser::browserTreeSelectionChanged);
    connect(
        m_list, &BookmarksListView::elementDoubleClicked, this, &BookmarkBrowser::browserListDoubleClicked);
    connect(m_tree, &QTreeView::clicked, this, &BookmarkBrowser::browserListClicked);
    if (m_mode == 0) {
        m_monitor = new QTimer(this);
        connect(m_monitor, &QTimer::timeout, this, &BookmarkBrowser::onMonitorBrowsersTimer);
        m_monitor->start(monitorIntervalMs);
        m_tree->collapseAll();
    }
    selectInTree(m_proxy->index(0, 0));
    if (m_mode == 0)
        connect(m_model, &BookmarkTreeModel::hostDeviceBookmarksLoaded, this,
            &BookmarkBrowser::bookmarksWereLoaded);
    else
        connect(m_model, &BookmarkTreeModel::extDeviceBookmarksLoaded, this,
            &BookmarkBrowser::bookmarksWereLoaded);
}

BookmarkBrowser::~BookmarkBrowser()
{
    if (m_monitor)
        m_monitor->stop();
}

void BookmarkBrowser::buildViews()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_model = new BookmarkTreeModel(m_mode, this);
    m_proxy = new FilteredBrowserModel(this);
    m_proxy->setSourceModel(m_model);

    m_tree = new TreeView(m_splitter);
    keepSchemeTextColours(m_tree);
    m_tree->setObjectName(QStringLiteral("_bookmarkTree"));
    m_tree->setModel(m_proxy);
    m_tree->setHeaderHidden(true);
    m_tree->setColumnHidden(1, true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_list = new BookmarksListView(m_splitter);
    keepSchemeTextColours(m_list);
    m_list->setObjectName(QStringLiteral("_bookmarkList"));
    m_list->setModel(m_model);
    m_list->setItemsExpandable(false);
    m_list->setRootIsDecorated(false);
    m_list->setColumnWidth(0, listTitleWidth);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked);

    const bool host = m_mode == 0;
    m_tree->setAccessibleName(host ? tr("IDS_HOST_BOOKMARK_FOLDERS") : tr("IDS_DEVICE_BOOKMARK_FOLDERS"));
    m_list->setAccessibleName(host ? tr("IDS_HOST_BOOKMARKS") : tr("IDS_DEVICE_BOOKMARKS"));
    // Hidden outside the Bookmarks category, and then not to be read out.
    QAccessible::installFactory(PaneAccessible::factory<BookmarkBrowser>);

    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_list);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);
}

void BookmarkBrowser::selectInTree(const QModelIndex &proxyIndex)
{
    if (!proxyIndex.isValid())
        return;
    m_tree->selectionModel()->setCurrentIndex(proxyIndex, QItemSelectionModel::ClearAndSelect);
}

void BookmarkBrowser::showFolder(const QModelIndex &treeIndex)
{
    if (!treeIndex.isValid())
        return;
    const QModelIndex folder = m_proxy->mapToSource(treeIndex);
    if (folder.column() != 0)
        return;
    m_list->setRootIndex(folder);
    m_list->clearSelection();
}

void BookmarkBrowser::browserTreeSelectionChanged(const QItemSelection &selected, const QItemSelection &)
{
    if (!selected.indexes().isEmpty())
        showFolder(selected.indexes().first());
}

void BookmarkBrowser::browserListDoubleClicked(const QModelIndex &index)
{
    const BookmarkItem *item = m_model->itemFromIndex(index);
    if (!index.isValid() || item->type() == UrlItem)
        return;
    selectInTree(m_proxy->mapFromSource(index.siblingAtColumn(0)));
}

void BookmarkBrowser::browserListClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QModelIndex mapped = m_proxy->mapToSource(index);
    const BookmarkItem *item = mapped.isValid() ? m_model->itemFromIndex(mapped) : nullptr;
    if (!item || item->type() != BrowserRootItem)
        return;
    const struct
    {
        BookmarkTreeModel::Source source;
        const char *name;
    } browsers[] = { { BookmarkTreeModel::FirefoxSource, "Firefox" },
        { BookmarkTreeModel::ChromeSource, "Chrome" }, { BookmarkTreeModel::SafariSource, "Safari" } };
    for (const auto &browser : browsers) {
        const QString name = QLatin1String(browser.name);
        if (item->title() != name || m_model->source(browser.source)->isLoaded())
            continue;
        while (m_model->source(browser.source)->isRunning()) {
            if (askToCloseBrowser(m_model->storeLabel(item)) != QMessageBox::Retry)
                return;
        }
        m_model->reloadBrowser(browser.source);
        m_list->setRootIndex(mapped);
        m_list->clearSelection();
        return;
    }
}

int BookmarkBrowser::askToCloseBrowser(const QString &name)
{
    MessageBox box(QMessageBox::Question, tr("IDS_ASK_TO_CLOSE_BROWSER").arg(name),
        QMessageBox::Retry | QMessageBox::Cancel, this);
    box.button(QMessageBox::Retry)->setText(tr("IDS_RETRY"));
    return box.exec();
}

void BookmarkBrowser::onMonitorBrowsersTimer()
{
    QModelIndex browserRow = m_tree->currentIndex();
    while (browserRow.parent().isValid())
        browserRow = browserRow.parent();
    const QPersistentModelIndex shownBrowser(browserRow);
    m_model->unloadRunningBrowsers();
    // The folder shown may have gone with the browser's tree; its row is then
    // shown rather than every browser.
    if (!m_list->rootIndex().isValid())
        selectInTree(shownBrowser);
}

void BookmarkBrowser::bookmarksWereLoaded()
{
    const QModelIndex top = m_proxy->index(0, 0);
    if (!top.isValid())
        return;
    const QModelIndex first = m_proxy->index(0, 0, top);
    if (!first.isValid())
        return;
    // A current row inside a collapsed one would not be seen.
    m_tree->expand(top);
    selectInTree(first);
}

void BookmarkBrowser::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        m_list->clearSelection();
    QWidget::showEvent(event);
}

bool BookmarkBrowser::deleteSelected()
{
    for (;;) {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows(0);
        if (rows.isEmpty())
            break;
        const QModelIndex first = rows.first();
        if (!m_model->removeRows(first.row(), 1, first.parent()))
            return false;
    }
    if (m_model->save())
        return true;
    bookmarksWereLoaded();
    return false;
}

bool BookmarkBrowser::createFolder()
{
    const QModelIndex parent = m_proxy->mapToSource(m_tree->currentIndex());
    if (!m_model->insertRows(0, 1, parent))
        return false;
    const QModelIndex created = m_model->index(0, 0, m_list->rootIndex());
    m_list->setCurrentIndex(created);
    if (!m_model->save()) {
        bookmarksWereLoaded();
        return false;
    }
    m_list->edit(m_model->index(0, 0, m_list->rootIndex()));
    return true;
}

QModelIndex BookmarkBrowser::treeTarget() const
{
    return m_proxy->mapToSource(m_tree->currentIndex());
}

bool BookmarkBrowser::canReceive(const BookmarkBrowser &from) const
{
    const QModelIndex target = treeTarget();
    if (target.isValid() && isBrowserRow(m_model->itemFromIndex(target)))
        return false;
    return from.m_list->selectionModel()->hasSelection();
}

QString BookmarkBrowser::receiveCopies(const BookmarkBrowser &from)
{
    const QModelIndex target = treeTarget();
    BookmarkItem *destination = target.isValid() ? m_model->itemFromIndex(target) : nullptr;
    QStringList alreadyThere;
    if (destination) {
        const QString refused = refusal(from, destination);
        if (!refused.isEmpty())
            return refused;
        const QModelIndexList rows = from.m_list->selectionModel()->selectedRows(0);
        for (const QModelIndex &row : rows) {
            const BookmarkItem *item = from.m_model->itemFromIndex(row);
            if (holdsAddressOf(destination, item))
                alreadyThere << item->title();
            else
                m_model->copyItem(item, destination);
        }
    }
    const QString store = m_model->storeLabel(destination);
    QStringList unwritten;
    if (!m_model->save(&unwritten)) {
        // The store was read again: what was shown may be gone.
        bookmarksWereLoaded();
        return notWrittenText(store, unwritten);
    }
    const QModelIndex current = m_tree->currentIndex();
    selectInTree(current);
    showFolder(current);
    if (alreadyThere.isEmpty())
        return QString();
    return tr("IDS_BOOKMARKS_ALREADY_THERE").arg(listed(alreadyThere));
}

QString BookmarkBrowser::refusal(const BookmarkBrowser &from, const BookmarkItem *destination) const
{
    const QString store = m_model->storeLabel(destination);
    if (!m_model->isWritable(destination))
        return tr("IDS_BOOKMARKS_READ_ONLY").arg(store);
    const QModelIndexList rows = from.m_list->selectionModel()->selectedRows(0);
    for (const QModelIndex &row : rows) {
        if (m_model->nestsTooDeep(from.m_model->itemFromIndex(row), destination))
            return tr("IDS_BOOKMARKS_TOO_DEEP").arg(store);
    }
    return QString();
}

QString BookmarkBrowser::notWrittenText(const QString &store, const QStringList &titles)
{
    return tr("IDS_BOOKMARKS_NOT_WRITTEN").arg(store, listed(titles));
}
