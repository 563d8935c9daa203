// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/plugins/ShellPlugin.h"

#include <QFileInfoList>
#include <QListView>
#include <QPointer>
#include <QVector>

class FileDetailsView;
class MessageBox;
class PrettyItemDelegate;
class QKeyEvent;
class QMimeData;
class QTimer;
class VideoModel;

// The file list of a pane, a view of a VideoModel. Drags start at the first move of a press on
// an item; drops are taken from other widgets only and handed on as doDrop.
//
// Under KDE 4 and GNOME the list opens its desktop's context-menu plug-in when it is made, hands it a
// translator, and binds the desktop's file keys to the plug-in's operations (see ListShortcuts); what the
// plug-in changed is reported through the signals, for the pane to refresh its tree. On every desktop Enter
// opens, Backspace and Alt+Up go up a folder, Ctrl+A selects all, Delete deletes after a question, F2
// renames and Ctrl+plus, Ctrl+minus and Ctrl+0 zoom, unless the desktop's table binds the key otherwise. Keys
// no table binds stay the view's own; on other desktops only the navigation keys are.
//
// Names are laid out by the delegate (see ItemNameLayout); the current item, when selected, shows its whole
// name over its neighbours. Screen readers see the list through FileListAccessible.
class QVideoList : public QListView
{
    Q_OBJECT

public:
    explicit QVideoList(QWidget *parent = nullptr);

    using QListView::edit;

    // The list's VideoModel; null for any other model.
    VideoModel *fileModel() const;
    // The pane's other view of the same rows and selection (the view makes
    // itself known), and the view the files are shown in: the details
    // view unless it is hidden, else the list.
    void setDetailsView(FileDetailsView *view);
    QAbstractItemView *shownView() const;
    // One index per selected row (its first column), in selection order.
    static QModelIndexList selectedRows(const QItemSelectionModel *selection);

    // What both views do with keys, the mouse and drops. Runs the command
    // bound to a key; false when the key is left to the view it was
    // pressed in. The list may be gone when it returns true.
    bool runKey(QKeyEvent *event);
    void notePress(const QAbstractItemView *view, const QMouseEvent *event);
    // Starts a drag when a press on an item moves; true when it did.
    bool dragOnMove(const QMouseEvent *event);
    // Drags the selection as a copy, whatever the actions offered.
    void dragSelection();
    // Accepts a drag entering or moving over a view when its drop would be
    // taken, else ignores it.
    void acceptDrag(QDropEvent *event) const;
    // Hands the dropped files on as doDrop.
    void takeDrop(QDropEvent *event);
    // In a file's rename editor, its name without the extension is selected,
    // as file managers do.
    static void selectBaseName(const QAbstractItemView *view, const QModelIndex &index);

    // The selected paths in selection order; the shown folder alone when
    // nothing is selected (then selectionWasEmpty() is true).
    QVector<QString> selectedPaths();
    // The shown folder.
    QString folderPath() const;
    bool selectionWasEmpty() const { return m_emptySelection; }
    PrettyItemDelegate *itemDelegate() const { return m_delegate; }

    // The selection as local file URLs, for a drag.
    QMimeData *selectionMimeData() const;

    // Starts renaming the first selected item in the shown view; when the
    // view refuses, tells the user, in a box over boxParent. Nothing without
    // a selection.
    void editFirstSelected(QWidget *boxParent);
    // Starts renaming an item in the shown view; false when it refuses.
    bool editItem(const QModelIndex &index);
    // Selects every row of the shown folder, once each (the first column).
    void selectAllRows();
    // Asks the pane's window to delete the selection, when there is one.
    void requestDeletion();
    // The question before items are deleted for good, naming them (paths in
    // selection order); No is its default answer.
    static MessageBox *deleteQuestion(const QStringList &paths, QWidget *parent);

    // The paths of the files whose rows are in view, even partly, top left
    // first, in the view the files are shown in.
    QStringList visibleFiles() const;
    // A view of the files painted: the model learns which rows are in view
    // once the pass of the event loop is over.
    void reportVisibleFilesSoon();

signals:
    void refreshTree();
    void setCutIndex();
    void setCutFilesSignal(const QVector<QString> &files);
    void resetCutIndex();
    void refreshBrowserTree(const QVector<QString> &paths);
    void refreshBrowserTreeGnome();
    void doDrop(const QFileInfoList &files, const QString &targetDir);
    // Enter on an item: the pane opens it.
    void openRequested(const QModelIndex &index);
    // Backspace or Alt+Up: the pane shows the folder above.
    void parentRequested();
    // The Delete key on a selection: the window asks and deletes, as its
    // delete button does.
    void deleteRequested();
    // Ctrl+plus (step 1), Ctrl+minus (-1) or Ctrl+0 (0): the pane zooms.
    void zoomRequested(int step);

protected:
    // Shift+F10 and the Menu key: the context menu at the current item.
    bool event(QEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Every scroll, resize or new layout repaints: the model then learns
    // which rows are in view, so that their thumbnails come first.
    void paintEvent(QPaintEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    // The current item when it is selected and not being renamed: the item
    // whose whole name is written over its neighbours.
    QModelIndex wholeNameItem() const;
    // Writes that item's whole name when its lines cut it short.
    void paintCurrentName();
    // Tells screen readers which items changed their selection.
    void reportSelection(const QItemSelection &changed);

    void reportVisibleFiles();

    bool acceptsDrag(const QDropEvent *event) const;
    void loadPlugin();

    PrettyItemDelegate *m_delegate;
    QPointer<FileDetailsView> m_details;
    ShellPlugin m_plugin;
    // Gathers the paints of one pass of the event loop into one report.
    QTimer *m_visibleReport;
    bool m_emptySelection = false;
    bool m_pressedOnItem = false;
    // A drag of our own is running: its drops onto this list are ignored.
    bool m_dragging = false;
};
