// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/Announcer.h"

#include "widgets/AccessibleFactory.h"

#include <QAccessibleWidget>

namespace {

struct NotificationAccessible : QAccessibleWidget
{
    explicit NotificationAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
    { }
};

} // namespace

Announcer::Announcer(QWidget *window)
    : QWidget(window)
{
    // Installing a factory again changes nothing.
    QAccessible::installFactory(Announcer::createAccessible);
    setObjectName(QStringLiteral("_announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Shown, so that screen readers take it as part of the window, but of
    // no size: nothing of it is seen.
    setGeometry(0, 0, 0, 0);
    show();
}

QAccessibleInterface *Announcer::createAccessible(const QString &className, QObject *object)
{
    return accessibleFor<Announcer, NotificationAccessible>(className, object);
}

void Announcer::announce(QWidget *widget, const QString &text)
{
    if (!widget)
        return;
    QWidget *window = widget->window();
    auto *announcer = window->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->say(text);
}

void Announcer::say(const QString &text)
{
    // A new name is announced as a change of name; the same message again
    // as the notification showing once more.
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
