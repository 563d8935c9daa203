// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/PaneAccessible.h"

#include <QWidget>

PaneAccessible::PaneAccessible(QWidget *pane)
    : QAccessibleWidget(pane, QAccessible::Pane)
{ }

int PaneAccessible::childCount() const
{
    return widget()->isVisible() ? QAccessibleWidget::childCount() : 0;
}

QAccessibleInterface *PaneAccessible::child(int index) const
{
    return widget()->isVisible() ? QAccessibleWidget::child(index) : nullptr;
}

int PaneAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return widget()->isVisible() ? QAccessibleWidget::indexOfChild(child) : -1;
}

QAccessibleInterface *PaneAccessible::childAt(int x, int y) const
{
    return widget()->isVisible() ? QAccessibleWidget::childAt(x, y) : nullptr;
}
