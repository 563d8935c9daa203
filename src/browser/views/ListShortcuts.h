// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QKeyEvent;
class QVideoList;
class ShellPlugin;

// The keys a file list hands to its desktop's plug-in, bound as the
// desktop's file manager binds them: one table for KDE, one for GNOME; and
// the keys every desktop's file manager knows, which the list carries out
// itself (open, up a folder, select all, delete, rename, zoom).
// Commands that act on a selection do nothing without one; a command whose
// function the plug-in lacks does nothing at all.
class ListShortcuts
{
public:
    // Runs the command bound to the key in the plug-in's table, or without a
    // plug-in in the table of every desktop; false when the key is not
    // bound there. The list may be gone when this returns.
    static bool handle(QVideoList *list, const ShellPlugin *plugin, QKeyEvent *event);
};
