// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Opens the X display to the super-user and restarts OpaloSync in a fresh
// D-Bus session that ends with it (dbus-run-session: no bus daemon of the
// super-user's is left behind), marked with "fromLauncher" so that it does not hand over
// again. The super-user's program gets the caller's environment without the
// build's and tests' own variables (OPALO_...), so that nobody's environment
// chooses what code or which folders it uses as root. Returns only on
// failure, with the exit status (always 1).
int relaunch(int argc, const char *const *argv, const char *dbusRunSessionPath, const char *programPath);
