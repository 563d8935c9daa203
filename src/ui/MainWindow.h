// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMainWindow>

// The program's only top-level window.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
};
