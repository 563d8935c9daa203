// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QVector>

// Reads a folder's directory entries for sub-folders as a listing of
// QDir::Dirs | QDir::NoDotAndDotDot shows them: not hidden, and links to
// folders included. The entry types spare a status call per entry, and the
// files of a folder of thousands of files cost no string at all.
class SubFolderReader
{
public:
    struct SubFolder
    {
        QString name;
        // A symbolic link to a folder, not a folder itself.
        bool link = false;
    };

    // Whether folder holds a sub-folder, read only up to the first one;
    // false when the folder cannot be read.
    static bool holdsSubFolder(const QString &folder);
    // folder's sub-folders, in directory order; none when the folder cannot
    // be read.
    static QVector<SubFolder> subFolders(const QString &folder);
    // The same, sorted by name (see NameOrder); any thread.
    static QVector<SubFolder> sortedSubFolders(const QString &folder);

private:
    static QVector<SubFolder> read(const QString &folder, bool firstOnly);
};
