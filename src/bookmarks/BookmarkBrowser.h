// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QItemSelection>
#include <QWidget>

class BookmarkItem;
class BookmarkTreeModel;
class BookmarksListView;
class FilteredBrowserModel;
class QSplitter;
class QTimer;
class QTreeView;

// A bookmark pane: the folders of its model in a tree on the left, the items
// of the folder chosen there in a list on the right. The PC's pane (mode 0)
// looks for running browsers every two seconds and empties their rows; a
// click on such a row asks the user to close the browser before it is read
// again.
class BookmarkBrowser : public QWidget
{
    Q_OBJECT

public:
    BookmarkBrowser(int mode, QWidget *parent = nullptr);
    ~BookmarkBrowser() override;

    BookmarkTreeModel *model() const { return m_model; }
    FilteredBrowserModel *proxy() const { return m_proxy; }
    QTreeView *treeView() const { return m_tree; }
    BookmarksListView *listView() const { return m_list; }

    // Shows the folder at a tree index in the list.
    void showFolder(const QModelIndex &treeIndex);
    // Removes the list's selection and saves; false at the first item that
    // may not be removed, or when the change could not be written (the pane
    // then shows what the store holds).
    bool deleteSelected();
    // Creates a folder first in the tree's current folder and opens its name
    // for editing; false where no folder may be created or written.
    bool createFolder();
    int askToCloseBrowser(const QString &name);

    // Whether the selection of from's list can be copied here: something is
    // chosen, and the tree's current row is not a browser's own row.
    bool canReceive(const BookmarkBrowser &from) const;
    // Copies the selection of from's list into the tree's current folder,
    // saves, and shows that folder with the copies. A bookmark whose address
    // the folder already holds is not copied again. Returns what the user
    // must be told of what was not copied or not written, or nothing.
    QString receiveCopies(const BookmarkBrowser &from);
    // The message naming what could not be written to store.
    static QString notWrittenText(const QString &store, const QStringList &titles);

public slots:
    void browserTreeSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void browserListDoubleClicked(const QModelIndex &index);
    void browserListClicked(const QModelIndex &index);
    void onMonitorBrowsersTimer();
    void bookmarksWereLoaded();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildViews();
    void selectInTree(const QModelIndex &proxyIndex);
    QModelIndex treeTarget() const;
    // Why the selection of from cannot go into destination, or nothing.
    QString refusal(const BookmarkBrowser &from, const BookmarkItem *destination) const;

    const int m_mode;
    QSplitter *m_splitter = nullptr;
    BookmarkTreeModel *m_model = nullptr;
    FilteredBrowserModel *m_proxy = nullptr;
    QTreeView *m_tree = nullptr;
    BookmarksListView *m_list = nullptr;
    QTimer *m_monitor = nullptr;
};
