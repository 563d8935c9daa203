// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStyledItemDelegate>

// The item delegate of the file list. A rename is done on disk, not through
// the model (whose watcher brings the change in), and a name that is taken,
// or that holds a path separator, is refused with a message.
class PrettyItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit PrettyItemDelegate(QObject *parent = nullptr);

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    static void showNameTaken(const QString &newName);
};
