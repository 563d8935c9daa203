// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/QVideoList.h"
#include "browser/CategoryFilterModel.h"
#include "browser/PrettyItemDelegate.h"
#include "browser/VideoModel.h"

#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

QVideoList::QVideoList(QWidget *parent)
    : QListView(parent)
    , m_delegate(new PrettyItemDelegate(this))
{
    setItemDelegate(m_delegate);
    setAcceptDrops(true);
}

VideoModel *QVideoList::fileModel() const
{
    const auto *shown = qobject_cast<CategoryFilterModel *>(model());
    return shown ? qobject_cast<VideoModel *>(shown->files()) : nullptr;
}

QVector<QString> QVideoList::selectedPaths()
{
    QVector<QString> paths;
    const VideoModel *files = fileModel();
    if (!files)
        return paths;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected)
        paths.append(CategoryFilterModel::filePath(index));
    m_emptySelection = paths.isEmpty();
    if (m_emptySelection)
        paths.append(files->rootPath());
    return paths;
}

QMimeData *QVideoList::selectionMimeData() const
{
    QList<QUrl> urls;
    if (selectionModel()) {
        const QModelIndexList selected = selectionModel()->selectedIndexes();
        for (const QModelIndex &index : selected)
            urls.append(QUrl::fromLocalFile(CategoryFilterModel::filePath(index)));
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

void QVideoList::passKeyToView(QKeyEvent *event)
{
    QListView::keyPressEvent(event);
}

bool QVideoList::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A click or a double click on an item opens or selects it; renaming
    // is asked for explicitly.
    if (!index.isValid() || trigger == DoubleClicked || trigger == SelectedClicked)
        return false;
    return QListView::edit(index, trigger, event);
}

void QVideoList::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    m_pressedOnItem = event->button() == Qt::LeftButton && indexAt(event->pos()).isValid();
}

void QVideoList::mouseMoveEvent(QMouseEvent *event)
{
    // Files are dragged from the first move, with no distance to cover.
    if (m_pressedOnItem && (event->buttons() & Qt::LeftButton)) {
        m_pressedOnItem = false;
        startDrag(Qt::CopyAction);
        return;
    }
    QListView::mouseMoveEvent(event);
}

void QVideoList::startDrag(Qt::DropActions)
{
    auto *drag = new QDrag(this);
    drag->setMimeData(selectionMimeData());
    m_dragging = true;
    drag->exec(Qt::CopyAction, Qt::CopyAction);
    m_dragging = false;
}

bool QVideoList::acceptsDrag(const QDropEvent *event) const
{
    return event->mimeData() && event->mimeData()->hasUrls() && !m_dragging && event->source() != this;
}

void QVideoList::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptsDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void QVideoList::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void QVideoList::dropEvent(QDropEvent *event)
{
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    QFileInfoList files;
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            files.append(QFileInfo(url.toLocalFile()));
    }
    const VideoModel *videoModel = fileModel();
    if (videoModel && videoModel->isActive() && !files.isEmpty())
        emit doDrop(files, videoModel->rootPath());
    event->acceptProposedAction();
}

void QVideoList::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event);
}
