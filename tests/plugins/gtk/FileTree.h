// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// What a paste left on the disk, in a form a test compares.
namespace FileTree {

// The file's content, or "(missing)".
QByteArray contentOf(const QString &path);
// Every entry below folder with its content ("/" for a folder, "->" and the
// target for a link), hidden entries included, sorted.
QStringList treeOf(const QString &folder);

} // namespace FileTree
