// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ItemProperties.h"
#include "PermissionTables.h"

#include <QDialog>
#include <QScopedPointer>

namespace Ui {
class propDialogFiles;
}

// A file's properties; a permission chosen is applied at once.
class propDialogFiles : public QDialog
{
    Q_OBJECT

public:
    explicit propDialogFiles(QWidget *parent = nullptr);
    ~propDialogFiles() override;

    void setSourcePath(const QString &path);
    void populate();

private Q_SLOTS:
    void on_execCheckBox_stateChanged(int state);
    void on_accessOtherscomboBox_currentIndexChanged(int index);
    void on_accessGroupcomboBox_currentIndexChanged(int index);
    void on_accOwnercomboBox_currentIndexChanged(int index);
    void on_groupcomboBox_currentTextChanged(const QString &name);
    void on_nameLineEdit_returnPressed();
    void on_nameLineEdit_editingFinished();

private:
    void changeAccess(PermissionTables::Who who, int index);
    void showDates();

    QScopedPointer<Ui::propDialogFiles> ui;
    ItemProperties item;
    // Set while the controls are filled, whose change signals then do
    // nothing.
    bool filling = false;
};
