// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FileDetailsView.h"

#include "browser/views/FolderListModel.h"
#include "browser/views/KeyboardContextMenu.h"
#include "browser/views/PrettyItemDelegate.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"

#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>

FileDetailsView::FileDetailsView(QVideoList *list, QWidget *parent)
    : QTreeView(parent)
    , m_list(list)
{
    setModel(list->model());
    setSelectionModel(list->selectionModel());
    list->setDetailsView(this);
    // Renaming is the list's own, its message included.
    setItemDelegateForColumn(FolderListModel::NameColumn, new PrettyItemDelegate(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    // One line each: thousands of rows are never measured one by one.
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    // A click or a double click on an item opens or selects it; renaming
    // is asked for explicitly.
    setEditTriggers(NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView *columns = header();
    // The header's own first order would be descending.
    columns->setSortIndicator(FolderListModel::NameColumn, Qt::AscendingOrder);
    setSortingEnabled(true);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    // The columns come and go with the shown folder.
    connect(columns, &QHeaderView::sectionCountChanged, this, [this](int before, int now) {
        if (before == 0 && now == FolderListModel::ColumnCount)
            arrangeColumns();
    });
    connect(columns, &QHeaderView::sectionResized, this, [this](int column) {
        if (column != FolderListModel::NameColumn)
            fitNameColumn();
    });
    arrangeColumns();
}

void FileDetailsView::arrangeColumns()
{
    QHeaderView *columns = header();
    if (columns->count() != FolderListModel::ColumnCount)
        return;
    // Name, size, date and type, in that order, as file managers show them.
    columns->moveSection(columns->visualIndex(FolderListModel::DateColumn), FolderListModel::TypeColumn);
    // Widths of their own rather than of their contents, which would be
    // measured again at every slice of rows a large folder brings.
    const QFontMetrics metrics = fontMetrics();
    const int margin = 2 * metrics.averageCharWidth();
    const QString sampleDate
        = QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat);
    columns->resizeSection(
        FolderListModel::SizeColumn, metrics.horizontalAdvance(QStringLiteral("000.0 MB")) + margin);
    columns->resizeSection(FolderListModel::DateColumn, metrics.horizontalAdvance(sampleDate) + margin);
    columns->resizeSection(FolderListModel::TypeColumn, 12 * metrics.averageCharWidth() + margin);
    fitNameColumn();
}

void FileDetailsView::fitNameColumn()
{
    QHeaderView *columns = header();
    if (columns->count() != FolderListModel::ColumnCount)
        return;
    // The names take the room the other columns leave, but never so
    // little that they cannot be read: then the table scrolls sideways.
    const int others = columns->length() - columns->sectionSize(FolderListModel::NameColumn);
    const int readable = 16 * fontMetrics().averageCharWidth();
    columns->resizeSection(FolderListModel::NameColumn, qMax(readable, viewport()->width() - others));
}

QStringList FileDetailsView::visibleFiles() const
{
    QStringList paths;
    const int bottom = viewport()->height();
    for (QModelIndex row = indexAt(QPoint(0, 0)); row.isValid() && visualRect(row).top() < bottom;
        row = indexBelow(row)) {
        if (!row.data(VideoModel::DirectoryRole).toBool())
            paths.append(FolderListModel::filePathOf(row));
    }
    return paths;
}

void FileDetailsView::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    if (m_list)
        m_list->reportVisibleFilesSoon();
}

void FileDetailsView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    fitNameColumn();
}

bool FileDetailsView::event(QEvent *event)
{
    return KeyboardContextMenu::handle(this, event) || QTreeView::event(event);
}

bool FileDetailsView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!QTreeView::edit(index, trigger, event))
        return false;
    QVideoList::selectBaseName(this, index);
    return true;
}

void FileDetailsView::keyPressEvent(QKeyEvent *event)
{
    if (!m_list || !m_list->runKey(event))
        QTreeView::keyPressEvent(event);
}

void FileDetailsView::mousePressEvent(QMouseEvent *event)
{
    QTreeView::mousePressEvent(event);
    if (m_list)
        m_list->notePress(this, event);
}

void FileDetailsView::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_list || !m_list->dragOnMove(event))
        QTreeView::mouseMoveEvent(event);
}

void FileDetailsView::startDrag(Qt::DropActions)
{
    if (m_list)
        m_list->dragSelection();
}

void FileDetailsView::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_list)
        m_list->acceptDrag(event);
}

void FileDetailsView::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_list)
        m_list->acceptDrag(event);
}

void FileDetailsView::dropEvent(QDropEvent *event)
{
    if (m_list)
        m_list->takeDrop(event);
}
