// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFileInfoList>
#include <QListView>
#include <QVector>

class PrettyItemDelegate;
class QKeyEvent;
class QMimeData;
class QTimer;
class VideoModel;

// The file list of a pane, a view of a VideoModel's shownFiles(). Drags start at the first move of a press on
// an item; drops are taken from other widgets only and handed on as doDrop. The list does not handle keys
// itself: it hands each key press to its pane's handler through keyPressed, which may pass it back with
// passKeyToView.
class QVideoList : public QListView
{
    Q_OBJECT

public:
    explicit QVideoList(QWidget *parent = nullptr);

    using QListView::edit;

    // The VideoModel under the shown files; null for any other model.
    VideoModel *fileModel() const;

    // The selected paths in selection order; the shown folder alone when
    // nothing is selected (then selectionWasEmpty() is true).
    QVector<QString> selectedPaths();
    bool selectionWasEmpty() const { return m_emptySelection; }
    PrettyItemDelegate *itemDelegate() const { return m_delegate; }

    // The selection as local file URLs, for a drag.
    QMimeData *selectionMimeData() const;

    // Lets the view's own key handling (navigation, the edit key) run.
    void passKeyToView(QKeyEvent *event);

    // The paths of the files whose rows are in view, even partly, top left
    // first.
    QStringList visibleFiles() const;

signals:
    void refreshTree();
    void setCutIndex();
    void setCutFilesSignal(const QVector<QString> &files);
    void resetCutIndex();
    void refreshBrowserTree(const QVector<QString> &paths);
    void refreshBrowserTreeGnome();
    void doDrop(const QFileInfoList &files, const QString &targetDir);
    void keyPressed(QKeyEvent *event);

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Drags the selection as a copy, whatever the actions offered.
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Every scroll, resize or new layout repaints: the model then learns
    // which rows are in view, so that their thumbnails come first.
    void paintEvent(QPaintEvent *event) override;

private:
    void reportVisibleFiles();

    bool acceptsDrag(const QDropEvent *event) const;

    PrettyItemDelegate *m_delegate;
    // Gathers the paints of one pass of the event loop into one report.
    QTimer *m_visibleReport;
    bool m_emptySelection = false;
    bool m_pressedOnItem = false;
    // A drag of our own is running: its drops onto this list are ignored.
    bool m_dragging = false;
};
