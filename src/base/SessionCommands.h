// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <sys/types.h>

// Probes of the running desktop and the user, and the recursive mode change.

// 4 for a session of KDE 4 or later (Plasma 5 and 6 included), 3 for an older
// KDE session, 0 otherwise.
int kdeSessionVersion();

// Whether the program runs with the super-user's rights.
bool isRootUser();

struct FileOwner
{
    uid_t uid;
    gid_t gid;
};

// Who must own what the program creates at path: the owner of the home
// folder path lies in, when the super-user writes into another user's home;
// nobody in particular otherwise.
std::optional<FileOwner> homeOwnerOf(const QString &path);

// mode with write permission added for owner, group and others.
mode_t withWriteForAll(mode_t mode);

// Adds write permission for owner, group and others to path and, for a
// folder, to everything below it. Symbolic links are neither changed nor
// followed, and no shell sees the path.
void setWritableRecursive(const QString &path);

// The permission bits an entry gets from those it has.
using ModeChange = std::function<mode_t(mode_t mode)>;
// Changes the mode of path and, for a folder, of everything below it, in the
// same way as setWritableRecursive().
void changeModeRecursive(const QString &path, const ModeChange &change);

// Escapes blanks and parentheses with a backslash, for text that is shown as
// a shell would read it.
void shellEscapePath(QString &path);

// Whether a process whose name contains name is running, from the first line
// of each /proc/<pid>/status.
bool isProcessRunning(const QString &name);
