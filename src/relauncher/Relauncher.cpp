// SPDX-License-Identifier: GPL-2.0-or-later
#include "relauncher/Relauncher.h"

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// Lets the restarted super-user program open its window on the display, and
// nobody else: "xhost +" would open it to every host on the network.
const char *const displayAccessCommand = "xhost +SI:localuser:root >/dev/null 2>&1";

} // namespace

int relaunch(int argc, const char *const *argv, const char *dbusLaunchPath, const char *programPath)
{
    if (argc < 2 || std::strcmp(argv[1], "OpaloSync") != 0)
        return 1;
    const int ignored = std::system(displayAccessCommand);
    (void)ignored;
    char *const arguments[] = { const_cast<char *>(dbusLaunchPath), const_cast<char *>(programPath),
        const_cast<char *>("fromLauncher"), nullptr };
    execv(dbusLaunchPath, arguments);
    return 1;
}
