// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAbstractItemModel>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class BookmarkItem;
class Chrome;
class Firefox;
class IBrowser;
class Safari;

// The bookmarks one pane shows: on the PC (mode 0) a row per browser found
// (Firefox, Chrome), on the device (mode 1) one row for the device's own
// Chrome-format file.
//
// reload() runs on the thread that collects the device's data. It only reads the stores there, each
// into a new source object with a tree of its own, and hands them to the GUI
// thread, where they are swapped in: the views and a save started from the
// panes only ever see whole trees. A browser row whose store could not be
// read is left empty and shows as not loaded; its store is never written.
//
// Only the stores changed through the model are written, and a PC browser
// only while it is not running. A store that could not be written is read
// again, so that its row shows what the store holds.
class BookmarkTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Source { ExplorerSource, FirefoxSource, ChromeSource, SafariSource };

    explicit BookmarkTreeModel(int mode, QObject *parent = nullptr);
    ~BookmarkTreeModel() override;

    int mode() const { return m_mode; }
    // Names the device's row after the connected model (device pane only).
    void setDeviceModel(const QString &model);
    BookmarkItem *headerItem() const { return m_header.get(); }
    IBrowser *source(Source source) const;
    Firefox *firefox() const;
    Chrome *chrome() const;
    Safari *safari() const;
    BookmarkItem *itemFromIndex(const QModelIndex &index) const;
    QModelIndex indexFromItem(BookmarkItem *item) const;
    // The title of the item's browser row, or an empty string.
    static QString browserRootTitle(const BookmarkItem *item);
    // The name the item's browser row shows (the browser whose profile the
    // Chrome store reads), for the messages about that store.
    QString storeLabel(const BookmarkItem *item) const;

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // Rebuilds every subtree from the stores; callable from any thread.
    void reload();
    // Reads one browser's store again (GUI thread).
    void reloadBrowser(Source source);
    // Writes every store changed since it was read or written; false when
    // one could not be written, or its browser now runs (its row is then
    // emptied). The titles of the items that did not reach their store are
    // added to unwritten.
    bool save(QStringList *unwritten = nullptr);
    // Whether changes under item reach its store: one read whole, in a form
    // that its source writes.
    bool isWritable(const BookmarkItem *item) const;
    // Whether a copy of source under destination would hold items deeper
    // than destination's store can keep.
    bool nestsTooDeep(const BookmarkItem *source, const BookmarkItem *destination) const;
    // Empties the row of at most one browser found running, which then shows
    // as not loaded.
    void unloadRunningBrowsers();
    // Appends a deep copy of source, marked as not stored, to destination.
    void copyItem(const BookmarkItem *source, BookmarkItem *destination);

signals:
    void extDeviceBookmarksLoaded();
    void hostDeviceBookmarksLoaded();
    // A title edited in place could not be written to store; the row was
    // read again.
    void renameNotSaved(const QString &store, const QString &title);
    // Emitted first thing in the destructor, on its thread.
    void aboutToBeDeleted();

private:
    using LoadedSources = std::vector<std::pair<Source, std::unique_ptr<IBrowser>>>;

    std::unique_ptr<IBrowser> makeSource(Source source) const;
    // Null when the browser is skipped: not installed, or running.
    std::unique_ptr<IBrowser> loadSource(Source source) const;
    void adopt(Source source, std::unique_ptr<IBrowser> loaded);
    void adoptAll(LoadedSources &loaded);
    QString rootTitle(Source source) const;
    BookmarkItem *rootRow(Source source) const;
    // The source whose tree holds item, if any.
    std::optional<Source> sourceOf(const BookmarkItem *item) const;
    void markChanged(const BookmarkItem *item);
    void unload(Source source);
    void removeChildren(BookmarkItem *item);
    BookmarkItem *copyTree(const BookmarkItem *source, BookmarkItem *destination) const;
    QVariant decoration(const BookmarkItem *item) const;
    // What a row shows: the Chrome store's row is named after the browser
    // whose profile it reads.
    QString label(const BookmarkItem *item) const;
    bool isUnavailable(const BookmarkItem *item) const;

    const int m_mode;
    QString m_deviceLabel;
    std::array<std::unique_ptr<IBrowser>, 4> m_sources;
    // Changed through the model since read or written, by source.
    std::array<bool, 4> m_changed {};
    std::unique_ptr<BookmarkItem> m_header;
};
