// SPDX-License-Identifier: GPL-2.0-or-later
#include "openWithDialog.h"

#include "ui_openWithDialog.h"

#include <QFileInfo>
#include <QPushButton>

openWithDialog::openWithDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::openWithDialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Open)->setText(tr("IDS_OPEN"));
    ui->buttonBox->button(QDialogButtonBox::Open)->setEnabled(false);
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("IDS_CANCEL"));
}

openWithDialog::~openWithDialog() = default;

void openWithDialog::setSourcePath(const QString &itemPath)
{
    path = itemPath;
}

void openWithDialog::populate()
{
    const QString type = GioApplications::contentTypeOf(path);
    ui->captionLabel->setText(tr("IDS_OPEN_OTHER_APP_MESSAGE")
            .arg(QFileInfo(path).fileName(), GioApplications::descriptionOf(type)));
    if (type.isEmpty())
        return;
    fill(ui->listWidget, GioApplications::registeredFor(type));
    fill(ui->listWidget_2, GioApplications::installed());
}

void openWithDialog::fill(QListWidget *list, const QVector<GioApplications::App> &found)
{
    for (const GioApplications::App &app : found) {
        auto *row = new QListWidgetItem(GioApplications::nameOf(app), list);
        row->setData(Qt::UserRole, apps.size());
        apps.append(app);
    }
}

void openWithDialog::select(QListWidgetItem *row)
{
    selected = row;
    ui->descriptionLabel->setText(GioApplications::descriptionOf(apps.at(row->data(Qt::UserRole).toInt())));
    ui->buttonBox->button(QDialogButtonBox::Open)->setEnabled(true);
}

void openWithDialog::launch(QListWidgetItem *row)
{
    select(row);
    open();
    accept();
}

void openWithDialog::open()
{
    if (selected)
        GioApplications::launch(apps.at(selected->data(Qt::UserRole).toInt()), path);
}

void openWithDialog::on_listWidget_2_itemActivated(QListWidgetItem *row)
{
    launch(row);
}

void openWithDialog::on_listWidget_itemActivated(QListWidgetItem *row)
{
    launch(row);
}

void openWithDialog::on_listWidget_2_itemClicked(QListWidgetItem *row)
{
    select(row);
}

void openWithDialog::on_listWidget_itemClicked(QListWidgetItem *row)
{
    select(row);
}

void openWithDialog::on_buttonBox_accepted()
{
    open();
    accept();
}
