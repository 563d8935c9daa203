// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/IBrowser.h"

// Internet Explorer's bookmarks, which do not exist on this platform.
class Explorer : public IBrowser
{
public:
    bool isInstalled() const override { return false; }
    bool isRunning() const override { return false; }
    void loadBookmarks() override { }
    bool saveBookmarks() override { return true; }
};
