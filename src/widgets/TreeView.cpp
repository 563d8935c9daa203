// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/TreeView.h"

TreeView::TreeView(QWidget *parent)
    : QTreeView(parent)
{ }

void TreeView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The tree's own step adds only that announcement to the view's (and
    // repaints whole rows, which these trees do not show their focus on).
    if (hasFocus() || allColumnsShowFocus())
        QTreeView::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}
