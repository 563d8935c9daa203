// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

// Reads the sub-folders of a folder straight from its directory entries, as
// a listing of QDir::Dirs | QDir::NoDotAndDotDot shows them: not hidden, and
// links to folders included. The entry types spare a status call per entry,
// and the files of a folder of thousands of files cost no string at all;
// what is learnt of each folder is only its name.
class SubFolderReader
{
public:
    // Calls visit with each sub-folder's name, in directory order, until it
    // returns false. Returns false when the folder cannot be read.
    static bool read(const QString &folder, const std::function<bool(const QString &name)> &visit);
    // Whether folder holds a sub-folder, read only up to the first one.
    static bool holdsSubFolder(const QString &folder);
};
