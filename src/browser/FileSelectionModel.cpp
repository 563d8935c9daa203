// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/FileSelectionModel.h"

#include <QAbstractProxyModel>

FileSelectionModel::FileSelectionModel(QAbstractProxyModel *shown, QObject *parent)
    : QItemSelectionModel(shown, parent)
    , m_shown(shown)
{ }

void FileSelectionModel::select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command)
{
    const bool ofFileModel = !selection.isEmpty() && selection.first().model() == m_shown->sourceModel();
    QItemSelectionModel::select(
        ofFileModel ? m_shown->mapSelectionFromSource(selection) : selection, command);
}
