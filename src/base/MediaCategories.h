// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

// The four media categories the panes show, numbered as FileBrowserMode:
// which files belong to each, and which folder keeps them on the PC and on
// the device. The lists, the copy and the storage accounting all take their
// categories from here.
namespace MediaCategories {

enum Category { Documents = 1, Pictures = 2, Music = 4, Videos = 8 };
Q_DECLARE_FLAGS(Categories, Category)

// The file-name extensions of each category, without the dot. Letter case
// never matters: "photo.JPEG" is a picture wherever it is met.
QStringList documentExtensions();
QStringList pictureExtensions();
QStringList musicExtensions();
QStringList videoExtensions();
// "*." and each extension of category; empty for a number that is none.
QStringList nameFilters(int category);
// The flag of a category numbered as FileBrowserMode; none for another number.
Category flagOf(int category);
// The categories a file-name suffix (what follows the last dot) belongs to,
// in any letter case; none for an unknown one.
Categories ofSuffix(const QString &suffix);

// The name of the category's folders, in the program's language.
QString folderName(int category);
// The category's folder on the PC (side HostMode) or on the device
// (ExternalDeviceMode); null for any other side.
QString folder(int side, int category);
// On the PC, the desktop's own folder for the category (the user's folders,
// ~/.config/user-dirs.dirs), created when missing.
QString hostFolder(int category);
// On the device mounted at root, the folder of the category already there,
// in whatever language made it (letter case aside), else the one named in
// the program's language. Nothing is created here.
QString deviceFolder(const QString &root, int category);
// The names a category's folder may have: the program's language first,
// then English, then every other catalogue's.
QStringList knownFolderNames(int category);
// The word naming the category's files in messages ("image").
QString fileWord(int category);

} // namespace MediaCategories

Q_DECLARE_OPERATORS_FOR_FLAGS(MediaCategories::Categories)
