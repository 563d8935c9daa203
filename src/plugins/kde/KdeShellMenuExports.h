// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QVector>
#include <QtGlobal>

class QTranslator;
class QWidget;

// The entry points that OpaloSync looks up by plain name in
// libKdeShellMenu.so. A selection passed "by value" arrives as the address of
// the caller's temporary copy, which is what the pointer and reference
// parameters below receive. The caller's widget given to the keyboard
// commands is not used: the operations outlive it.
extern "C" {

// Result codes of KDEshowContextMenu; anything else the menu did was carried
// out by the plug-in itself and is reported as -1.
enum KdeMenuResult : int {
    KdeMenuPasted = '2',
    KdeMenuCut = '3',
    KdeMenuCopied = '4',
    KdeMenuNothingToDo = -1,
};

Q_DECL_EXPORT void linguistKDEContextMenu(QTranslator *translator);
Q_DECL_EXPORT int KDEshowContextMenu(
    QPoint pos, QVector<QString> &paths, bool isFileSelection, QWidget **menuOut);
Q_DECL_EXPORT void KDEcopy_file(QVector<QString> *paths, QWidget *caller);
Q_DECL_EXPORT void KDEcut(QVector<QString> *paths, QWidget *caller);
Q_DECL_EXPORT void KDEpaste(QVector<QString> &paths, QWidget *parent);
Q_DECL_EXPORT void KDEtrash(QVector<QString> *paths, QWidget *caller);
Q_DECL_EXPORT void KDEdel(QVector<QString> *paths, QWidget *caller);
Q_DECL_EXPORT void KDErename_file(QVector<QString> *paths, QWidget *caller);
Q_DECL_EXPORT void KDEopen_file(QString &path, QWidget *window);
}
