// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/AccessibleFactory.h"

#include <QAccessibleWidget>

// What a screen reader is told of a pane that windows hide and show again:
// while hidden, nothing in it; while shown, only the parts of it that are
// not hidden. (The toolkit's trees say they are showing whatever their pane
// does, so that hidden ones were read out as if there.)
//
// A pane installs the factory for its own class:
// QAccessible::installFactory(PaneAccessible::factory<MyPane>).
class PaneAccessible : public QAccessibleWidget
{
public:
    explicit PaneAccessible(QWidget *pane);

    template<typename Pane> static QAccessibleInterface *factory(const QString &className, QObject *object)
    {
        return accessibleFor<Pane, PaneAccessible>(className, object);
    }

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    QList<QWidget *> shownChildren() const;
};
