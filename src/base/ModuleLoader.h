// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Finds and opens what the program loads at run time: the desktop's
// context-menu plug-ins and the video module. One rule for all of them:
// they are looked for in the folder OPALO_PLUGIN_DIR names (a build tree's,
// for the tests and the demo), else in the installed library folder. The
// installed program started by the super-user never reads the variable, so
// that nobody's environment decides what code it runs as root.
namespace ModuleLoader {

// The folder, with a trailing slash.
QString folder();
// fileName in that folder.
QString path(const QString &fileName);
// dlopen of path(fileName) with flags; null when it cannot be loaded, which
// is logged under "opalo.plugins".
void *open(const QString &fileName, int flags);
// The address of name in an open module; null (logged) when it has none.
void *symbol(void *handle, const char *name);

// Whether the running program is the installed one (it lives in the
// installed program folder), as opposed to a build tree's or a test's.
bool runsInstalled();

} // namespace ModuleLoader
