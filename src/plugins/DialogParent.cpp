// SPDX-License-Identifier: GPL-2.0-or-later
#include "plugins/DialogParent.h"

#include <QApplication>
#include <QWidget>

QWidget *dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible()
            && !(window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip))
            return window;
    }
    return nullptr;
}
