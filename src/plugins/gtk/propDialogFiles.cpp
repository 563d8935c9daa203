// SPDX-License-Identifier: GPL-2.0-or-later
#include "propDialogFiles.h"

#include "ui_propDialogFiles.h"

#include <QFileInfo>
#include <QLocale>
#include <QPushButton>

#include <sys/stat.h>

propDialogFiles::propDialogFiles(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::propDialogFiles)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Close)->setText(tr("IDS_CLOSE"));
}

propDialogFiles::~propDialogFiles() = default;

void propDialogFiles::setSourcePath(const QString &path)
{
    item.setPath(path);
}

void propDialogFiles::populate()
{
    filling = true;
    const QFileInfo info(item.path());
    ui->nameLineEdit->setText(item.name());
    ui->typeValue->setText(item.typeText());
    ui->sizeValue->setText(QLocale().formattedDataSize(info.size()));
    ui->locationValue->setText(item.location());
    ui->mimeTypeValue->setText(item.contentType());
    showDates();

    const mode_t mode = item.mode();
    ui->ownerValue->setText(item.ownerName());
    ui->accOwnercomboBox->addItems({ tr("IDS_READ_ONLY"), tr("IDS_READ_WRITE") });
    for (QComboBox *access : { ui->accessGroupcomboBox, ui->accessOtherscomboBox })
        access->addItems({ tr("IDS_NONE"), tr("IDS_READ_ONLY"), tr("IDS_READ_WRITE") });
    ui->accOwnercomboBox->setCurrentIndex(PermissionTables::fileChoice(mode, PermissionTables::Owner));
    ui->accessGroupcomboBox->setCurrentIndex(PermissionTables::fileChoice(mode, PermissionTables::Group));
    ui->accessOtherscomboBox->setCurrentIndex(PermissionTables::fileChoice(mode, PermissionTables::Others));
    ui->execCheckBox->setChecked(mode & S_IXUSR);
    item.fillGroups(ui->groupcomboBox);
    const bool mayChange = item.mayChange();
    const QList<QWidget *> controls { ui->accOwnercomboBox, ui->groupcomboBox, ui->accessGroupcomboBox,
        ui->accessOtherscomboBox, ui->execCheckBox };
    for (QWidget *control : controls)
        control->setEnabled(mayChange);
    ui->notOwnerLabel->setVisible(!mayChange);
    filling = false;
}

void propDialogFiles::showDates()
{
    ui->modifiedValue->setText(item.dateText(false));
    ui->accessedValue->setText(item.dateText(true));
}

void propDialogFiles::changeAccess(PermissionTables::Who who, int index)
{
    if (filling)
        return;
    item.change([who, index](mode_t mode) { return PermissionTables::fileAccess(mode, who, index); });
    showDates();
}

void propDialogFiles::on_execCheckBox_stateChanged(int state)
{
    if (!filling)
        item.change([state](mode_t mode) { return PermissionTables::execute(mode, state == Qt::Checked); });
}

void propDialogFiles::on_accessOtherscomboBox_currentIndexChanged(int index)
{
    changeAccess(PermissionTables::Others, index);
}

void propDialogFiles::on_accessGroupcomboBox_currentIndexChanged(int index)
{
    changeAccess(PermissionTables::Group, index);
}

void propDialogFiles::on_accOwnercomboBox_currentIndexChanged(int index)
{
    changeAccess(PermissionTables::Owner, index);
}

void propDialogFiles::on_groupcomboBox_currentTextChanged(const QString &name)
{
    if (!filling)
        item.setGroup(name);
}

void propDialogFiles::on_nameLineEdit_returnPressed()
{
    item.rename(ui->nameLineEdit->text());
}

void propDialogFiles::on_nameLineEdit_editingFinished()
{
    item.rename(ui->nameLineEdit->text());
}
