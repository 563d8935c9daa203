// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAccessible>

// For a factory of accessible interfaces: the interface of object when it is
// asked for under the class name of Widget, else null. The framework asks
// every factory for every object, once per class the object derives from,
// most derived first.
template<typename Widget, typename Interface>
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className != QLatin1String(Widget::staticMetaObject.className()))
        return nullptr;
    auto *widget = qobject_cast<Widget *>(object);
    return widget ? new Interface(widget) : nullptr;
}
