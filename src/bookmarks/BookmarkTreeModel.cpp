// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/BookmarkTreeModel.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/Chrome.h"
#include "bookmarks/Explorer.h"
#include "bookmarks/Firefox.h"
#include "bookmarks/Safari.h"
#include "widgets/SkinStyle.h"

#include <QColor>
#include <QFileIconProvider>
#include <QIcon>
#include <QPixmap>

namespace {

const int firefoxRootId = 1;
const int deviceIconSize = 16;

const char *const browserNames[] = { "IExplorer", "Firefox", "Chrome", "Safari" };

const BookmarkTreeModel::Source allSources[] = { BookmarkTreeModel::ExplorerSource,
    BookmarkTreeModel::FirefoxSource, BookmarkTreeModel::ChromeSource, BookmarkTreeModel::SafariSource };

QString browserImage(const QString &title)
{
    if (title == QLatin1String("IExplorer"))
        return QStringLiteral(":/skin/res/bookmarks/IE.png");
    if (title == QLatin1String("Firefox"))
        return QStringLiteral(":/skin/res/bookmarks/Firefox.png");
    if (title == QLatin1String("Chrome"))
        return QStringLiteral(":/skin/res/bookmarks/Chrome.png");
    if (title == QLatin1String("Safari"))
        return QStringLiteral(":/skin/res/bookmarks/Safari.png");
    return QString();
}

BookmarkItem *rootItem(const QString &title, const QVariant &id, BookmarkItem *header)
{
    auto *item = new BookmarkItem({ title, QString(), BrowserRootItem, id, false, true });
    header->appendChild(item);
    return item;
}

// The level of item below its browser row, whose root folders are on 1.
int levelBelowRow(const BookmarkItem *item)
{
    int level = 0;
    for (; item && item->type() != BrowserRootItem; item = item->parent())
        ++level;
    return level;
}

// How many levels item and its contents take.
int height(const BookmarkItem *item)
{
    int below = 0;
    for (const BookmarkItem *child : item->children())
        below = qMax(below, height(child));
    return below + 1;
}

// The new items under item that are not stored, the topmost of each branch.
void addUnstored(const BookmarkItem *item, QStringList *titles)
{
    for (const BookmarkItem *child : item->children()) {
        if (child->storedId() == -1)
            titles->append(child->title());
        else
            addUnstored(child, titles);
    }
}

} // namespace

BookmarkTreeModel::BookmarkTreeModel(int mode, QObject *parent)
    : QAbstractItemModel(parent)
    , m_mode(mode)
    , m_deviceLabel(tr("IDS_MY_OPALO").arg(QString()))
    , m_header(new BookmarkItem(
          { QStringLiteral("Title"), QStringLiteral("URL"), HeaderItem, QVariant(), false, true }))
{
    for (const Source kind : allSources)
        m_sources[kind] = makeSource(kind);
    if (m_mode == 1) {
        rootItem(m_deviceLabel, QVariant(), m_header.get());
        return;
    }
    for (const Source kind : allSources) {
        if (m_sources[kind]->isInstalled())
            rootItem(rootTitle(kind), kind == FirefoxSource ? QVariant(firefoxRootId) : QVariant(),
                m_header.get());
    }
}

BookmarkTreeModel::~BookmarkTreeModel()
{
    // Whoever has reload() called from another thread stops that here,
    // while the stores are still whole.
    emit aboutToBeDeleted();
}

void BookmarkTreeModel::setDeviceModel(const QString &model)
{
    if (m_mode != 1)
        return;
    BookmarkItem *row = rootRow(ChromeSource);
    m_deviceLabel = tr("IDS_MY_OPALO").arg(model);
    if (!row)
        return;
    row->setTitle(m_deviceLabel);
    const QModelIndex index = indexFromItem(row);
    emit dataChanged(index, index);
}

std::unique_ptr<IBrowser> BookmarkTreeModel::makeSource(Source source) const
{
    switch (source) {
    case ExplorerSource:
        return std::make_unique<Explorer>();
    case FirefoxSource:
        return std::make_unique<Firefox>();
    case ChromeSource:
        return std::make_unique<Chrome>(m_mode);
    case SafariSource:
        break;
    }
    return std::make_unique<Safari>();
}

