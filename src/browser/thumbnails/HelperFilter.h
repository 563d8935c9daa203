// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <seccomp.h>

// The seccomp filter of a thumbnail helper, shared by the program and the
// gate bubblewrap starts in the box; free of Qt, so that the gate is small.
// With onlyProgram, execve is refused for any other path pointer than that
// one, which only the process that starts the helper holds: the helper
// itself can start nothing. Without it (bubblewrap's, loaded before it
// starts the gate), execve stays allowed, and the gate's own filter, loaded
// on top, refuses it past the helper's start. Null when it cannot be made;
// the caller releases it.
scmp_filter_ctx helperFilter(const char *onlyProgram);
