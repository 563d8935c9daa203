// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "browser/views/KeyboardContextMenu.h"

#include <QTreeView>

// The folder tree of a file pane. QTreeView already offers everything the
// pane needs (its expand(QModelIndex) slot included) but the context menu
// asked for from the keyboard, which opens at the current folder; the type
// also lets the pane's tree be found and styled by class.
class BrowserTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit BrowserTreeView(QWidget *parent = nullptr)
        : QTreeView(parent)
    { }

protected:
    bool event(QEvent *event) override
    {
        return KeyboardContextMenu::handle(this, event) || QTreeView::event(event);
    }
};
