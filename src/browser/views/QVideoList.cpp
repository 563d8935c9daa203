// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/QVideoList.h"
#include "base/SessionFlags.h"
#include "browser/views/FileDetailsView.h"
#include "browser/views/FileListAccessible.h"
#include "browser/views/KeyboardContextMenu.h"
#include "browser/views/ListShortcuts.h"
#include "browser/views/PrettyItemDelegate.h"
#include "browser/views/VideoModel.h"
#include "plugins/ShellMenuApi.h"
#include "widgets/MessageBox.h"

#include <QAccessible>
#include <QDrag>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <algorithm>

namespace {

// Items named in the delete question; the others are counted only.
const int namedInQuestion = 3;
// A screen reader hears of the selection of this many items at most at
// once (select all in a large folder would flood it).
const int reportedSelections = 64;

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
    // Installing a factory again changes nothing.
    QAccessible::installFactory(FileListAccessible::create);
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

void QVideoList::setDetailsView(FileDetailsView *view)
{
    m_details = view;
}

QAbstractItemView *QVideoList::shownView() const
{
    if (m_details && !m_details->isHidden())
        return m_details;
    return const_cast<QVideoList *>(this);
}

QModelIndexList QVideoList::selectedRows(const QItemSelectionModel *selection)
{
    // The details view selects every column of a row.
    QModelIndexList rows = selection->selectedIndexes();
    rows.erase(std::remove_if(
                   rows.begin(), rows.end(), [](const QModelIndex &index) { return index.column() != 0; }),
        rows.end());
    return rows;
}

QVector<QString> QVideoList::selectedPaths()
{
    QVector<QString> paths;
    const VideoModel *files = fileModel();
    if (!files)
        return paths;
    const QModelIndexList selected = selectedRows(selectionModel());
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
    const QModelIndexList selected = selectedRows(selectionModel());
    if (selected.isEmpty() || editItem(selected.first()))
        return;
    MessageBox box(QMessageBox::Critical, tr("IDS_RIGHTS_RENAME").arg(selected.first().data().toString()),
        QMessageBox::Ok, boxParent);
    box.exec();
}

bool QVideoList::editItem(const QModelIndex &index)
{
    if (m_details && !m_details->isHidden())
        return m_details->edit(index, AllEditTriggers, nullptr);
    return edit(index, AllEditTriggers, nullptr);
}

void QVideoList::selectAllRows()
{
    const int rows = model()->rowCount(rootIndex());
    if (rows == 0)
        return;
    const QItemSelection all(model()->index(0, 0, rootIndex()), model()->index(rows - 1, 0, rootIndex()));
    selectionModel()->select(all, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void QVideoList::requestDeletion()
{
    // Never the shown folder itself, which an empty selection stands for.
    if (selectionModel() && selectionModel()->hasSelection())
        emit deleteRequested();
}

MessageBox *QVideoList::deleteQuestion(const QStringList &paths, QWidget *parent)
{
    QStringList names;
    for (const QString &path : paths.mid(0, namedInQuestion))
        names.append(QFileInfo(path).fileName());
    if (paths.size() > namedInQuestion)
        names.append(QStringLiteral("…"));
    const QString text = paths.size() == 1
        ? tr("IDS_CONFIRM_DELETE_ONE").arg(names.first())
        : tr("IDS_CONFIRM_DELETE_NAMED").arg(paths.size()).arg(names.join(QLatin1String(", ")));
    auto *question = new MessageBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, parent);
    // Nothing is lost by a key pressed once too often.
    question->setDefaultButton(QMessageBox::No);
    return question;
}

QMimeData *QVideoList::selectionMimeData() const
{
    QList<QUrl> urls;
    if (selectionModel()) {
        const QModelIndexList selected = selectedRows(selectionModel());
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
    if (m_details && !m_details->isHidden())
        return m_details->visibleFiles();
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
    m_delegate->setWholeNameItem(wholeNameItem());
    QListView::paintEvent(event);
    paintCurrentName();
    reportVisibleFilesSoon();
}

void QVideoList::reportVisibleFilesSoon()
{
    if (!m_visibleReport->isActive())
        m_visibleReport->start();
}

QModelIndex QVideoList::wholeNameItem() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || state() == EditingState || !selectionModel()->isSelected(current))
        return QModelIndex();
    return current;
}

void QVideoList::paintCurrentName()
{
    const QModelIndex current = wholeNameItem();
    if (!current.isValid())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QStyleOptionViewItem option;
    initViewItemOption(&option);
#else
    QStyleOptionViewItem option = viewOptions();
#endif
    option.rect = visualRect(current);
    option.state |= QStyle::State_Selected;
    if (hasFocus())
        option.state |= QStyle::State_HasFocus;
    QPainter painter(viewport());
    m_delegate->paintWholeName(&painter, option, current, viewport()->height() - 1);
}

void QVideoList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    // The whole name written under the former current item reaches beyond
    // its cell.
    viewport()->update();
}

