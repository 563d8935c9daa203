// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/views/KeyboardContextMenu.h"
#include "widgets/TreeView.h"

// The folder tree of a file pane. TreeView already offers everything the
// pane needs (its expand(QModelIndex) slot included) but the context menu
// asked for from the keyboard, which opens at the current folder; the type
// also lets the pane's tree be found and styled by class.
class BrowserTreeView : public TreeView
{
    Q_OBJECT

public:
    explicit BrowserTreeView(QWidget *parent = nullptr)
        : TreeView(parent)
    { }

protected:
    bool event(QEvent *event) override
    {
        return KeyboardContextMenu::handle(this, event) || TreeView::event(event);
    }
};
