// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/BookmarkBrowser.h"

// The device's bookmark pane.
class ExternalDeviceBookmarkBrowser : public BookmarkBrowser
{
    Q_OBJECT

public:
    explicit ExternalDeviceBookmarkBrowser(QWidget *parent = nullptr)
        : BookmarkBrowser(1, parent)
    { }
};
