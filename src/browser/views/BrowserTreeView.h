// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QTreeView>

// The folder tree of a file pane. QTreeView already offers everything the
// pane needs (its expand(QModelIndex) slot included); the type exists so that
// the pane's tree can be found and styled by class.
class BrowserTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit BrowserTreeView(QWidget *parent = nullptr)
        : QTreeView(parent)
    { }
};
