// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/stat.h>

// Where a pasted item may not go, whichever desktop's menu pastes it: a
// folder never into itself or a folder inside it, nor over a folder that
// holds it (which would replace the source itself). Folders are compared by
// device and inode, so that a link, or another spelling of a path, changes
// nothing.
namespace PasteRefusal {

enum Reason { None, IntoItself, OverItsFolder };

// The entry name of the open folder, pasted into the open folder
// destination.
Reason of(int folder, const QByteArray &name, int destination);
// The same for paths; links in them are followed, as the user named them.
Reason of(const QString &source, const QString &destinationFolder);

bool sameFile(const struct stat &one, const struct stat &other);
// The folder and each folder above it, up to the root, as the file system
// sees them.
QList<struct stat> foldersUpFrom(int folder);

} // namespace PasteRefusal
