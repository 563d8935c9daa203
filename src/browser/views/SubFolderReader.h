// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Reads a folder's directory entries for sub-folders as a listing of
// QDir::Dirs | QDir::NoDotAndDotDot shows them: not hidden, and links to
// folders included. The entry types spare a status call per entry, and the
// files of a folder of thousands of files cost no string at all.
class SubFolderReader
{
public:
    // Whether folder holds a sub-folder, read only up to the first one;
    // false when the folder cannot be read.
    static bool holdsSubFolder(const QString &folder);
};
