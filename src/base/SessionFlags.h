// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The desktop session the program runs in, decided once at start-up before
// any window or thread exists; at most one is true. The file panes read them
// to pick their context-menu plug-in.
extern bool kde4Session;
extern bool gnomeSession;
extern bool kde3Session;
