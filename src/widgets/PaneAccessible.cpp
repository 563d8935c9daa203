// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/PaneAccessible.h"

#include <QWidget>

PaneAccessible::PaneAccessible(QWidget *pane)
    : QAccessibleWidget(pane, QAccessible::Pane)
{ }

QList<QWidget *> PaneAccessible::shownChildren() const
{
    QList<QWidget *> shown;
    if (!widget()->isVisible())
        return shown;
    const QObjectList children = widget()->children();
    for (QObject *child : children) {
        auto *part = qobject_cast<QWidget *>(child);
        if (part && !part->isWindow() && !part->isHidden())
            shown.append(part);
    }
    return shown;
}

int PaneAccessible::childCount() const
{
    return shownChildren().size();
}

QAccessibleInterface *PaneAccessible::child(int index) const
{
    return QAccessible::queryAccessibleInterface(shownChildren().value(index));
}

int PaneAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child ? shownChildren().indexOf(qobject_cast<QWidget *>(child->object())) : -1;
}

QAccessibleInterface *PaneAccessible::childAt(int x, int y) const
{
    return widget()->isVisible() ? QAccessibleWidget::childAt(x, y) : nullptr;
}
