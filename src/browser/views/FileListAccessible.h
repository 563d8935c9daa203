// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelectionModel>

class QVideoList;

// What a screen reader is told of a file list: a list whose items are the
// files and folders it shows, each with its name and whether it is selected
// or current, which opens (Press) or becomes current (SetFocus) on request.
// (The toolkit's own view of a list reads its model from the top, where the
// file model holds the file-system root, not the folder shown.)
//
// The list is also a table of one column, through which the selection is
// read and changed a row at a time (and, with Qt 6.5 and later, a selection
// of items).
//
// Item n is row n of the shown folder, as in the list's own focus events.
// Items are made when asked for and kept while their row holds the same file.
class FileListAccessible : public QAccessibleWidget,
                           public QAccessibleTableInterface
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    ,
                           public QAccessibleSelectionInterface
#endif
{
public:
    explicit FileListAccessible(QVideoList *list);
    ~FileListAccessible() override;

    static QAccessibleInterface *create(const QString &className, QObject *object);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int) const override { return QString(); }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return selectedRows().size(); }
    int columnCount() const override { return 1; }
    int rowCount() const override { return childCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { }

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // The same selection, item by item, where the toolkit offers it.
    int selectedItemCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface *> selectedItems() const override { return selectedCells(); }
    bool select(QAccessibleInterface *childItem) override { return selectRow(indexOfChild(childItem)); }
    bool unselect(QAccessibleInterface *childItem) override { return unselectRow(indexOfChild(childItem)); }
    bool selectAll() override;
    bool clear() override;
#endif

private:
    QVideoList *list() const;
    QModelIndex rowIndex(int row) const;
    bool changeSelection(int row, QItemSelectionModel::SelectionFlags change);

    mutable QHash<int, QAccessible::Id> m_items;
};
