// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/ButtonAccessible.h"

#include "widgets/AccessibleFactory.h"
#include "widgets/Button.h"

ButtonAccessible::ButtonAccessible(Button *button)
    : QAccessibleWidget(button, QAccessible::Button)
{ }

QAccessibleInterface *ButtonAccessible::create(const QString &className, QObject *object)
{
    return accessibleFor<Button, ButtonAccessible>(className, object);
}

Button *ButtonAccessible::button() const
{
    return static_cast<Button *>(widget());
}

bool ButtonAccessible::isTab() const
{
    return button()->isCheckable() && button()->autoExclusive();
}

QAccessible::Role ButtonAccessible::role() const
{
    return isTab() ? QAccessible::PageTab : QAccessible::Button;
}

QAccessible::State ButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (isTab()) {
        // A tab other than its row's one stop of the Tab key has no focus
        // policy, yet takes the focus from its shortcut or a screen reader.
        state.focusable = true;
        state.selectable = true;
        state.selected = button()->isChecked();
    } else {
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        state.defaultButton = button()->isDefault();
    }
    return state;
}

QString ButtonAccessible::text(QAccessible::Text which) const
{
    if (which == QAccessible::Name && button()->accessibleName().isEmpty() && !button()->text().isEmpty())
        return QString(button()->text()).remove(QLatin1Char('&'));
    return QAccessibleWidget::text(which);
}

QStringList ButtonAccessible::actionNames() const
{
    if (!widget()->isEnabled())
        return QAccessibleWidget::actionNames();
    return QStringList { pressAction() } + QAccessibleWidget::actionNames();
}

void ButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && widget()->isEnabled())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
