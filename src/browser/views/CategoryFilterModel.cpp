// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/CategoryFilterModel.h"

#include "browser/views/NameOrder.h"

#include <QDateTime>
#include <QFileSystemModel>

namespace {

enum SortColumn { ByName, BySize, ByType, ByDate };

// Rows of a large batch taken in per pass of the event loop: filtering them
// and merging them in order takes some ten milliseconds.
constexpr int revealStep = 4000;

} // namespace

CategoryFilterModel::CategoryFilterModel(QFileSystemModel *files, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_files(files)
    , m_collator(NameOrder::collator())
{
    // The C locale's keys are its bytes, which its collator does not follow.
    m_collationKeys = m_collator.locale().language() != QLocale::C;
    // Before the filter's own connections: a row is placed anew from what
    // it holds now.
    connect(files, &QAbstractItemModel::dataChanged, this, &CategoryFilterModel::forgetChangedKeys);
    connect(files, &QAbstractItemModel::rowsAboutToBeRemoved, this, &CategoryFilterModel::forgetKeys);
    connect(files, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_keys.clear();
        m_heldFrom = -1;
        m_heldMatches.clear();
    });
    connect(files, &QAbstractItemModel::rowsInserted, this, &CategoryFilterModel::holdBack);
    connect(files, &QAbstractItemModel::rowsRemoved, this, &CategoryFilterModel::shiftHeld);
    m_reveal.setSingleShot(true);
    m_reveal.setInterval(0);
    connect(&m_reveal, &QTimer::timeout, this, &CategoryFilterModel::revealMore);
    setSourceModel(files);
}

void CategoryFilterModel::setNameFilters(const QStringList &patterns)
{
    if (patterns == m_matcher.patterns())
        return;
    m_matcher = FileNameMatcher(patterns);
    m_heldMatches.fill(-1);
    invalidateFilter();
}

void CategoryFilterModel::sort(int column, Qt::SortOrder order)
{
    // The keys hold what the last column compares.
    if (column != sortColumn())
        m_keys.clear();
    QSortFilterProxyModel::sort(column, order);
}

QModelIndex CategoryFilterModel::indexOf(const QString &path) const
{
    return mapFromSource(m_files->index(path));
}

QString CategoryFilterModel::filePath(const QModelIndex &index)
{
    QModelIndex source = index;
    while (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(source.model()))
        source = proxy->mapToSource(source);
    const auto *files = qobject_cast<const QFileSystemModel *>(source.model());
    return files ? files->filePath(source) : QString();
}

bool CategoryFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_heldFrom >= 0 && m_held == sourceParent)
        return sourceRow < m_heldFrom && heldRowMatches(sourceRow, sourceParent);
    return matches(m_files->index(sourceRow, 0, sourceParent));
}

bool CategoryFilterModel::matches(const QModelIndex &entry) const
{
    return m_files->isDir(entry) || m_matcher.matches(m_files->fileName(entry));
}

bool CategoryFilterModel::heldRowMatches(int row, const QModelIndex &parent) const
{
    if (row >= m_heldMatches.size())
        m_heldMatches.insert(m_heldMatches.size(), m_files->rowCount(parent) - m_heldMatches.size(), -1);
    qint8 &known = m_heldMatches[row];
    if (known < 0)
        known = matches(m_files->index(row, 0, parent)) ? 1 : 0;
    return known == 1;
}

void CategoryFilterModel::holdBack(const QModelIndex &parent, int first, int last)
{
    if (m_heldFrom >= 0 && m_held == parent) {
        m_heldMatches.insert(qMin(first, m_heldMatches.size()), last - first + 1, -1);
        if (first < m_heldFrom)
            m_heldFrom += last - first + 1;
        return;
    }
    if (last - first + 1 <= revealStep)
        return;
    // Another folder's rows still held are shown first, all at once.
    if (m_heldFrom >= 0) {
        m_heldFrom = -1;
        invalidateFilter();
    }
    m_held = parent;
    m_heldFrom = first + revealStep;
    m_heldMatches.clear();
    m_reveal.start();
}

void CategoryFilterModel::shiftHeld(const QModelIndex &parent, int first, int last)
{
    if (m_heldFrom < 0 || m_held != parent)
        return;
    if (first < m_heldMatches.size())
        m_heldMatches.remove(first, qMin(last + 1, m_heldMatches.size()) - first);
    if (first < m_heldFrom)
        m_heldFrom -= qMin(last + 1, m_heldFrom) - first;
}

void CategoryFilterModel::revealMore()
{
    if (m_heldFrom < 0)
        return;
    m_heldFrom += revealStep;
    if (!m_held.isValid() || m_heldFrom >= m_files->rowCount(m_held))
        m_heldFrom = -1;
    else
        m_reveal.start();
    invalidateFilter();
}

const CategoryFilterModel::SortKey &CategoryFilterModel::keyOf(const QModelIndex &index) const
{
    const auto known = m_keys.constFind(index.internalPointer());
    if (known != m_keys.cend())
        return *known;
    SortKey key;
    key.folder = m_files->isDir(index);
    key.name = m_files->fileName(index.siblingAtColumn(0));
    if (m_collationKeys)
        key.collation = m_collator.sortKey(key.name);
    switch (index.column()) {
    case BySize:
        key.number = m_files->size(index);
        break;
    case ByType:
        key.type = m_files->type(index);
        break;
    case ByDate:
        key.number = m_files->lastModified(index).toMSecsSinceEpoch();
        break;
    default:
        break;
    }
    return *m_keys.insert(index.internalPointer(), key);
}

int CategoryFilterModel::compareNames(const SortKey &left, const SortKey &right) const
{
    return left.collation && right.collation ? left.collation->compare(*right.collation)
                                             : m_collator.compare(left.name, right.name);
}

bool CategoryFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // Both keys are made before either is read: making one may move the
    // other.
    keyOf(left);
    const SortKey &r = keyOf(right);
    const SortKey &l = keyOf(left);
    switch (left.column()) {
    case ByName:
        if (l.folder != r.folder)
            return l.folder;
        break;
    case BySize:
        if (l.folder != r.folder)
            return l.folder;
        if (l.number != r.number)
            return l.number < r.number;
        break;
    case ByType:
        if (const int types = m_collator.compare(l.type, r.type))
            return types < 0;
        break;
    case ByDate:
        if (l.number != r.number)
            return l.number < r.number;
        break;
    default:
        break;
    }
    return compareNames(l, r) < 0;
}

void CategoryFilterModel::forgetKeys(const QModelIndex &parent, int first, int last)
{
    for (int row = first; row <= last; ++row)
        m_keys.remove(m_files->index(row, 0, parent).internalPointer());
    if (m_heldFrom >= 0 && m_held == parent) {
        for (int row = first; row <= last && row < m_heldMatches.size(); ++row)
            m_heldMatches[row] = -1;
    }
}

void CategoryFilterModel::forgetChangedKeys(
    const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles)
{
    // A new thumbnail changes nothing a row is arranged by.
    if (roles == QVector<int> { Qt::DecorationRole })
        return;
    forgetKeys(topLeft.parent(), topLeft.row(), bottomRight.row());
}
