// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FolderListModel.h"

#include "browser/views/FolderLister.h"
#include "browser/views/IconProvider.h"
#include "widgets/DataSize.h"

#include <QAbstractProxyModel>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <fcntl.h>
#include <utility>

namespace {

// Rows taken in, removed or inserted per slice, and the time the slices
// of one pass of the event loop may take together: a view lays out and
// paints what changed in the rest of a frame, which two passes may share.
constexpr int sliceRows = 256;
// Fewer when rows are removed or inserted among others: each costs more than
// a row taken in at the end, views lay out again what follows it.
constexpr int syncRows = 64;
constexpr qint64 stepBudgetNs = 3 * 1000 * 1000;

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
    connect(&m_watcher, &FolderWatcher::changed, this, [this] {
        // One listing at a time: the changes made while one runs are read
        // by the next.
        if (m_listing)
            m_changedMeanwhile = true;
        else
            requestListing(false);
    });
    m_step.setSingleShot(true);
    m_step.setInterval(0);
    connect(&m_step, &QTimer::timeout, this, &FolderListModel::step);
}

FolderListModel::~FolderListModel()
{
    m_lister->abandonBefore(++m_generation);
    m_thread.quit();
    m_thread.wait();
}

QModelIndex FolderListModel::setRootPath(const QString &path)
{
    m_step.stop();
    m_watcher.watch(QString());
    beginResetModel();
    m_root = path.isEmpty() ? path : QDir::cleanPath(path);
    letGo(std::exchange(m_all, {}), std::exchange(m_byName, {}));
    m_shown.clear();
    m_visible = 0;
    m_loaded = false;
    m_syncing = false;
    m_target.clear();
    m_plan.clear();
    endResetModel();
    m_lister->abandonBefore(++m_generation);
    m_listing = false;
    m_changedMeanwhile = false;
    if (m_root.isEmpty()) {
        showDrives();
    } else if (QFileInfo(m_root).isDir()) {
        m_watcher.watch(m_root);
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
    FolderListing arranged = listing;
    // Sorted before the order changed.
    if (listing.column != m_order.column() || listing.order != m_order.order()) {
        std::sort(arranged.entries.begin(), arranged.entries.end(), m_order);
        std::sort(arranged.shown.begin(), arranged.shown.end(), m_order);
    }
    if (arranged.patterns != m_matcher.patterns())
        arranged.shown = filtered(arranged.entries);
    letGo(std::exchange(m_all, arranged.entries), std::exchange(m_byName, arranged.byName));
    if (arranged.fresh) {
        m_loaded = false;
        showRows(arranged.shown);
        endSync();
        return;
    }
    // The next listing waits until the rows are brought to this one.
    m_target = arranged.shown;
    m_syncing = true;
    m_planStale = true;
    step();
}

void FolderListModel::showRows(const FolderEntries &shown)
{
    m_step.stop();
    beginResetModel();
    m_shown = shown;
    m_visible = 0;
    endResetModel();
    // Rows that were being brought to a listing are now the listing's.
    if (m_syncing) {
        m_syncing = false;
        endSync();
    }
    step();
}

void FolderListModel::step()
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (m_syncing)
            syncSlice();
        else if (m_visible < m_shown.size())
            revealSlice();
        else
            break;
    } while (clock.nsecsElapsed() < stepBudgetNs);
    if (m_syncing || m_visible < m_shown.size()) {
        m_step.start();
    } else if (!m_loaded) {
        m_loaded = true;
        emit directoryLoaded(m_root);
    }
}

void FolderListModel::revealSlice()
{
    const int count = qMin(sliceRows, m_shown.size() - m_visible);
    m_revealing = true;
    beginInsertRows(QModelIndex(), m_visible, m_visible + count - 1);
    m_visible += count;
    endInsertRows();
    m_revealing = false;
}