IBrowser *BookmarkTreeModel::source(Source source) const
{
    return m_sources[source].get();
}

Firefox *BookmarkTreeModel::firefox() const
{
    return static_cast<Firefox *>(source(FirefoxSource));
}

Chrome *BookmarkTreeModel::chrome() const
{
    return static_cast<Chrome *>(source(ChromeSource));
}

Safari *BookmarkTreeModel::safari() const
{
    return static_cast<Safari *>(source(SafariSource));
}

QString BookmarkTreeModel::rootTitle(Source source) const
{
    if (m_mode == 1)
        return m_deviceLabel;
    return QLatin1String(browserNames[source]);
}

BookmarkItem *BookmarkTreeModel::itemFromIndex(const QModelIndex &index) const
{
    if (!index.isValid())
        return m_header.get();
    return static_cast<BookmarkItem *>(index.internalPointer());
}

QModelIndex BookmarkTreeModel::indexFromItem(BookmarkItem *item) const
{
    if (!item || item == m_header.get() || !item->parent())
        return QModelIndex();
    return createIndex(item->row(), 0, item);
}

namespace {

const BookmarkItem *browserRootOf(const BookmarkItem *item)
{
    while (item && item->type() != BrowserRootItem)
        item = item->parent();
    return item;
}

} // namespace

QString BookmarkTreeModel::browserRootTitle(const BookmarkItem *item)
{
    const BookmarkItem *root = browserRootOf(item);
    return root ? root->title() : QString();
}

QString BookmarkTreeModel::storeLabel(const BookmarkItem *item) const
{
    const BookmarkItem *root = browserRootOf(item);
    return root ? label(root) : QString();
}

int BookmarkTreeModel::columnCount(const QModelIndex &) const
{
    return 2;
}

int BookmarkTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return itemFromIndex(parent)->childCount();
}

QModelIndex BookmarkTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    BookmarkItem *child = itemFromIndex(parent)->child(row);
    if (!child)
        return QModelIndex();
    return createIndex(row, column, child);
}

QModelIndex BookmarkTreeModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    BookmarkItem *parentItem = itemFromIndex(index)->parent();
    if (!parentItem || parentItem == m_header.get())
        return QModelIndex();
    return createIndex(parentItem->row(), 0, parentItem);
}

QVariant BookmarkTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    return section == 0 ? m_header->title() : m_header->url();
}

Qt::ItemFlags BookmarkTreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const BookmarkItem *item = itemFromIndex(index);
    if (item->type() == FolderItem && item->isRenamable() && m_mode == 1 && isWritable(item))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant BookmarkTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const BookmarkItem *item = itemFromIndex(index);
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0 ? label(item) : item->url();
    case Qt::EditRole:
        return item->title();
    case Qt::DecorationRole:
        return index.column() == 0 ? decoration(item) : QVariant();
    case Qt::ForegroundRole:
        if (index.column() != 0)
            return QVariant();
        return QColor(isUnavailable(item) ? Qt::red : Qt::black);
    default:
        return QVariant();
    }
}

QString BookmarkTreeModel::label(const BookmarkItem *item) const
{
    if (m_mode == 0 && item->type() == BrowserRootItem && item->title() == rootTitle(ChromeSource))
        return chrome()->label();
    return item->title();
}

QVariant BookmarkTreeModel::decoration(const BookmarkItem *item) const
{
    switch (item->type()) {
    case FolderItem:
        return QFileIconProvider().icon(QFileIconProvider::Folder);
    case UrlItem:
        return skinPixmap(QStringLiteral(":/skin/res/bookmarks/web_file.png"));
    case BrowserRootItem:
        if (m_mode == 1)
            return QFileIconProvider()
                .icon(QFileIconProvider::Computer)
                .pixmap(deviceIconSize, deviceIconSize);
        return skinPixmap(browserImage(item->title()));
    default:
        return QPixmap();
    }
}

// Not asking isRunning() here keeps /proc from being read on every paint: the
// pane's monitor unloads a running browser within two seconds.
bool BookmarkTreeModel::isUnavailable(const BookmarkItem *item) const
{
    if (item->type() != BrowserRootItem)
        return false;
    for (const Source kind : { FirefoxSource, ChromeSource, SafariSource }) {
        if (item->title() == QLatin1String(browserNames[kind]))
            return !m_sources[kind]->isLoaded();
    }
    return false;
}

