// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <gio/gio.h>

// Copies or moves one item (a file, a link or a whole folder) onto a target
// through GIO, which copies single files only; folders are walked here.
//
// Nothing at the target is lost when a transfer fails: the item is written
// beside the target under a hidden temporary name and takes the target's
// place only once it is complete (an existing folder is set aside until
// then). A move removes its source only after that, so a move across file
// systems that fails half-way leaves the source whole.
class GioTransfer
{
public:
    // Returns the error of the step that failed (the caller frees it), or
    // null once the item is in place.
    static GError *transfer(GFile *source, GFile *target, bool move);

    static GFile *fileAt(const QString &path);
    static GFileType typeOf(GFile *file);
    // Whether anything is at path, a dangling link included.
    static bool exists(const QString &path);
    // Removes a file, a link or a folder with everything in it.
    static bool removeTree(GFile *file, GError **error);

private:
    static GFile *besideTarget(GFile *target, const char *purpose);
    // Calls visit for each entry of folder, links not followed, until it
    // fails.
    template<typename Visit> static bool forEachChild(GFile *folder, GError **error, Visit visit);
    static bool copyTree(GFile *source, GFile *target, GError **error);
    static bool putInPlace(GFile *part, GFile *target, GError **error);
};
