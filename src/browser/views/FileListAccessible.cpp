// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FileListAccessible.h"

#include "browser/views/QVideoList.h"
#include "widgets/AccessibleFactory.h"

#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QWindow>

namespace {

// One file or folder of a list.
class FileItemAccessible : public QAccessibleInterface
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
    const QModelIndex row = list()->model()->index(index, 0, list()->rootIndex());
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
