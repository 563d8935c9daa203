// SPDX-License-Identifier: GPL-2.0-or-later
// What bubblewrap starts in a thumbnail helper's box: it loads the helper's
// filter once more, this time allowing execve only for the path it then
// starts, so that the helper, once started, can start no program of the
// box. Its one argument is the helper's path, which only the program gives.
#include "browser/thumbnails/HelperFilter.h"

#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 127;
    const scmp_filter_ctx filter = helperFilter(argv[1]);
    // Under bubblewrap's filter, which refuses seccomp(), libseccomp loads
    // it through prctl.
    if (!filter || seccomp_load(filter) != 0)
        return 127;
    char *const arguments[] = { argv[1], nullptr };
    execve(argv[1], arguments, environ);
    return 127;
}
