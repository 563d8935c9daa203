// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

class QGridLayout;

// The start page: four categories, each a large picture button with a title
// and a description. It only announces the choice, one signal per category.
class MainMenu : public QWidget
{
    Q_OBJECT

public:
    explicit MainMenu(QWidget *parent = nullptr);

signals:
    void showMediaSync();
    void showAppSync();
    void showBackupRestore();
    void showUpadate();

private:
    struct Category;
    void addCategory(QGridLayout *grid, const Category &category);
};
