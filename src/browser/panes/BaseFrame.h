// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "browser/plugins/ShellPlugin.h"

#include <QFileInfoList>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <functional>

class BrowserTreeModel;
class BrowserTreeView;
class FileDetailsView;
class ListStatusLine;
class MessageBox;
class QItemSelection;
class QSplitter;
class QToolButton;
class QVideoList;
class VideoModel;

// One side of the media sync window: the folder tree on the left and the
// category-filtered file list of the tree's current folder on the right.
// HostFrame and ExternalDeviceFrame only fix the side.
//
// The files are shown as icons (the list) or as a table of details (name,
// size, date, type), both views of one model and one selection, switched by
// the buttons under them or Ctrl+Alt+1 and Ctrl+Alt+2 while the pane has the
// keyboard.
//
// The pane keeps its list's zoom, arrangement and view in the layout
// settings, creates folders and opens files, and reports its list selection
// and the drops on its list to the window.
//
// A right click on the list or the tree, Shift+F10 or the Menu key shows
// the desktop's context menu through its plug-in (KDE 4 or GNOME, opened on
// first use and closed with the pane); the code the menu returns tells the
// pane what to refresh or remember.
class BaseFrame : public QWidget
{
    Q_OBJECT

public:
    // Zoom levels in percent, smallest first; the icon edge is level × 64 / 100.
    static const QVector<int> zoomLevels;

    // deviceModel: the device's model name, for the device's tree.
    BaseFrame(BrowserMode side, const QString &deviceModel, QWidget *parent = nullptr);
    ~BaseFrame() override;

    BrowserMode browserMode() const { return side; }
    BrowserTreeModel *browserTreeModel() const { return treeModel; }
    BrowserTreeView *treeView() const { return tree; }
    QVideoList *listView() const;
    FileDetailsView *detailsView() const { return details; }
    VideoModel *listViewModel() const { return listModel; }
    // Shows the files as a table of details, or as icons; remembered for
    // the pane's side. The current item, the selection and the keyboard
    // stay with the files.
    void showDetails(bool shown);
    bool showsDetails() const;

    // The folder the list shows; empty on "My computer" and the device label.
    QString currentPath() const;
    // One entry per selected row, in selection order.
    QFileInfoList selectedFiles() const;
    // Removes files in order and stops at the first failure; false for an
    // empty list or a failed removal.
    bool deleteFiles(const QFileInfoList &files);
    // Asks about the selected files and deletes them, telling of a failure;
    // the Delete key and the window's delete button both come here.
    void deleteSelected();
    // Runs the pane's boxes: the window's way, so that it can dismiss them;
    // by default each box runs on its own.
    void setBoxRunner(const std::function<int(MessageBox *)> &run) { m_runBox = run; }
    // Creates name, or name followed by " 1", " 2", ... when that exists, in
    // the current folder and starts renaming it. With makeWritable every
    // user may write into it.
    bool createFolder(const QString &name, bool makeWritable);

    int zoom() const { return zoomLevel; }
    int arrangement() const { return arrangeBy; }
    void zoomIn();
    void zoomOut();
    void resetZoom();
    // Sorts the list by a column (0 name, 1 size, 2 type, 3 date).
    void arrange(int column);
    // The list's cells grow with the icons, so that names stay readable.
    void setIconSize(int width, int height);
    // Shows the folder above the current one in the tree, with the folder
    // left current in the list; nothing at the top of the tree.
    void showParentFolder();

    // The tree folder files were last cut from (invalid when there is none,
    // or when the tree no longer holds it) and the files cut there.
    QModelIndex cutFolder() const { return cutIndex; }
    QVector<QString> cutPaths() const { return cutFiles; }
    // The code the GNOME menu last returned, -1 before any.
    int menuCode() const { return lastMenuCode; }

signals:
    void BrowserSelectionChanged(const QFileInfoList &fileIndexList, BrowserMode browserMode);
    // deleteSelected() removed files (all or some) from the disk.
    void filesDeleted();
    void SignalDoDrop(const QFileInfoList &sourceFiles, BrowserMode targetMode, const QString &targetDir);

public slots:
    void SelectBrowserRow(const QModelIndex &index);
    void SelectMode(FileBrowserMode mode);
    void launchFile(const QModelIndex &index);
    void listContextMenu(const QPoint &pos);
    // The desktop's menu for the folder of the tree's row at pos.
    void treeContextMenu(const QPoint &pos);
    void ViewSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void treeExpanded(const QModelIndex &index);
    void refreshTree();
    void setCurrentCutIndex();
    void setCutFilesSlot(const QVector<QString> &files);
    void resetCurrentCutIndex();
    // After a KDE paste: watches the cut files leave their folder.
    void refreshBrowserTreeSlot(const QVector<QString> &paths);
    void refreshBrowserTreeSlotGnome();
    void startEditMode();
    void doDrop(const QFileInfoList &files, const QString &targetDir);

private:
    void buildTree(const QString &deviceModel);
    void buildList();
    void connectViews();
    void readLayoutSettings();
    void nameForScreenReaders();
    QLayout *buildViewSwitch();
    // The arrangement chosen in the details view's header.
    void keepArrangement(int column);
    void showIconsOf(int width, int height);
    void applyZoom(int level);
    const char *zoomKey() const;
    QModelIndex categoryRow(FileBrowserMode mode) const;
    void openFolderFromList(const QFileInfo &folder);
    // Makes the row of currentOnArrival current once the list has it.
    void takeArrivedCurrent();
    static void openFile(const QString &path);
    void openWithKde(const QString &path);
    void showKde3Message();
    // Shows the desktop's menu for paths: the list's files, or the folder
    // of treeRow when the menu is the tree's.
    void runMenu(
        const QPoint &global, const QVector<QString> &paths, bool onItems, const QModelIndex &treeRow);
    void runKdeMenu(const QPoint &global, const QVector<QString> &paths, bool onItems);
    void runGnomeMenu(const QPoint &global, const QVector<QString> &paths, bool onItems);
    void actOnKdeCode(qint32 code, const QVector<QString> &paths);
    void actOnGnomeCode(int code);
    void renameTreeRowLater();

    BrowserTreeModel *treeModel = nullptr;
    QSplitter *splitter = nullptr;
    BrowserTreeView *tree = nullptr;
    // A plug-in's menu may take the list with it.
    QPointer<QVideoList> list;
    VideoModel *listModel = nullptr;
    FileDetailsView *details = nullptr;
    ListStatusLine *m_status = nullptr;
    QToolButton *m_iconsButton = nullptr;
    QToolButton *m_detailsButton = nullptr;
    // A row to make current when the folder's listing brings it.
    QString currentOnArrival;
    BrowserMode side;
    int mode = MovieMode;
    // Persistent: the tree lists folders again, deleting their rows' nodes,
    // long before a paste check reports this row.
    QPersistentModelIndex cutIndex;
    // The tree row of the folder the last menu's files lie in (where cut
    // files are watched leaving from), and the row the menu was for when it
    // was the tree's.
    QPersistentModelIndex menuFolder;
    QPersistentModelIndex menuTreeRow;
    QVector<QString> cutFiles;
    int zoomLevel = 100;
    int arrangeBy = 0;
    int lastMenuCode = -1;
    // The desktop's context-menu libraries, opened on first use of a menu.
    ShellPlugin kdePlugin { ShellPlugin::Kde };
    ShellPlugin gtkPlugin { ShellPlugin::Gnome };
    // The last menu the KDE plug-in handed back.
    QPointer<QWidget> popupMenu;
    std::function<int(MessageBox *)> m_runBox;
};
