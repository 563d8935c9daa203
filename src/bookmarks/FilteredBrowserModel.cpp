// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/FilteredBrowserModel.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"

bool FilteredBrowserModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *model = qobject_cast<const BookmarkTreeModel *>(sourceModel());
    if (!model)
        return true;
    const BookmarkItem *item = model->itemFromIndex(model->index(sourceRow, 0, sourceParent));
    return item && item->type() != UrlItem;
}