bool BookmarkTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    BookmarkItem *item = itemFromIndex(index);
    const QString store = browserRootTitle(item);
    if ((store != QLatin1String("Chrome") && m_mode != 1) || !isWritable(item))
        return false;
    const QString title = value.toString();
    if (title == item->title())
        return false;
    // Saving reads the store again, and the item goes with its old tree.
    const QString label = storeLabel(item);
    item->setTitle(title);
    markChanged(item);
    emit dataChanged(index, index);
    if (save())
        return true;
    emit renameNotSaved(label, title);
    return false;
}

bool BookmarkTreeModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (!parent.isValid() || count <= 0)
        return false;
    BookmarkItem *parentItem = itemFromIndex(parent);
    if ((parentItem->type() == BrowserRootItem && m_mode == 1) || !isWritable(parentItem))
        return false;
    markChanged(parentItem);
    const int first = qBound(0, row, parentItem->childCount());
    beginInsertRows(parent, first, first + count - 1);
    for (int i = 0; i < count; ++i) {
        parentItem->insertChild(first + i,
            new BookmarkItem({ QObject::tr("IDS_FOLDER"), QString(), FolderItem, QVariant(), true, true }));
    }
    endInsertRows();
    return true;
}

bool BookmarkTreeModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (!parent.isValid() || row < 0)
        return false;
    if (count <= 0)
        return true;
    BookmarkItem *parentItem = itemFromIndex(parent);
    if (!isWritable(parentItem))
        return false;
    const int last = qMin(row + count, parentItem->childCount()) - 1;
    for (int i = row; i <= last; ++i) {
        if (!parentItem->child(i)->isRemovable())
            return false;
    }
    if (last < row)
        return false;
    markChanged(parentItem);
    beginRemoveRows(parent, row, last);
    for (int i = row; i <= last; ++i)
        delete parentItem->takeChild(row);
    endRemoveRows();
    return last - row + 1 == count;
}

void BookmarkTreeModel::reload()
{
    auto loaded = std::make_shared<LoadedSources>();
    const std::vector<Source> order = m_mode == 1
        ? std::vector<Source> { ChromeSource }
        : std::vector<Source>(std::begin(allSources), std::end(allSources));
    for (const Source kind : order)
        loaded->emplace_back(kind, loadSource(kind));
    // Direct on the GUI thread, queued from the engine's.
    QMetaObject::invokeMethod(this, [this, loaded] { adoptAll(*loaded); }, Qt::AutoConnection);
}

void BookmarkTreeModel::adoptAll(LoadedSources &loaded)
{
    for (auto &source : loaded)
        adopt(source.first, std::move(source.second));
    if (m_mode == 1)
        emit extDeviceBookmarksLoaded();
    else
        emit hostDeviceBookmarksLoaded();
}

void BookmarkTreeModel::reloadBrowser(Source source)
{
    adopt(source, loadSource(source));
}

std::unique_ptr<IBrowser> BookmarkTreeModel::loadSource(Source source) const
{
    std::unique_ptr<IBrowser> loaded = makeSource(source);
    // The device's file is read whatever the PC's browsers do.
    if (m_mode != 1) {
        if (!loaded->isInstalled())
            return nullptr;
        if (source != ExplorerSource && loaded->isRunning())
            return nullptr;
    }
    loaded->loadBookmarks();
    return loaded;
}

void BookmarkTreeModel::adopt(Source source, std::unique_ptr<IBrowser> loaded)
{
    BookmarkItem *row = loaded ? rootRow(source) : nullptr;
    if (!row || !loaded->root())
        return;
    removeChildren(row);
    const QList<BookmarkItem *> children = loaded->root()->takeChildren();
    if (!children.isEmpty()) {
        beginInsertRows(indexFromItem(row), 0, children.size() - 1);
        for (BookmarkItem *child : children)
            row->appendChild(child);
        endInsertRows();
    }
    loaded->setRoot(row);
    m_sources[source] = std::move(loaded);
    m_changed[source] = false;
    const QModelIndex changed = indexFromItem(row);
    emit dataChanged(changed, changed, { Qt::ForegroundRole });
}

