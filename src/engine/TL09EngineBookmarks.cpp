// SPDX-License-Identifier: GPL-2.0-or-later
// The engine thread's part in the bookmark panes: reading the stores again
// after each data collection.
#include "engine/TL09Engine.h"

#include "bookmarks/BookmarkTreeModel.h"

void TL09Engine::reloadBookmarks()
{
    // The models read their stores here and hand the new trees to the GUI
    // thread themselves.
    for (BookmarkTreeModel *model : { m_hostBookmarkModel.load(), m_deviceBookmarkModel.load() }) {
        if (model && !abortRequested)
            model->reload();
    }
}
