// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPointer>
#include <QTreeView>

class QVideoList;

// The files of a pane as a table: name, size, date modified and type, sorted
// by a click on a column's header. It shows its list's model through the
// list's own selection, so that whatever reads, copies, deletes, renames or
// drags the selection works alike from either view; the list's keys,
// keyboard context menu, drags and drops work here as they do there.
class FileDetailsView : public QTreeView
{
    Q_OBJECT

public:
    explicit FileDetailsView(QVideoList *list, QWidget *parent = nullptr);

    // The paths of the files whose rows are in view, even partly, top first.
    QStringList visibleFiles() const;

    using QTreeView::edit;
    // A file's name is edited with its extension left out of the selection.
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

protected:
    // Shift+F10 and the Menu key: the context menu at the current item.
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Every scroll, resize or new layout repaints: the model then learns
    // which rows are in view, so that their thumbnails come first.
    void paintEvent(QPaintEvent *event) override;

private:
    void arrangeColumns();
    // Gives the names the room the other columns leave.
    void fitNameColumn();

    // A desktop plug-in's menu may take the list with it.
    QPointer<QVideoList> m_list;
};
