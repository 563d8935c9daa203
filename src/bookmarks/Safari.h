// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/IBrowser.h"

// Safari's bookmarks, which do not exist on this platform.
class Safari : public IBrowser
{
public:
    bool isInstalled() const override { return false; }
    bool isRunning() const override { return false; }
    void loadBookmarks() override { }
    bool saveBookmarks() override { return true; }
};
