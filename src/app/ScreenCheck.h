// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Whether the platform Qt is about to use finds a screen: Qt aborts the
// process when its platform plug-in cannot connect (the super-user under sudo
// keeps DISPLAY but may not use it, a Wayland desktop without Xwayland has no
// X server at all, and QT_QPA_PLATFORM=wayland from the system's environment
// outlives the WAYLAND_DISPLAY that sudo drops). Platforms other than X11 and
// Wayland are left to Qt.
bool screenReachable();
