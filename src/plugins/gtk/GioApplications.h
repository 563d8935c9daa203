// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSharedPointer>
#include <QString>
#include <QVector>

#include <gio/gio.h>

// The applications the desktop registers for an item, through GIO.
class GioApplications
{
public:
    using App = QSharedPointer<GAppInfo>;

    // The item's content type; empty when GIO knows nothing of the item.
    static QString contentTypeOf(const QString &path);
    static QString descriptionOf(const QString &contentType);
    // In GIO's order of preference.
    static QVector<App> registeredFor(const QString &contentType);
    // Null when the type has none.
    static App defaultFor(const QString &contentType);
    // Every installed application that may be shown, each once.
    static QVector<App> installed();

    static QString nameOf(const App &app);
    static QString descriptionOf(const App &app);
    // Starts app on the item; GIO starts it from its argument vector.
    static bool launch(const App &app, const QString &path);

private:
    static App adopt(GAppInfo *app);
    static QVector<App> adoptAll(GList *apps);
};