void QVideoList::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QListView::selectionChanged(selected, deselected);
    viewport()->update();
    if (QAccessible::isActive()) {
        reportSelection(selected);
        reportSelection(deselected);
    }
}

void QVideoList::reportSelection(const QItemSelection &changed)
{
    int reported = 0;
    const QModelIndexList indexes = changed.indexes();
    for (const QModelIndex &index : indexes) {
        if (index.column() != 0 || index.parent() != rootIndex())
            continue;
        if (++reported > reportedSelections)
            return;
        // Item n of the list is row n of the shown folder.
        QAccessibleEvent event(this, QAccessible::Selection);
        event.setChild(index.row());
        QAccessible::updateAccessibility(&event);
    }
}

bool QVideoList::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A click or a double click on an item opens or selects it; renaming
    // is asked for explicitly.
    if (!index.isValid() || trigger == DoubleClicked || trigger == SelectedClicked)
        return false;
    if (!QListView::edit(index, trigger, event))
        return false;
    selectBaseName(this, index);
    return true;
}

void QVideoList::selectBaseName(const QAbstractItemView *view, const QModelIndex &index)
{
    auto *editor = qobject_cast<QLineEdit *>(view->indexWidget(index));
    if (!editor || index.data(VideoModel::DirectoryRole).toBool())
        return;
    // ".profile" has no extension to keep.
    const int dot = editor->text().lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        editor->setSelection(0, dot);
}

void QVideoList::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    notePress(this, event);
}

void QVideoList::notePress(const QAbstractItemView *view, const QMouseEvent *event)
{
    m_pressedOnItem = event->button() == Qt::LeftButton && view->indexAt(event->pos()).isValid();
}

void QVideoList::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragOnMove(event))
        QListView::mouseMoveEvent(event);
}

bool QVideoList::dragOnMove(const QMouseEvent *event)
{
    // Files are dragged from the first move, with no distance to cover.
    if (!m_pressedOnItem || !(event->buttons() & Qt::LeftButton))
        return false;
    m_pressedOnItem = false;
    dragSelection();
    return true;
}

void QVideoList::startDrag(Qt::DropActions)
{
    dragSelection();
}

void QVideoList::dragSelection()
{
    auto *drag = new QDrag(this);
    drag->setMimeData(selectionMimeData());
    m_dragging = true;
    drag->exec(Qt::CopyAction, Qt::CopyAction);
    m_dragging = false;
}

bool QVideoList::acceptsDrag(const QDropEvent *event) const
{
    const QObject *source = event->source();
    return event->mimeData() && event->mimeData()->hasUrls() && !m_dragging && source != this
        && (!m_details || source != m_details);
}

void QVideoList::acceptDrag(QDropEvent *event) const
{
    if (acceptsDrag(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void QVideoList::dragEnterEvent(QDragEnterEvent *event)
{
    acceptDrag(event);
}

void QVideoList::dragMoveEvent(QDragMoveEvent *event)
{
    acceptDrag(event);
}

void QVideoList::dropEvent(QDropEvent *event)
{
    takeDrop(event);
}

void QVideoList::takeDrop(QDropEvent *event)
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

bool QVideoList::event(QEvent *event)
{
    return KeyboardContextMenu::handle(this, event) || QListView::event(event);
}

void QVideoList::keyPressEvent(QKeyEvent *event)
{
    if (!runKey(event))
        QListView::keyPressEvent(event);
}

bool QVideoList::runKey(QKeyEvent *event)
{
    if (m_plugin.isOpen() && ListShortcuts::handle(this, &m_plugin, event))
        return true;
    if (ListShortcuts::handle(this, nullptr, event))
        return true;
    // Without a plug-in only the navigation keys are the view's own.
    return !m_plugin.isOpen() && !isNavigationKey(event);
}
