// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/FileNameMatcher.h"

#include <QCollator>
#include <QHash>
#include <QPersistentModelIndex>
#include <QSortFilterProxyModel>
#include <QTimer>

#include <optional>

class QFileSystemModel;

// What a file list shows of its file model: every folder, and the files
// whose names match the category's patterns. The file model itself lists
// every file; the matching is done here, once per name, with patterns
// prepared once (see FileNameMatcher).
//
// The rows are arranged here too, in the order the file model gives its
// own (by name with folders first, by size with folders first, by type or
// by date; names in natural order), from sort keys taken once per file. The
// file model would sort its whole folder again after every batch of files
// it gathers, comparing names afresh, and a filter over it would then map
// the whole folder again: on a folder of thousands of files that held the
// window for a tenth of a second or more each time. Here a batch is sorted
// on its own and merged into the rows already shown; a large batch (the
// file model hands most of a folder over at once) is shown a part at a
// time, one part per pass of the event loop.
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

    // Arranges the rows by a column of the file model: 0 name, 1 size,
    // 2 type, 3 date.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The row of path; invalid when the file model does not hold it or it
    // is not shown.
    QModelIndex indexOf(const QString &path) const;
    // The path of an index of a file model, or of a proxy over one; empty
    // for an invalid index.
    static QString filePath(const QModelIndex &index);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    // What a file is arranged by, as the file model compares it.
    struct SortKey
    {
        bool folder = false;
        // Size or modification time.
        qint64 number = 0;
        QString type;
        QString name;
        // Compares as the collator compares the names; the collator of the
        // C locale has none.
        std::optional<QCollatorSortKey> collation;
    };

    const SortKey &keyOf(const QModelIndex &index) const;
    int compareNames(const SortKey &left, const SortKey &right) const;
    bool matches(const QModelIndex &entry) const;
    // Whether a row of the folder being shown in parts matches; every part
    // filters the whole folder again.
    bool heldRowMatches(int row, const QModelIndex &parent) const;
    void forgetKeys(const QModelIndex &parent, int first, int last);
    // Keeps rows of a large batch out of view until revealMore takes them in.
    void holdBack(const QModelIndex &parent, int first, int last);
    void shiftHeld(const QModelIndex &parent, int first, int last);
    void revealMore();
    void forgetChangedKeys(
        const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);

    QFileSystemModel *m_files;
    FileNameMatcher m_matcher;
    QCollator m_collator;
    bool m_collationKeys;
    // By the file model's node (an index's internal pointer), which lives
    // until its row is removed.
    mutable QHash<const void *, SortKey> m_keys;
    // Rows of m_held from row m_heldFrom on are held back; -1 when none.
    QPersistentModelIndex m_held;
    int m_heldFrom = -1;
    // By row of m_held: 1 shown, 0 not, -1 not known yet.
    mutable QVector<qint8> m_heldMatches;
    QTimer m_reveal;
};
