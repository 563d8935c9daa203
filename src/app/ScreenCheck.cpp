// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ScreenCheck.h"

#include <QByteArray>
#include <QList>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// The connection Qt's xcb plug-in would make, with this user's
// authorisation.
bool xServerReachable()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

// The socket the Wayland client library connects to: WAYLAND_DISPLAY as a
// path, or as a name (wayland-0 when unset) in the runtime folder.
bool waylandReachable()
{
    QByteArray path = qgetenv("WAYLAND_DISPLAY");
    if (path.isEmpty())
        path = "wayland-0";
    if (!path.startsWith('/')) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return false;
        path = runtime + '/' + path;
    }
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool reachable
        = ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(socket);
    return reachable;
}

} // namespace

bool screenReachable()
{
    const QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        // Qt 6 prefers the Wayland display where there is one, and falls
        // back to the X server; Qt 5 always goes to the X server.
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && waylandReachable())
            return true;
#endif
        return xServerReachable();
    }
    // Qt tries each of a list ("wayland;xcb") in turn; a platform may carry
    // options after a colon.
    for (const QByteArray &platform : platforms.split(';')) {
        const QByteArray name = platform.split(':').first();
        if (name == "xcb" ? xServerReachable() : name.startsWith("wayland") ? waylandReachable() : true)
            return true;
    }
    return false;
}