void FolderListModel::syncSlice()
{
    if (m_planStale)
        planSync();
    if (m_planned == m_plan.size()) {
        m_syncing = false;
        endSync();
        return;
    }
    SyncStep &next = m_plan[m_planned];
    const int count = qMin(next.count, syncRows);
    switch (next.kind) {
    case SyncStep::Remove:
        // From the end of the run: the places before it stay.
        removeShown(next.at + next.count - count, count);
        break;
    case SyncStep::Insert:
        insertShown(next.at, m_target.mid(next.at, count));
        next.at += count;
        break;
    case SyncStep::Update:
        replaceShown(next.at, m_target.at(next.at));
        break;
    }
    next.count -= count;
    if (next.count == 0)
        ++m_planned;
}

void FolderListModel::planSync()
{
    // Both are in order: one walk through them finds what goes, what comes
    // and what changed in place. Removals run from the last row, so that
    // each leaves the places before it as they are; insertions then run
    // from the first, each at its place among the new rows.
    QVector<SyncStep> removals;
    QVector<SyncStep> insertions;
    QVector<SyncStep> updates;
    const auto extend = [](QVector<SyncStep> &runs, SyncStep::Kind kind, int at) {
        if (!runs.isEmpty() && runs.last().at + runs.last().count == at)
            ++runs.last().count;
        else
            runs.append({ kind, at, 1 });
    };
    int row = 0;
    int wanted = 0;
    while (row < m_shown.size() || wanted < m_target.size()) {
        // Most rows stay as they were: a name met on both sides is the same
        // file, found without the collator, which costs far more per name.
        const bool both = row < m_shown.size() && wanted < m_target.size();
        const bool named = both && m_shown.at(row).name == m_target.at(wanted).name;
        const bool gone = !named
            && (wanted == m_target.size() || (both && m_order(m_shown.at(row), m_target.at(wanted))));
        const bool come
            = !named && !gone && (row == m_shown.size() || m_order(m_target.at(wanted), m_shown.at(row)));
        if (gone) {
            extend(removals, SyncStep::Remove, row++);
        } else if (come) {
            extend(insertions, SyncStep::Insert, wanted++);
        } else {
            if (!m_shown.at(row).sameAs(m_target.at(wanted)))
                updates.append({ SyncStep::Update, wanted, 1 });
            ++row;
            ++wanted;
        }
    }
    std::reverse(removals.begin(), removals.end());
    m_plan = removals + insertions + updates;
    m_planned = 0;
    m_planStale = false;
}

void FolderListModel::letGo(FolderEntries entries, QHash<QString, FolderEntry> byName)
{
    // Freeing the entries of a large folder would hold the window up for
    // longer than a frame.
    QMetaObject::invokeMethod(
        m_lister, [entries = std::move(entries), byName = std::move(byName)] { }, Qt::QueuedConnection);
}

void FolderListModel::endSync()
{
    letGo(std::exchange(m_target, {}), {});
    m_plan.clear();
    m_listing = false;
    if (m_changedMeanwhile) {
        m_changedMeanwhile = false;
        requestListing(false);
    }
}

void FolderListModel::removeShown(int first, int count)
{
    // The rows of the range that views have; the rest were never reported.
    const int known = qBound(0, m_visible - first, count);
    if (known > 0)
        beginRemoveRows(QModelIndex(), first, first + known - 1);
    m_shown.remove(first, count);
    m_visible -= known;
    if (known > 0)
        endRemoveRows();
}

void FolderListModel::insertShown(int at, const FolderEntries &entries)
{
    // Rows still to be taken in are not reported yet.
    const bool known = at < m_visible || (at == m_visible && m_visible == m_shown.size());
    if (known)
        beginInsertRows(QModelIndex(), at, at + entries.size() - 1);
    m_shown.insert(at, entries.size(), FolderEntry());
    std::copy(entries.cbegin(), entries.cend(), m_shown.begin() + at);
    if (known) {
        m_visible += entries.size();
        endInsertRows();
    }
}

