// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/FileNameMatcher.h"

#include <QSortFilterProxyModel>

class QFileSystemModel;

// What a file list shows of its file model: every folder, and the files
// whose names match the category's patterns. The file model itself lists
// every file; the matching is done here, once per name, with patterns
// prepared once (see FileNameMatcher). Rows keep the file model's order.
class CategoryFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit CategoryFilterModel(QFileSystemModel *files, QObject *parent = nullptr);

    QFileSystemModel *files() const { return m_files; }

    // Without patterns every file is shown.
    void setNameFilters(const QStringList &patterns);
    QStringList nameFilters() const { return m_matcher.patterns(); }
    const FileNameMatcher &matcher() const { return m_matcher; }

    // The row of path; invalid when the file model does not hold it or it
    // is not shown.
    QModelIndex indexOf(const QString &path) const;
    // The path of an index of a file model, or of a proxy over one; empty
    // for an invalid index.
    static QString filePath(const QModelIndex &index);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QFileSystemModel *m_files;
    FileNameMatcher m_matcher;
};
