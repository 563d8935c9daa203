// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QItemSelectionModel>

class QAbstractProxyModel;

// The selection of a list that shows a proxy over a file model. Callers
// that know files by the file model's indexes (the copy flow selecting the
// files that arrived) may select with those: they are mapped to the list's
// rows, and files the list does not show are left out.
class FileSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    explicit FileSelectionModel(QAbstractProxyModel *shown, QObject *parent = nullptr);

    using QItemSelectionModel::select;
    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override;

private:
    QAbstractProxyModel *m_shown;
};
