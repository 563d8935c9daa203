// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FileListAccessible.h"

#include "browser/views/QVideoList.h"
#include "widgets/AccessibleFactory.h"

#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace {

// One file or folder of a list, a cell of its one column.
class FileItemAccessible : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface
{
public:
    FileItemAccessible(QVideoList *list, const QModelIndex &index)
        : m_list(list)
        , m_index(index)
    { }

    const QPersistentModelIndex &index() const { return m_index; }
    const QVideoList *list() const { return m_list; }

    bool isValid() const override { return m_list && m_index.isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override { }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override { return isValid() && m_list->selectionModel()->isSelected(m_index); }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return isValid() ? m_index.row() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    QStringList actionNames() const override
    {
        return isValid() ? QStringList { pressAction(), setFocusAction() } : QStringList();
    }

    void doAction(const QString &name) override
    {
        if (!isValid())
            return;
        // Pressed, an item opens as with Enter: a folder is shown, a file
        // opened in its program.
        if (name == pressAction())
            emit m_list->openRequested(m_index);
        else if (name == setFocusAction())
            m_list->selectionModel()->setCurrentIndex(m_index, QItemSelectionModel::NoUpdate);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        return name == pressAction() ? QStringList { QStringLiteral("Return") } : QStringList();
    }

    QString text(QAccessible::Text which) const override
    {
        if (!isValid() || which != QAccessible::Name)
            return QString();
        return m_index.data(Qt::DisplayRole).toString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect area = m_list->visualRect(m_index);
        return QRect(m_list->viewport()->mapToGlobal(area.topLeft()), area.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = m_list->selectionModel()->isSelected(m_index);
        state.active = m_list->currentIndex() == m_index;
        state.focused = state.active && m_list->hasFocus();
        const QRect shown = m_list->viewport()->rect();
        if (!shown.intersects(m_list->visualRect(m_index)) || !m_list->isVisible()) {
            state.offscreen = true;
            state.invisible = !m_list->isVisible();
        }
        return state;
    }

private:
    QPointer<QVideoList> m_list;
    QPersistentModelIndex m_index;
};

} // namespace

FileListAccessible::FileListAccessible(QVideoList *list)
    : QAccessibleWidget(list, QAccessible::List)
{ }

FileListAccessible::~FileListAccessible()
{
    for (const QAccessible::Id id : qAsConst(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

void *FileListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (type == QAccessible::SelectionInterface)
        return static_cast<QAccessibleSelectionInterface *>(this);
#endif
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *FileListAccessible::create(const QString &className, QObject *object)
{
    return accessibleFor<QVideoList, FileListAccessible>(className, object);
}

QVideoList *FileListAccessible::list() const
{
    return static_cast<QVideoList *>(widget());
}

QAccessible::State FileListAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.multiSelectable = true;
    return state;
}

int FileListAccessible::childCount() const
{
    const QAbstractItemModel *model = list()->model();
    return model ? model->rowCount(list()->rootIndex()) : 0;
}

QAccessibleInterface *FileListAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const QModelIndex row = rowIndex(index);
    const auto known = m_items.constFind(index);
    if (known != m_items.constEnd()) {
        auto *item = static_cast<FileItemAccessible *>(QAccessible::accessibleInterface(*known));
        if (item && item->index() == row)
            return item;
        // The row holds another file now: the old item goes with its file.
        QAccessible::deleteAccessibleInterface(*known);
    }
    auto *item = new FileItemAccessible(list(), row);
    m_items.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int FileListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *item = dynamic_cast<const FileItemAccessible *>(child);
    if (!item || item->list() != list() || !item->isValid() || item->index().parent() != list()->rootIndex())
        return -1;
    return item->index().row();
}

QAccessibleInterface *FileListAccessible::childAt(int x, int y) const
{
    const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface *FileListAccessible::focusChild() const
{
    const QModelIndex current = list()->currentIndex();
    if (!list()->hasFocus() || !current.isValid())
        return nullptr;
    return child(current.row());
}

QModelIndex FileListAccessible::rowIndex(int row) const
{
    const QAbstractItemModel *model = list()->model();
    return model ? model->index(row, 0, list()->rootIndex()) : QModelIndex();
}

QAccessibleInterface *FileListAccessible::cellAt(int row, int column) const
{
    return column == 0 ? child(row) : nullptr;
}

QList<int> FileListAccessible::selectedRows() const
{
    QList<int> rows;
    const QModelIndexList selected = list()->selectionModel()->selectedRows(0);
    for (const QModelIndex &index : selected) {
        if (index.parent() == list()->rootIndex())
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<QAccessibleInterface *> FileListAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    const QList<int> rows = selectedRows();
    for (const int row : rows)
        cells.append(child(row));
    return cells;
}

bool FileListAccessible::isRowSelected(int row) const
{
    const QModelIndex index = rowIndex(row);
    return index.isValid() && list()->selectionModel()->isSelected(index);
}

bool FileListAccessible::selectRow(int row)
{
    return changeSelection(row, QItemSelectionModel::Select);
}

bool FileListAccessible::unselectRow(int row)
{
    return changeSelection(row, QItemSelectionModel::Deselect);
}

bool FileListAccessible::changeSelection(int row, QItemSelectionModel::SelectionFlags change)
{
    const QModelIndex index = rowIndex(row);
    if (!index.isValid())
        return false;
    // Whole rows, as the pane's details view shows them.
    list()->selectionModel()->select(index, change | QItemSelectionModel::Rows);
    return true;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
bool FileListAccessible::selectAll()
{
    list()->selectAllRows();
    return true;
}

bool FileListAccessible::clear()
{
    list()->clearSelection();
    return true;
}
#endif
