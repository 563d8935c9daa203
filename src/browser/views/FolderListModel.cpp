// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FolderListModel.h"

#include "browser/views/FolderLister.h"
#include "browser/views/IconProvider.h"

#include <QAbstractProxyModel>
#include <QDateTime>
#include <QDir>
#include <QSet>

#include <algorithm>
#include <fcntl.h>

namespace {

// Rows taken in per pass of the event loop: a view lays out and paints
// them within a few milliseconds.
constexpr int revealStep = 500;
// Beyond as many changes at once, the rows are replaced rather than
// touched one at a time (each moves every row after it).
constexpr int maxChangesInPlace = 200;

const int registered = qRegisterMetaType<FolderListing>();

} // namespace

FolderListModel::FolderListModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_lister(new FolderLister)
{
    Q_UNUSED(registered)
    m_lister->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_lister, &QObject::deleteLater);
    connect(m_lister, &FolderLister::listed, this, &FolderListModel::takeListing);
    m_thread.setObjectName(QStringLiteral("FolderLister"));
    m_thread.start();
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        // One listing at a time: the changes made while one runs are read
        // by the next.
        if (m_listing)
            m_changedMeanwhile = true;
        else
            requestListing(false);
    });
    m_reveal.setSingleShot(true);
    m_reveal.setInterval(0);
    connect(&m_reveal, &QTimer::timeout, this, &FolderListModel::revealMore);
}

FolderListModel::~FolderListModel()
{
    m_lister->abandonBefore(++m_generation);
    m_thread.quit();
    m_thread.wait();
}

QModelIndex FolderListModel::setRootPath(const QString &path)
{
    m_reveal.stop();
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    beginResetModel();
    m_root = path.isEmpty() ? path : QDir::cleanPath(path);
    m_all.clear();
    m_byName.clear();
    m_shown.clear();
    m_visible = 0;
    m_loaded = false;
    endResetModel();
    m_lister->abandonBefore(++m_generation);
    m_listing = false;
    m_changedMeanwhile = false;
    if (m_root.isEmpty()) {
        showDrives();
    } else if (QFileInfo(m_root).isDir()) {
        m_watcher.addPath(m_root);
        requestListing(true);
    }
    emit rootPathChanged(m_root);
    return QModelIndex();
}

void FolderListModel::showDrives()
{
    const QFileInfoList drives = QDir::drives();
    for (const QFileInfo &drive : drives) {
        FolderEntry entry;
        entry.name = drive.absoluteFilePath();
        entry.folder = true;
        entry.type = IconProvider::shared()->type(drive);
        m_order.prepare(entry);
        m_all.append(entry);
        m_byName.insert(entry.name, entry);
    }
    std::sort(m_all.begin(), m_all.end(), m_order);
    showRows(filtered(m_all));
}

void FolderListModel::requestListing(bool fresh)
{
    m_listing = true;
    const quint64 generation = ++m_generation;
    const QString folder = m_root;
    const QStringList patterns = m_matcher.patterns();
    const int column = m_order.column();
    const Qt::SortOrder order = m_order.order();
    FolderLister *lister = m_lister;
    QMetaObject::invokeMethod(
        m_lister, [=] { lister->list(generation, folder, patterns, column, order, fresh); },
        Qt::QueuedConnection);
}

void FolderListModel::takeListing(const FolderListing &listing)
{
    if (listing.generation != m_generation)
        return;
    m_listing = false;
    FolderListing arranged = listing;
    // Sorted before the order changed.
    if (listing.column != m_order.column() || listing.order != m_order.order()) {
        std::sort(arranged.entries.begin(), arranged.entries.end(), m_order);
        std::sort(arranged.added.begin(), arranged.added.end(), m_order);
        std::sort(arranged.shown.begin(), arranged.shown.end(), m_order);
    }
    if (arranged.patterns != m_matcher.patterns())
        arranged.shown = filtered(arranged.entries);
    if (!arranged.fresh && arranged.added.size() + arranged.removed.size() <= maxChangesInPlace) {
        applyChanges(arranged);
    } else {
        m_all = arranged.entries;
        m_byName = arranged.byName;
        m_loaded = false;
        showRows(arranged.shown);
    }
    if (m_changedMeanwhile) {
        m_changedMeanwhile = false;
        requestListing(false);
    }
}

void FolderListModel::applyChanges(const FolderListing &listing)
{
    QSet<QString> changed;
    for (const FolderEntry &entry : listing.added)
        changed.insert(entry.name);
    for (const FolderEntry &entry : listing.removed) {
        if (!changed.contains(entry.name))
            removeEntry(entry);
    }
    for (const FolderEntry &entry : listing.added) {
        if (!updateEntry(entry))
            insertEntry(entry);
    }
}

