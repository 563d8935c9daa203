// SPDX-License-Identifier: GPL-2.0-or-later
#include "propDialogFolder.h"

#include "ui_propDialogFolder.h"

#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <QStorageInfo>

#include <sys/stat.h>

propDialogFolder::propDialogFolder(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::propDialogFolder)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("IDS_CLOSE"));
}

propDialogFolder::~propDialogFolder() = default;

void propDialogFolder::setSourcePath(const QString &path)
{
    item.setPath(path);
}

void propDialogFolder::populate()
{
    filling = true;
    fillBasic();
    fillPermissions();
    filling = false;
}

void propDialogFolder::fillBasic()
{
    const QStorageInfo volume(item.path());
    ui->namelineEdit_2->setText(item.name());
    ui->typeValue->setText(item.typeText());
    ui->contentsValue->setText(QString::number(QDir(item.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
            .size()));
    ui->locationValue->setText(item.location());
    ui->volumeValue->setText(volume.displayName());
    ui->freeSpaceValue->setText(QLocale().formattedDataSize(volume.bytesAvailable()));
    ui->modifiedValue->setText(item.dateText(false));
    ui->accessedValue->setText(item.dateText(true));
}

void propDialogFolder::fillPermissions()
{
    const mode_t mode = item.mode();
    const QString unchanged = QStringLiteral("---");
    ui->ownerValue->setText(item.ownerName());
    ui->accOwnerComboFolder->addItems(
        { tr("IDS_LIST_FILES_ONLY"), tr("IDS_ACCESS_FILES"), tr("IDS_CREATE_DELETE_FILES"), unchanged });
    for (QComboBox *access : { ui->accessGroupComboFolder, ui->accOthersComboFolder })
        access->addItems({ tr("IDS_NONE"), tr("IDS_LIST_FILES_ONLY"), tr("IDS_ACCESS_FILES"),
            tr("IDS_CREATE_DELETE_FILES"), unchanged });
    ui->accOwnerComboFiles->addItems({ tr("IDS_READ_ONLY"), tr("IDS_READ_WRITE") });
    for (QComboBox *access : { ui->accessGroupComboFiles, ui->accessOthersComboFiles })
        access->addItems({ tr("IDS_NONE"), tr("IDS_READ_ONLY"), tr("IDS_READ_WRITE") });

    using Tables = PermissionTables;
    ui->accOwnerComboFolder->setCurrentIndex(Tables::folderChoice(mode, Tables::Owner));
    ui->accessGroupComboFolder->setCurrentIndex(Tables::folderChoice(mode, Tables::Group));
    ui->accOthersComboFolder->setCurrentIndex(Tables::folderChoice(mode, Tables::Others));
    ui->accOwnerComboFiles->setCurrentIndex(Tables::fileChoice(mode, Tables::Owner));
    ui->accessGroupComboFiles->setCurrentIndex(Tables::fileChoice(mode, Tables::Group));
    ui->accessOthersComboFiles->setCurrentIndex(Tables::fileChoice(mode, Tables::Others));
    ui->execCheckBox->setChecked(mode & S_IXUSR);
    item.fillGroups(ui->groupcomboBox);

    const bool mayChange = item.mayChange();
    const QList<QWidget *> controls { ui->accOwnerComboFolder, ui->accOwnerComboFiles, ui->groupcomboBox,
        ui->accessGroupComboFolder, ui->accessGroupComboFiles, ui->accOthersComboFolder,
        ui->accessOthersComboFiles, ui->execCheckBox, ui->ApplyPermissionsToFiles };
    for (QWidget *control : controls)
        control->setEnabled(mayChange);
    ui->notOwnerLabel->setVisible(!mayChange);
}

void propDialogFolder::changeAccess(PermissionTables::Who who, int index)
{
    if (!filling)
        item.change([who, index](mode_t mode) { return PermissionTables::folderAccess(mode, who, index); });
}

void propDialogFolder::on_ApplyPermissionsToFiles_clicked()
{
    using Tables = PermissionTables;
    const int owner = ui->accOwnerComboFiles->currentIndex();
    const int group = ui->accessGroupComboFiles->currentIndex();
    const int others = ui->accessOthersComboFiles->currentIndex();
    const bool execute = ui->execCheckBox->isChecked();
    item.changeEnclosed([=](mode_t mode) {
        mode = Tables::fileAccess(mode, Tables::Owner, owner);
        mode = Tables::fileAccess(mode, Tables::Group, group);
        mode = Tables::fileAccess(mode, Tables::Others, others);
        // Execute permission is only ever added to what the folder holds,
        // and never made up for a document.
        return execute ? Tables::executeWhereSensible(mode) : mode;
    });
}

void propDialogFolder::on_execCheckBox_stateChanged(int state)
{
    if (!filling)
        item.change([state](mode_t mode) { return PermissionTables::execute(mode, state == Qt::Checked); });
}

void propDialogFolder::on_accOthersComboFolder_currentIndexChanged(int index)
{
    changeAccess(PermissionTables::Others, index);
}

void propDialogFolder::on_accessGroupComboFolder_currentIndexChanged(int index)
{
    changeAccess(PermissionTables::Group, index);
}

void propDialogFolder::on_groupcomboBox_currentTextChanged(const QString &name)
{
    if (!filling)
        item.setGroup(name);
}

void propDialogFolder::on_accOwnerComboFolder_currentIndexChanged(int index)
{
    changeAccess(PermissionTables::Owner, index);
}

void propDialogFolder::on_namelineEdit_2_returnPressed()
{
    item.rename(ui->namelineEdit_2->text());
}

void propDialogFolder::on_namelineEdit_2_editingFinished()
{
    item.rename(ui->namelineEdit_2->text());
}
