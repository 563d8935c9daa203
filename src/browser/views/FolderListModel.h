// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/FileNameMatcher.h"
#include "browser/views/FolderEntry.h"
#include "browser/views/FolderWatcher.h"

#include <QAbstractListModel>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QThread>
#include <QTimer>

class FolderLister;

// The rows of one folder for a file list: its sub-folders and the files
// whose names match the name filters, arranged as the toolkit's file model
// arranges them, with the same few functions (rootPath, filePath, isDir,
// remove, mkdir, directoryLoaded ...).
//
// The window never waits for the disk, nor for a look-up per file: the
// folder is read on a thread of its own (FolderLister), which hands over
// the whole folder sorted, with each entry's sort keys; the rows are then
// taken in a slice at a time, as many slices per pass of the event loop as
// fit in a few milliseconds, so that views lay out and paint them within
// the frame. Icons are the icon provider's, one per file type, asked for
// once. The folder is watched: what is added, removed, renamed or written
// is read again in the background, a burst of changes at once, and the
// rows are brought to the new listing by removals and insertions, again a
// slice at a time, however many they are: the rows that stay keep their
// selection and the current row.
class FolderListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // The columns of a details view, numbered as the arrangements (see
    // sort()).
    enum Column { NameColumn, SizeColumn, TypeColumn, DateColumn, ColumnCount };

    explicit FolderListModel(QObject *parent = nullptr);
    ~FolderListModel() override;

    // Shows path, which is read in the background; the index the view's
    // root is (the rows are top-level rows). A path that is not a folder
    // shows no rows; the empty path shows the drives ("/").
    QModelIndex setRootPath(const QString &path);
    QString rootPath() const { return m_root; }
    // The files shown; without patterns every file is.
    void setNameFilters(const QStringList &patterns);
    QStringList nameFilters() const { return m_matcher.patterns(); }
    const FileNameMatcher &matcher() const { return m_matcher; }
    // Rows may be renamed in place (editable) unless read-only, as a new
    // model is.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    // Whether every row of the folder is in.
    bool isLoaded() const { return m_loaded && m_visible == m_shown.size(); }
    // Whether the folder's first listing is still on its way to the rows.
    bool isLoading() const { return !m_loaded && (m_listing || m_visible < m_shown.size()); }

    using QAbstractListModel::index;
    // The row of path; invalid when it is not shown (the shown folder's
    // own index is the invalid root).
    QModelIndex index(const QString &path, int column = 0) const;
    QString filePath(const QModelIndex &index) const;
    QString fileName(const QModelIndex &index) const;
    QFileInfo fileInfo(const QModelIndex &index) const { return QFileInfo(filePath(index)); }
    bool isDir(const QModelIndex &index) const;
    // In bytes; 0 for a folder.
    qint64 size(const QModelIndex &index) const;
    // The rows in the views that are files, not folders.
    int shownFileCount() const;
    // Removes a file, or a folder with everything in it, and its row.
    bool remove(const QModelIndex &index);
    // Creates a folder in the shown folder (parent is its root index) and
    // gives it its row at once; invalid on failure.
    QModelIndex mkdir(const QModelIndex &parent, const QString &name);
    // The path of a row of this model, or of a proxy over one; empty for
    // an invalid index.
    static QString filePathOf(const QModelIndex &index);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Arranges the rows by 0 name, 1 size, 2 type or 3 date.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    // Rows being inserted are rows of the folder as it was listed being
    // taken in, not entries that came since.
    bool revealingRows() const { return m_revealing; }

signals:
    void rootPathChanged(const QString &newPath);
    // Every row of the shown folder is in.
    void directoryLoaded(const QString &path);
    // The file of a row changed on disk (its size or time): the row stays,
    // what it shows of the file may be out of date.
    void fileChanged(const QModelIndex &index);

private:
    // The shown folder of the empty path: the top of the file system.
    void showDrives();
    void requestListing(bool fresh);
    void takeListing(const FolderListing &listing);
    // Replaces every row, then takes them in a slice at a time.
    void showRows(const FolderEntries &shown);
    // Takes in rows, or brings them to the latest listing, for a few
    // milliseconds; the rest at the next pass of the event loop.
    void step();
    void revealSlice();
    void syncSlice();
    // Works out the removals, insertions and changes that turn the rows
    // into m_target.
    void planSync();
    void endSync();
    // Frees entries on the lister's thread.
    void letGo(FolderEntries entries, QHash<QString, FolderEntry> byName);
    FolderEntries filtered(const FolderEntries &entries) const;
    bool shows(const FolderEntry &entry) const { return entry.folder || m_matcher.matches(entry.name); }
    // The place of entry in entries (sorted), -1 when it is not there.
    int placeOf(const FolderEntries &entries, const FolderEntry &entry) const;
    int insertionPoint(const FolderEntries &entries, const FolderEntry &entry) const;
    // The row of name among the shown entries, -1 when it has none.
    int rowOf(const QString &name) const;
    // An entry the list made or removed itself, not waiting for a listing.
    void insertEntry(const FolderEntry &entry);
    void removeEntry(const FolderEntry &entry);
    // Rows first to first + count - 1 of the shown entries go; those views
    // have are reported.
    void removeShown(int first, int count);
    void insertShown(int at, const FolderEntries &entries);
    void replaceShown(int at, const FolderEntry &entry);
    const FolderEntry *entryAt(const QModelIndex &index) const;
    QIcon iconOf(const FolderEntry &entry) const;
    // What the columns after the name show of an entry: its size, the time
    // it was written in the locale's short format, and its type.
    QVariant detail(const FolderEntry &entry, int column, int role) const;

    QThread m_thread;
    FolderLister *m_lister;
    FolderWatcher m_watcher;
    QTimer m_step;
    QString m_root;
    FileNameMatcher m_matcher;
    FolderOrder m_order;
    // Every entry of the folder, in order, and by name.
    FolderEntries m_all;
    QHash<QString, FolderEntry> m_byName;
    // The entries shown, in order; views have the first m_visible of them.
    FolderEntries m_shown;
    int m_visible = 0;
    // While m_syncing, the rows are being brought to m_target, step by
    // step of m_plan from m_planned on; a stale plan is worked out anew.
    struct SyncStep
    {
        enum Kind { Remove, Insert, Update } kind;
        int at;
        int count;
    };
    FolderEntries m_target;
    QVector<SyncStep> m_plan;
    int m_planned = 0;
    bool m_syncing = false;
    bool m_planStale = false;
    quint64 m_generation = 0;
    // A listing is on its way or being taken in; the folder changed
    // meanwhile.
    bool m_listing = false;
    bool m_changedMeanwhile = false;
    bool m_loaded = false;
    bool m_readOnly = true;
    bool m_revealing = false;
    // By type; folders under an empty type.
    mutable QHash<QString, QIcon> m_icons;
    QMimeDatabase m_types;
};