void FolderListModel::replaceShown(int at, const FolderEntry &entry)
{
    m_shown[at] = entry;
    if (at >= m_visible)
        return;
    emit dataChanged(index(at, 0), index(at, columnCount() - 1));
    if (!entry.folder)
        emit fileChanged(index(at, 0));
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

int FolderListModel::rowOf(const QString &name) const
{
    const auto known = m_byName.constFind(name);
    if (known == m_byName.cend())
        return -1;
    const int row = placeOf(m_shown, *known);
    if (row >= 0 || !m_syncing)
        return row;
    // The rows may still hold the entry as it was before the latest
    // listing, at the place it had then.
    const auto held = std::find_if(
        m_shown.cbegin(), m_shown.cend(), [&name](const FolderEntry &entry) { return entry.name == name; });
    return held == m_shown.cend() ? -1 : int(held - m_shown.cbegin());
}

void FolderListModel::insertEntry(const FolderEntry &entry)
{
    // A listing may have brought it meanwhile.
    const auto known = m_byName.constFind(entry.name);
    if (known != m_byName.cend())
        removeEntry(*known);
    m_all.insert(insertionPoint(m_all, entry), entry);
    m_byName.insert(entry.name, entry);
    if (shows(entry))
        insertShown(insertionPoint(m_shown, entry), { entry });
    if (m_syncing && shows(entry)) {
        m_target.insert(insertionPoint(m_target, entry), entry);
        m_planStale = true;
    }
}

void FolderListModel::removeEntry(const FolderEntry &entry)
{
    const int row = rowOf(entry.name);
    const auto known = m_byName.find(entry.name);
    if (known == m_byName.end())
        return;
    const int at = placeOf(m_all, *known);
    if (at >= 0)
        m_all.remove(at);
    const int wanted = m_syncing ? placeOf(m_target, *known) : -1;
    m_byName.erase(known);
    if (row >= 0)
        removeShown(row, 1);
    if (wanted >= 0) {
        m_target.remove(wanted);
        m_planStale = true;
    } else if (m_syncing && row >= 0) {
        m_planStale = true;
    }
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
    if (m_syncing) {
        std::sort(m_target.begin(), m_target.end(), m_order);
        m_planStale = true;
    }
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
    for (int i = 0; i < held.size(); ++i)
        moved.append(index(rowOf(heldNames.at(i)), held.at(i).column()));
    changePersistentIndexList(held, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QModelIndex FolderListModel::index(const QString &path, int column) const
{
    const QFileInfo file(path);
    if (!m_root.isEmpty() && QDir::cleanPath(file.absolutePath()) != m_root)
        return QModelIndex();
    const int row = rowOf(m_root.isEmpty() ? path : file.fileName());
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
    return parent.isValid() ? 0 : ColumnCount;
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
    if (index.column() != NameColumn)
        return detail(*entry, index.column(), role);
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

QVariant FolderListModel::detail(const FolderEntry &entry, int column, int role) const
{
    if (role == Qt::TextAlignmentRole && column == SizeColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (column) {
    case SizeColumn:
        return entry.folder ? QString() : DataSize::text(quint64(entry.size));
    case DateColumn:
        return QLocale().toString(QDateTime::fromMSecsSinceEpoch(entry.modified), QLocale::ShortFormat);
    case TypeColumn:
        // By the name alone: the file is never opened, a device file
        // least of all.
        return entry.folder ? tr("IDS_TYPE_FOLDER")
                            : m_types.mimeTypeForFile(entry.name, QMimeDatabase::MatchExtension).comment();
    default:
        return QVariant();
    }
}

QVariant FolderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractListModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("IDS_COLUMN_NAME");
    case SizeColumn:
        return tr("IDS_COLUMN_SIZE");
    case DateColumn:
        return tr("IDS_COLUMN_MODIFIED");
    case TypeColumn:
        return tr("IDS_COLUMN_TYPE");
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
    // Only a name is written in place.
    if (!m_readOnly && index.column() == NameColumn)
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
