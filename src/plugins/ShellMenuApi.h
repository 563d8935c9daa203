// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QVector>

class QTranslator;
class QWidget;

// The functions the context-menu plug-ins export under plain names, with the
// types the program calls them through. Both the program and the plug-ins
// include this header, so a change of signature breaks the build rather than
// the stack.
//
// A QVector or QString taken by value travels as the address of the caller's
// temporary copy, which is why the KDE operations may take a pointer or a
// reference where the program passes a copy.
namespace ShellMenuApi {

// libgtkShellMenu.so
using Linguist = void (*)(QTranslator *translator);
// Returns a command code for the pane: sorting 0-3, zoom 10-12, new folder
// 13, rename 20, link made 30, paste done 50, cut 51, -1 nothing to do.
using ShowGtkShellMenu = int (*)(int x, int y, QVector<QString> files, bool onItems, int sortBy,
    int iconWidth, int iconHeight, QWidget *parent);
// copy, cut
using FilesOperation = void (*)(QVector<QString> files);
// paste, createFolder, makeLink
using PathOperation = void (*)(QString path);
using MoveToTrash = void (*)(QVector<QString> files, QWidget *caller);

// libKdeShellMenu.so
// Stores the popup menu it shows in *menuOut; returns '3' cut, '4' copy,
// '2' paste, -1 anything else.
using KdeShowContextMenu
    = qint32 (*)(QPoint pos, QVector<QString> paths, bool isFileSelection, QWidget **menuOut);
// KDEcopy_file, KDEcut, KDErename_file, KDEdel, KDEtrash
using KdeFilesOperation = void (*)(QVector<QString> *paths, QWidget *caller);
using KdePaste = void (*)(QVector<QString> &paths, QWidget *parent);
using KdeOpenFile = void (*)(QString &path, QWidget *window);

// Command codes of the KDE popup.
constexpr qint32 kdeCut = '3';
constexpr qint32 kdeCopy = '4';
constexpr qint32 kdePaste = '2';

} // namespace ShellMenuApi
