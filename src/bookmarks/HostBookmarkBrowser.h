// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/BookmarkBrowser.h"

// The PC's bookmark pane.
class HostBookmarkBrowser : public BookmarkBrowser
{
    Q_OBJECT

public:
    explicit HostBookmarkBrowser(QWidget *parent = nullptr)
        : BookmarkBrowser(0, parent)
    { }
};
