// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The kind of a node of a bookmark tree.
enum BookmarkItemType {
    // The invisible top item of a model; its title and url name the columns.
    HeaderItem = 0,
    // One browser's row, or the device's row.
    BrowserRootItem = 1,
    FolderItem = 2,
    UrlItem = 3
};
