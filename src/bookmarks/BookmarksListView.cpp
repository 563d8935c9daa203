// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/BookmarksListView.h"

#include <QMouseEvent>

BookmarksListView::BookmarksListView(QWidget *parent)
    : TreeView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void BookmarksListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        emit elementDoubleClicked(index);
}