std::optional<BookmarkTreeModel::Source> BookmarkTreeModel::sourceOf(const BookmarkItem *item) const
{
    while (item && item->type() != BrowserRootItem)
        item = item->parent();
    for (const Source kind : allSources) {
        if (item && m_sources[kind]->root() == item)
            return kind;
    }
    return std::nullopt;
}

void BookmarkTreeModel::markChanged(const BookmarkItem *item)
{
    if (const std::optional<Source> kind = sourceOf(item))
        m_changed[*kind] = true;
}

bool BookmarkTreeModel::isWritable(const BookmarkItem *item) const
{
    const std::optional<Source> kind = sourceOf(item);
    return kind && m_sources[*kind]->isWritable();
}

bool BookmarkTreeModel::nestsTooDeep(const BookmarkItem *source, const BookmarkItem *destination) const
{
    // Only Chrome's format has a limit; the device keeps its bookmarks in it.
    return sourceOf(destination) == ChromeSource
        && levelBelowRow(destination) + height(source) > Chrome::maxItemLevel;
}

BookmarkItem *BookmarkTreeModel::rootRow(Source source) const
{
    const QString title = rootTitle(source);
    BookmarkItem *found = nullptr;
    for (BookmarkItem *child : m_header->children()) {
        if (child->title() == title)
            found = child;
    }
    return found;
}

void BookmarkTreeModel::removeChildren(BookmarkItem *item)
{
    if (item->childCount() == 0)
        return;
    beginRemoveRows(indexFromItem(item), 0, item->childCount() - 1);
    qDeleteAll(item->takeChildren());
    endRemoveRows();
}

bool BookmarkTreeModel::save(QStringList *unwritten)
{
    bool complete = true;
    for (const Source kind : allSources) {
        IBrowser *browser = m_sources[kind].get();
        if (!m_changed[kind] || !browser->root())
            continue;
        // A browser started since it was read would overwrite the file, or
        // hold its database locked.
        const bool running = m_mode != 1 && browser->isRunning();
        if (!running && browser->saveBookmarks()) {
            m_changed[kind] = false;
            continue;
        }
        complete = false;
        if (unwritten)
            addUnstored(browser->root(), unwritten);
        if (running)
            unload(kind);
        else
            reloadBrowser(kind);
    }
    return complete;
}

void BookmarkTreeModel::unloadRunningBrowsers()
{
    for (const Source kind : { FirefoxSource, ChromeSource, SafariSource }) {
        IBrowser *browser = m_sources[kind].get();
        if (browser->isLoaded() && browser->isRunning()) {
            unload(kind);
            return;
        }
    }
}

void BookmarkTreeModel::unload(Source source)
{
    for (BookmarkItem *row : m_header->children()) {
        if (row->type() == BrowserRootItem && row->title() == QLatin1String(browserNames[source]))
            removeChildren(row);
    }
    m_sources[source]->setLoaded(false);
    m_changed[source] = false;
    if (BookmarkItem *row = rootRow(source)) {
        const QModelIndex changed = indexFromItem(row);
        emit dataChanged(changed, changed, { Qt::ForegroundRole });
    }
}

void BookmarkTreeModel::copyItem(const BookmarkItem *source, BookmarkItem *destination)
{
    markChanged(destination);
    const int row = destination->childCount();
    beginInsertRows(indexFromItem(destination), row, row);
    destination->appendChild(copyTree(source, destination));
    endInsertRows();
}

BookmarkItem *BookmarkTreeModel::copyTree(const BookmarkItem *source, BookmarkItem *destination) const
{
    // A copy is a new bookmark of the user's, removable even where its source
    // (a browser's root folder) was not.
    BookmarkItem::Record record = source->record();
    record.id = -1;
    record.removable = true;
    auto *copy = new BookmarkItem(record, destination);
    if (m_mode == 1 && copy->type() == FolderItem)
        copy->setRenamable(true);
    for (const BookmarkItem *child : source->children())
        copy->appendChild(copyTree(child, copy));
    return copy;
}
