// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/PrettyItemDelegate.h"
#include "browser/views/FolderListModel.h"
#include "widgets/MessageBox.h"

#include <QDir>
#include <QLineEdit>

PrettyItemDelegate::PrettyItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{ }

void PrettyItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    const auto *lineEdit = qobject_cast<QLineEdit *>(editor);
    const QString path = FolderListModel::filePathOf(index);
    if (!lineEdit || path.isEmpty())
        return;
    const QString newName = lineEdit->text();
    const QString oldName = index.data(Qt::DisplayRole).toString();
    if (newName.isEmpty() || newName == oldName)
        return;
    const QString folder = QFileInfo(path).absolutePath();
    // A separator would move the file elsewhere; the name is refused as if
    // it were taken.
    const QString target
        = folder + QLatin1Char('/') + (newName.contains(QLatin1Char('/')) ? oldName : newName);
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() || targetInfo.isSymLink()) {
        showNameTaken(newName);
        return;
    }
    QDir(folder).rename(oldName, target);
}

void PrettyItemDelegate::showNameTaken(const QString &newName)
{
    MessageBox box(QMessageBox::Information, tr("IDS_RENAME_FILE").arg(newName), QMessageBox::Ok);
    box.setWindowTitle(tr("IDS_RENAME_FILE_TITLE"));
    box.exec();
}