bool FolderListModel::updateEntry(const FolderEntry &entry)
{
    const auto known = m_byName.find(entry.name);
    if (known == m_byName.end())
        return false;
    const int at = placeOf(m_all, *known);
    const int row = placeOf(m_shown, *known);
    // A change that moves the entry, or shows or hides it, is a removal
    // and an insertion.
    if (at < 0 || !fitsAt(m_all, at, entry) || shows(*known) != shows(entry)
        || (row >= 0 && !fitsAt(m_shown, row, entry))) {
        removeEntry(*known);
        insertEntry(entry);
        return true;
    }
    *known = entry;
    m_all[at] = entry;
    if (row >= 0)
        m_shown[row] = entry;
    if (row >= 0 && row < m_visible)
        emit dataChanged(index(row, 0), index(row, 0));
    return true;
}

bool FolderListModel::fitsAt(const FolderEntries &entries, int at, const FolderEntry &entry) const
{
    return (at == 0 || m_order(entries.at(at - 1), entry))
        && (at + 1 == entries.size() || m_order(entry, entries.at(at + 1)));
}

void FolderListModel::showRows(const FolderEntries &shown)
{
    m_reveal.stop();
    beginResetModel();
    m_shown = shown;
    m_visible = 0;
    endResetModel();
    revealMore();
}

void FolderListModel::revealMore()
{
    const int count = qMin(revealStep, m_shown.size() - m_visible);
    if (count > 0) {
        m_revealing = true;
        beginInsertRows(QModelIndex(), m_visible, m_visible + count - 1);
        m_visible += count;
        endInsertRows();
        m_revealing = false;
    }
    if (m_visible < m_shown.size()) {
        m_reveal.start();
    } else if (!m_loaded) {
        m_loaded = true;
        emit directoryLoaded(m_root);
    }
}

FolderEntries FolderListModel::filtered(const FolderEntries &entries) const
{
    FolderEntries shown;
    for (const FolderEntry &entry : entries) {
        if (shows(entry))
            shown.append(entry);
    }
    return shown;
}

int FolderListModel::insertionPoint(const FolderEntries &entries, const FolderEntry &entry) const
{
    return int(std::lower_bound(entries.cbegin(), entries.cend(), entry, m_order) - entries.cbegin());
}

int FolderListModel::placeOf(const FolderEntries &entries, const FolderEntry &entry) const
{
    const int at = insertionPoint(entries, entry);
    return at < entries.size() && entries.at(at).name == entry.name ? at : -1;
}

void FolderListModel::insertEntry(const FolderEntry &entry)
{
    // The list may have made it itself (mkdir) since the last listing.
    const auto known = m_byName.constFind(entry.name);
    if (known != m_byName.cend())
        removeEntry(*known);
    m_all.insert(insertionPoint(m_all, entry), entry);
    m_byName.insert(entry.name, entry);
    if (shows(entry))
        insertRow(entry);
}

void FolderListModel::removeEntry(const FolderEntry &entry)
{
    // As the list holds it, which may differ from what a listing had.
    const auto known = m_byName.find(entry.name);
    if (known == m_byName.end())
        return;
    const FolderEntry held = *known;
    m_byName.erase(known);
    const int at = placeOf(m_all, held);
    if (at >= 0)
        m_all.remove(at);
    const int row = placeOf(m_shown, held);
    if (row >= 0)
        removeRow(row);
}

void FolderListModel::insertRow(const FolderEntry &entry)
{
    const int row = insertionPoint(m_shown, entry);
    // Rows still to be taken in are not reported yet.
    if (row > m_visible || (row == m_visible && m_visible < m_shown.size())) {
        m_shown.insert(row, entry);
        return;
    }
    beginInsertRows(QModelIndex(), row, row);
    m_shown.insert(row, entry);
    ++m_visible;
    endInsertRows();
}

