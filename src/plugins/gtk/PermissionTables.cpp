// SPDX-License-Identifier: GPL-2.0-or-later
#include "PermissionTables.h"

#include <sys/stat.h>

namespace {

constexpr mode_t readBits = 0444;
constexpr mode_t writeBits = 0222;
constexpr mode_t executeBits = 0111;

enum Level { None, ReadOnly, ReadWrite };
enum FolderLevel { NoAccess, ListOnly, AccessFiles, CreateDelete, Unchanged };

} // namespace

mode_t PermissionTables::fileAccess(mode_t mode, Who who, int choice)
{
    switch (level(who, choice)) {
    case ReadOnly:
        return (mode | (who & readBits)) & ~(who & writeBits);
    case ReadWrite:
        return mode | (who & (readBits | writeBits));
    default:
        // The owner's "otherwise" is read and write, as level() maps it.
        return mode & ~who;
    }
}

int PermissionTables::fileChoice(mode_t mode, Who who)
{
    const int shown = (mode & who & writeBits) ? ReadWrite : (mode & who & readBits) ? ReadOnly : None;
    return who == Owner ? (shown == ReadWrite ? 1 : 0) : shown;
}

mode_t PermissionTables::folderAccess(mode_t mode, Who who, int choice)
{
    switch (level(who, choice)) {
    case NoAccess:
        return mode & ~who;
    case ListOnly:
        return (mode & ~who) | (who & readBits);
    case AccessFiles:
        return (mode & ~who) | (who & (readBits | executeBits));
    case CreateDelete:
        return mode | who;
    default:
        return mode;
    }
}

int PermissionTables::folderChoice(mode_t mode, Who who)
{
    const mode_t bits = mode & who;
    int shown = Unchanged;
    if (bits == 0)
        shown = NoAccess;
    else if (bits == (who & readBits))
        shown = ListOnly;
    else if (bits == (who & (readBits | executeBits)))
        shown = AccessFiles;
    else if (bits == who)
        shown = CreateDelete;
    // The owner's list has no "None": an owner without access shows "---".
    if (who == Owner)
        return shown == NoAccess ? Unchanged - 1 : shown - 1;
    return shown;
}

mode_t PermissionTables::execute(mode_t mode, bool allowed)
{
    return allowed ? mode | executeBits : mode & ~executeBits;
}

mode_t PermissionTables::executeWhereSensible(mode_t mode)
{
    return S_ISDIR(mode) || (mode & executeBits) ? mode | executeBits : mode;
}
