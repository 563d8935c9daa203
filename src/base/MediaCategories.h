// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The four media categories the panes show, numbered as FileBrowserMode:
// which files belong to each, and which folder keeps them on the PC and on
// the device. The lists, the copy and the storage accounting all take their
// categories from here.
namespace MediaCategories {

// The file-name extensions of each category, without the dot. The
// accounting compares a lower-cased suffix; the lists' name filters ignore
// case.
QStringList documentExtensions();
QStringList pictureExtensions();
QStringList musicExtensions();
QStringList videoExtensions();
// "*." and each extension of category; empty for a number that is none.
QStringList nameFilters(int category);

// The name of the category's folders, in the program's language.
QString folderName(int category);
// The category's folder on the PC (side HostMode) or on the device
// (ExternalDeviceMode), named in the program's language; null for any other
// side. The PC's folder is created when missing.
QString folder(int side, int category);
// The word naming the category's files in messages ("image").
QString fileWord(int category);

} // namespace MediaCategories
