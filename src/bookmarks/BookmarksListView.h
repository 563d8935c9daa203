// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/TreeView.h"

// The list of a bookmark pane: the items of one folder, several of which can
// be chosen with Ctrl and Shift. A double-click is reported, never taken as
// a request to expand or edit.
class BookmarksListView : public TreeView
{
    Q_OBJECT

public:
    explicit BookmarksListView(QWidget *parent = nullptr);

signals:
    void elementDoubleClicked(const QModelIndex &index);

public slots:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