void FolderListModel::removeRow(int row)
{
    if (row >= m_visible) {
        m_shown.remove(row);
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_shown.remove(row);
    --m_visible;
    endRemoveRows();
}

void FolderListModel::setNameFilters(const QStringList &patterns)
{
    if (patterns == m_matcher.patterns())
        return;
    m_matcher = FileNameMatcher(patterns);
    showRows(filtered(m_all));
}

void FolderListModel::sort(int column, Qt::SortOrder order)
{
    if (column == m_order.column() && order == m_order.order())
        return;
    m_order = FolderOrder(column, order);
    std::sort(m_all.begin(), m_all.end(), m_order);
    if (m_visible < m_shown.size()) {
        showRows(filtered(m_all));
        return;
    }
    // Every row is in: the rows a view holds on to keep their entries.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList held = persistentIndexList();
    QStringList heldNames;
    for (const QModelIndex &index : held)
        heldNames.append(fileName(index));
    std::sort(m_shown.begin(), m_shown.end(), m_order);
    QModelIndexList moved;
    for (const QString &name : qAsConst(heldNames))
        moved.append(index(placeOf(m_shown, m_byName.value(name)), 0));
    changePersistentIndexList(held, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndex FolderListModel::index(const QString &path, int column) const
{
    const QFileInfo file(path);
    if (!m_root.isEmpty() && QDir::cleanPath(file.absolutePath()) != m_root)
        return QModelIndex();
    const auto known = m_byName.constFind(m_root.isEmpty() ? path : file.fileName());
    if (known == m_byName.cend())
        return QModelIndex();
    const int row = placeOf(m_shown, *known);
    return row >= 0 && row < m_visible ? createIndex(row, column) : QModelIndex();
}

const FolderEntry *FolderListModel::entryAt(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this || index.row() >= m_visible)
        return nullptr;
    return &m_shown.at(index.row());
}

QString FolderListModel::filePath(const QModelIndex &index) const
{
    const FolderEntry *entry = entryAt(index);
    if (!entry)
        return QString();
    // The drives are named by their paths.
    if (m_root.isEmpty())
        return entry->name;
    return m_root == QLatin1String("/") ? m_root + entry->name : m_root + QLatin1Char('/') + entry->name;
}

QString FolderListModel::fileName(const QModelIndex &index) const
{
    const FolderEntry *entry = entryAt(index);
    return entry ? entry->name : QString();
}

bool FolderListModel::isDir(const QModelIndex &index) const
{
    const FolderEntry *entry = entryAt(index);
    return entry && entry->folder;
}

qint64 FolderListModel::size(const QModelIndex &index) const
{
    const FolderEntry *entry = entryAt(index);
    return entry ? entry->size : 0;
}

int FolderListModel::shownFileCount() const
{
    return int(std::count_if(m_shown.cbegin(), m_shown.cbegin() + m_visible,
        [](const FolderEntry &entry) { return !entry.folder; }));
}

bool FolderListModel::remove(const QModelIndex &index)
{
    const FolderEntry *entry = entryAt(index);
    if (!entry)
        return false;
    const QString path = filePath(index);
    // Never through a link that took a folder's place.
    const QFileInfo file(path);
    const bool removed
        = file.isDir() && !file.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
    if (removed)
        removeEntry(*entry);
    return removed;
}

QModelIndex FolderListModel::mkdir(const QModelIndex &parent, const QString &name)
{
    if (parent.isValid() || m_root.isEmpty() || !QDir(m_root).mkdir(name))
        return QModelIndex();
    const QString path = QDir(m_root).filePath(name);
    FolderEntry entry;
    if (!FolderLister::look(AT_FDCWD, QFile::encodeName(path).constData(), &entry) || !entry.folder)
        return QModelIndex();
    entry.name = name;
    entry.type = IconProvider::shared()->type(QFileInfo(path));
    m_order.prepare(entry);
    insertEntry(entry);
    return index(path);
}

QString FolderListModel::filePathOf(const QModelIndex &index)
{
    QModelIndex source = index;
    while (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(source.model()))
        source = proxy->mapToSource(source);
    const auto *files = qobject_cast<const FolderListModel *>(source.model());
    return files ? files->filePath(source) : QString();
}

int FolderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_visible;
}

int FolderListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

bool FolderListModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

QVariant FolderListModel::data(const QModelIndex &index, int role) const
{
    const FolderEntry *entry = entryAt(index);
    if (!entry)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return entry->name;
    case Qt::DecorationRole:
        return iconOf(*entry);
    default:
        return QVariant();
    }
}

Qt::ItemFlags FolderListModel::flags(const QModelIndex &index) const
{
    const FolderEntry *entry = entryAt(index);
    if (!entry)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
    if (!m_readOnly)
        flags |= Qt::ItemIsEditable;
    if (entry->folder && !m_readOnly)
        flags |= Qt::ItemIsDropEnabled;
    if (!entry->folder)
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}

QIcon FolderListModel::iconOf(const FolderEntry &entry) const
{
    const QString type = entry.folder ? QString() : entry.type;
    auto known = m_icons.find(type);
    if (known == m_icons.end()) {
        // Once per type, from its first file: the provider may look the
        // file's type up, which takes long for each of thousands.
        known = m_icons.insert(
            type, IconProvider::shared()->icon(QFileInfo(QDir(m_root).filePath(entry.name))));
    }
    return *known;
}
