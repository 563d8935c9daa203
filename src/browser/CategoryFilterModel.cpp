// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/CategoryFilterModel.h"

#include <QFileSystemModel>

CategoryFilterModel::CategoryFilterModel(QFileSystemModel *files, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_files(files)
{
    setSourceModel(files);
}

void CategoryFilterModel::setNameFilters(const QStringList &patterns)
{
    if (patterns == m_matcher.patterns())
        return;
    m_matcher = FileNameMatcher(patterns);
    invalidateFilter();
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
    const QModelIndex entry = m_files->index(sourceRow, 0, sourceParent);
    return m_files->isDir(entry) || m_matcher.matches(m_files->fileName(entry));
}
