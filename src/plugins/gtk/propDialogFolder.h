// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ItemProperties.h"
#include "PermissionTables.h"

#include <QDialog>
#include <QScopedPointer>

class QComboBox;

namespace Ui {
class propDialogFolder;
}

// A folder's properties. Its own access is applied at once; the file access
// chosen for what it holds waits for "Apply permissions to enclosed files".
class propDialogFolder : public QDialog
{
    Q_OBJECT

public:
    explicit propDialogFolder(QWidget *parent = nullptr);
    ~propDialogFolder() override;

    void setSourcePath(const QString &path);
    void populate();

private Q_SLOTS:
    void on_namelineEdit_2_returnPressed();
    void on_namelineEdit_2_editingFinished();
    void on_ApplyPermissionsToFiles_clicked();
    void on_execCheckBox_stateChanged(int state);
    void on_accOthersComboFolder_currentIndexChanged(int index);
    void on_accessGroupComboFolder_currentIndexChanged(int index);
    void on_groupcomboBox_currentTextChanged(const QString &name);
    void on_accOwnerComboFolder_currentIndexChanged(int index);

private:
    void fillBasic();
    void fillPermissions();
    void changeAccess(PermissionTables::Who who, int index);

    QScopedPointer<Ui::propDialogFolder> ui;
    ItemProperties item;
    bool filling = false;
};
