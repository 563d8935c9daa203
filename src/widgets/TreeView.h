// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QTreeView>

// A tree view that tells screen readers of its current row as focused only
// while it has the focus. The toolkit's tree tells them on every change of
// the current row, so that choosing a category, or loading a hidden pane,
// moved their focus into a tree the keyboard never entered.
class TreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit TreeView(QWidget *parent = nullptr);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};
