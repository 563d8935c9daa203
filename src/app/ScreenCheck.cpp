// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ScreenCheck.h"

#include <QByteArray>

#include <xcb/xcb.h>

bool screenReachable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 prefers the Wayland display where there is one; Qt 5 always goes
    // to the X server unless told otherwise.
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
#endif
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    // The connection Qt's xcb plug-in would make, with this user's
    // authorisation.
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}
