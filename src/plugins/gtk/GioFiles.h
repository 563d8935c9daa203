// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <gio/gio.h>

// Local paths as GIO files, for what GIO does for the plug-in: the trash,
// links, mounts, content types and applications.
class GioFiles
{
public:
    static GFile *fileAt(const QString &path);
    static GFileType typeOf(GFile *file);
    // Whether anything is at path, a dangling link included.
    static bool exists(const QString &path);
};
