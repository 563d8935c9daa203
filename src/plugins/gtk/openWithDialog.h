// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "GioApplications.h"

#include <QDialog>
#include <QScopedPointer>

class QListWidget;
class QListWidgetItem;

namespace Ui {
class openWithDialog;
}

// Lets the user pick any application for an item: those registered for its
// type, and every installed one.
class openWithDialog : public QDialog
{
    Q_OBJECT

public:
    explicit openWithDialog(QWidget *parent = nullptr);
    ~openWithDialog() override;

    void setSourcePath(const QString &path);
    void populate();

public Q_SLOTS:
    // Starts the application selected in either list on the item.
    void open() override;

private Q_SLOTS:
    void on_listWidget_2_itemActivated(QListWidgetItem *row);
    void on_listWidget_itemActivated(QListWidgetItem *row);
    void on_listWidget_2_itemClicked(QListWidgetItem *row);
    void on_listWidget_itemClicked(QListWidgetItem *row);
    void on_buttonBox_accepted();

private:
    void fill(QListWidget *list, const QVector<GioApplications::App> &apps);
    void select(QListWidgetItem *row);
    void launch(QListWidgetItem *row);

    QScopedPointer<Ui::openWithDialog> ui;
    QString path;
    QVector<GioApplications::App> apps;
    QListWidgetItem *selected = nullptr;
};
