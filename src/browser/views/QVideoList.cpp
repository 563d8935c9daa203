// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/QVideoList.h"
#include "base/SessionFlags.h"
#include "browser/views/ListShortcuts.h"
#include "browser/views/PrettyItemDelegate.h"
#include "browser/views/VideoModel.h"
#include "plugins/ShellMenuApi.h"
#include "widgets/MessageBox.h"

#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

namespace {

bool isNavigationKey(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

QVideoList::QVideoList(QWidget *parent)
    : QListView(parent)
    , m_delegate(new PrettyItemDelegate(this))
    , m_plugin(kde4Session ? ShellPlugin::Kde : ShellPlugin::Gnome)
    , m_visibleReport(new QTimer(this))
{
    setItemDelegate(m_delegate);
    setAcceptDrops(true);
    m_visibleReport->setSingleShot(true);
    m_visibleReport->setInterval(0);
    connect(m_visibleReport, &QTimer::timeout, this, &QVideoList::reportVisibleFiles);
    if (kde4Session || gnomeSession)
        loadPlugin();
}

void QVideoList::loadPlugin()
{
    if (!m_plugin.open())
        return;
    const auto linguist = m_plugin.resolve<ShellMenuApi::Linguist>(
        m_plugin.desktop() == ShellPlugin::Kde ? "linguistKDEContextMenu" : "linguistGtkShellMenu");
    // The plug-in installs the translator and keeps it.
    if (linguist)
        linguist(new QTranslator);
}

VideoModel *QVideoList::fileModel() const
{
    return qobject_cast<VideoModel *>(model());
}

QVector<QString> QVideoList::selectedPaths()
{
    QVector<QString> paths;
    const VideoModel *files = fileModel();
    if (!files)
        return paths;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected)
        paths.append(VideoModel::filePathOf(index));
    m_emptySelection = paths.isEmpty();
    if (m_emptySelection)
        paths.append(files->rootPath());
    return paths;
}

QString QVideoList::folderPath() const
{
    const VideoModel *files = fileModel();
    return files ? files->rootPath() : QString();
}

void QVideoList::editFirstSelected(QWidget *boxParent)
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty() || edit(selected.first(), AllEditTriggers, nullptr))
        return;
    MessageBox box(QMessageBox::Critical, tr("IDS_RIGHTS_RENAME").arg(selected.first().data().toString()),
        QMessageBox::Ok, boxParent);
    box.exec();
}

void QVideoList::selectAllRows()
{
    const int rows = model()->rowCount(rootIndex());
    if (rows == 0)
        return;
    const QItemSelection all(model()->index(0, 0, rootIndex()), model()->index(rows - 1, 0, rootIndex()));
    selectionModel()->select(all, QItemSelectionModel::ClearAndSelect);
}

void QVideoList::deleteSelectedAfterQuestion()
{
    // Taken before asking: never the shown folder itself.
    const QVector<QString> paths = selectedPaths();
    if (selectionWasEmpty())
        return;
    QPointer<QVideoList> alive(this);
    MessageBox question(QMessageBox::Question, tr("IDS_CONFIRM_DELETE"), QMessageBox::Yes | QMessageBox::No);
    if (question.exec() != QMessageBox::Yes || !alive)
        return;
    VideoModel *files = fileModel();
    for (const QString &path : paths) {
        if (!files->remove(files->index(path)))
            return;
    }
}

QMimeData *QVideoList::selectionMimeData() const
{
    QList<QUrl> urls;
    if (selectionModel()) {
        const QModelIndexList selected = selectionModel()->selectedIndexes();
        for (const QModelIndex &index : selected)
            urls.append(QUrl::fromLocalFile(VideoModel::filePathOf(index)));
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

namespace {

// From 0 to last in steps of at most step, last included.
QVector<int> probes(int last, int step)
{
    QVector<int> points;
    for (int point = 0; point < last; point += step)
        points.append(point);
    points.append(last);
    return points;
}

} // namespace

QStringList QVideoList::visibleFiles() const
{
    // Items are at least half a grid cell wide and high, so probing the
    // viewport at that step, edges included, finds every row even partly
    // in view without going through all rows.
    const QSize cell = gridSize().isValid() ? gridSize() : iconSize();
    const QRect area = viewport()->rect();
    const QVector<int> columns = probes(area.width() - 1, qMax(8, cell.width() / 2));
    QStringList paths;
    QSet<int> rows;
    for (const int y : probes(area.height() - 1, qMax(8, cell.height() / 2))) {
        for (const int x : columns) {
            const QModelIndex index = indexAt(QPoint(x, y));
            if (!index.isValid() || rows.contains(index.row()))
                continue;
            rows.insert(index.row());
            if (!index.data(VideoModel::DirectoryRole).toBool())
                paths.append(VideoModel::filePathOf(index));
        }
    }
    return paths;
}

void QVideoList::reportVisibleFiles()
{
    if (VideoModel *files = fileModel())
        files->setVisibleFiles(visibleFiles());
}

void QVideoList::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (!m_visibleReport->isActive())
        m_visibleReport->start();
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
    if (m_plugin.isOpen()) {
        QPointer<QVideoList> alive(this);
        if (ListShortcuts::handle(this, m_plugin, event) || !alive)
            return;
        QListView::keyPressEvent(event);
    } else if (isNavigationKey(event)) {
        QListView::keyPressEvent(event);
    }
}
