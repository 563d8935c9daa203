// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCollator>
#include <QHash>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// One file or sub-folder of a listed folder, with what the list arranges it
// by, taken once when the folder is read.
struct FolderEntry
{
    QString name;
    // As the toolkit's file model names a type: "jpg File", "File",
    // "Folder". Shared by the entries of one type.
    QString type;
    // Compares as the collator compares the names; the collator of the C
    // locale has none.
    std::optional<QCollatorSortKey> nameKey;
    // 0 for a folder, as the toolkit's file model has it.
    qint64 size = 0;
    // Milliseconds since the epoch.
    qint64 modified = 0;
    bool folder = false;

    // Whether it is the same on disk: same kind, size and time.
    bool sameAs(const FolderEntry &other) const
    {
        return folder == other.folder && size == other.size && modified == other.modified;
    }
};
Q_DECLARE_TYPEINFO(FolderEntry, Q_MOVABLE_TYPE);

using FolderEntries = QVector<FolderEntry>;

// What the background lister found in a folder, in the order asked for.
struct FolderListing
{
    // Which request it answers.
    quint64 generation = 0;
    // The first listing of the folder, not one after a change.
    bool fresh = true;
    int column = 0;
    Qt::SortOrder order = Qt::AscendingOrder;
    // Every entry.
    FolderEntries entries;
    // The entries a list shows: the folders and the files that match
    // patterns.
    FolderEntries shown;
    QStringList patterns;
    QHash<QString, FolderEntry> byName;
};
Q_DECLARE_METATYPE(FolderListing)

// The order of the file list, as the toolkit's file model arranges a folder:
// by name with folders first, by size with folders first, by type or by
// date, the name deciding ties (folders stay first in the descending
// orders too); names in natural order whatever their case.
// Equal names under the collator are told apart by their characters, so
// that every entry has one place.
class FolderOrder
{
public:
    enum Column { ByName, BySize, ByType, ByDate };

    explicit FolderOrder(int column = ByName, Qt::SortOrder order = Qt::AscendingOrder);

    int column() const { return m_column; }
    Qt::SortOrder order() const { return m_order; }
    // Gives the entry the sort key of its name.
    void prepare(FolderEntry &entry) const;
    // Whether left goes before right.
    bool operator()(const FolderEntry &left, const FolderEntry &right) const;

private:
    int compare(const FolderEntry &left, const FolderEntry &right) const;
    int compareNames(const FolderEntry &left, const FolderEntry &right) const;

    int m_column;
    Qt::SortOrder m_order;
    QCollator m_collator;
    bool m_keys;
};
