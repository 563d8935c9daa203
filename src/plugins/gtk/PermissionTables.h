// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <sys/types.h>

// The permission choices of the properties dialogs, as changes of a mode.
// Each choice is an index into the list a dialog shows for it.
class PermissionTables
{
public:
    // The permission bits of one class of users.
    enum Who : mode_t { Owner = 0700, Group = 0070, Others = 0007 };

    // File access: for the owner 0 read-only, 1 read and write; for the
    // group and others 0 none, 1 read-only, 2 read and write. The
    // same choices apply to what a folder encloses.
    static mode_t fileAccess(mode_t mode, Who who, int choice);
    static int fileChoice(mode_t mode, Who who);
    // Folder access: for the owner 0 list files only, 1 access files, 2
    // create and delete files, 3 left as it is ("---"); for the group and
    // others 0 none, then the same four.
    static mode_t folderAccess(mode_t mode, Who who, int choice);
    static int folderChoice(mode_t mode, Who who);
    static mode_t execute(mode_t mode, bool allowed);
    // Execute permission for all as chmod's "X" gives it to what a folder
    // holds: to folders, and to files some class may execute already. mode
    // carries the entry's type.
    static mode_t executeWhereSensible(mode_t mode);

private:
    // The owner's lists lack "None": its choices start one step later.
    static int level(Who who, int choice) { return who == Owner ? choice + 1 : choice; }
};
