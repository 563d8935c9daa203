// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/PaneAccessible.h"

#include <QWidget>

// The file side of a pane: the view the files are shown in (icons or
// details, the other one hidden) over the line that counts them. A screen
// reader finds only the view that is shown.
class FileViewArea : public QWidget
{
    Q_OBJECT

public:
    explicit FileViewArea(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        QAccessible::installFactory(PaneAccessible::factory<FileViewArea>);
    }
};
