// SPDX-License-Identifier: GPL-2.0-or-later
// A stand-in for both context-menu plug-ins that records every call it
// receives, for the tests of the program's side of the contract. Built as
// libgtkShellMenu.so and libKdeShellMenu.so in a folder of their own, and,
// with RECORDING_LINGUIST_ONLY, as libraries that lack every operation.
#include "plugins/ShellMenuApi.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

namespace {

QStringList &calls()
{
    static QStringList list;
    return list;
}

int &menuCode()
{
    static int code = -1;
    return code;
}

struct Hook
{
    void (*run)(void *context) = nullptr;
    void *context = nullptr;
};

Hook &menuHook()
{
    static Hook hook;
    return hook;
}

QPointer<QWidget> &popup()
{
    static QPointer<QWidget> widget;
    return widget;
}

[[maybe_unused]] QString listed(const QVector<QString> &paths)
{
    return QLatin1Char('[') + QStringList(paths.toList()).join(QLatin1Char(',')) + QLatin1Char(']');
}

[[maybe_unused]] QString classOf(const QWidget *widget)
{
    return widget ? QString::fromLatin1(widget->metaObject()->className()) : QStringLiteral("null");
}

void record(const QStringList &call)
{
    calls().append(call.join(QLatin1Char(' ')));
}

// What a menu does while it is open, such as the window going away.
[[maybe_unused]] void runMenuHook()
{
    if (menuHook().run)
        menuHook().run(menuHook().context);
}

} // namespace

extern "C" {

Q_DECL_EXPORT QStringList *recordedCalls()
{
    return &calls();
}

Q_DECL_EXPORT void setMenuCode(int code)
{
    menuCode() = code;
}

Q_DECL_EXPORT void setMenuHook(void (*run)(void *context), void *context)
{
    menuHook() = { run, context };
}

Q_DECL_EXPORT QWidget *lastPopup()
{
    return popup();
}

Q_DECL_EXPORT void linguistGtkShellMenu(QTranslator *translator)
{
    record({ QStringLiteral("linguistGtkShellMenu") });
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator);
}

Q_DECL_EXPORT void linguistKDEContextMenu(QTranslator *translator)
{
    record({ QStringLiteral("linguistKDEContextMenu") });
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator);
}

#ifndef RECORDING_LINGUIST_ONLY

Q_DECL_EXPORT int ShowGtkShellMenu(int x, int y, QVector<QString> files, bool onItems, int sortBy,
    int iconWidth, int iconHeight, QWidget *parent)
{
    record({ QStringLiteral("ShowGtkShellMenu"), QStringLiteral("%1,%2").arg(x).arg(y), listed(files),
        QString::number(onItems), QString::number(sortBy), QString::number(iconWidth),
        QString::number(iconHeight), classOf(parent) });
    runMenuHook();
    return menuCode();
}

Q_DECL_EXPORT void copy(QVector<QString> files)
{
    record({ QStringLiteral("copy"), listed(files) });
}

Q_DECL_EXPORT void cut(QVector<QString> files)
{
    record({ QStringLiteral("cut"), listed(files) });
}

Q_DECL_EXPORT void paste(QString path)
{
    record({ QStringLiteral("paste"), path });
}

Q_DECL_EXPORT void createFolder(QString path)
{
    record({ QStringLiteral("createFolder"), path });
}

Q_DECL_EXPORT void makeLink(QString path)
{
    record({ QStringLiteral("makeLink"), path });
}

Q_DECL_EXPORT void moveToTrash(QVector<QString> files, QWidget *caller)
{
    record({ QStringLiteral("moveToTrash"), listed(files), classOf(caller) });
}

Q_DECL_EXPORT qint32 KDEshowContextMenu(
    QPoint pos, QVector<QString> paths, bool isFileSelection, QWidget **menuOut)
{
    record({ QStringLiteral("KDEshowContextMenu"), QStringLiteral("%1,%2").arg(pos.x()).arg(pos.y()),
        listed(paths), QString::number(isFileSelection) });
    popup() = new QWidget;
    popup()->show();
    *menuOut = popup();
    runMenuHook();
    return menuCode();
}

Q_DECL_EXPORT void KDEopen_file(QString &path, QWidget *window)
{
    record({ QStringLiteral("KDEopen_file"), path, classOf(window) });
}

Q_DECL_EXPORT void KDEpaste(QVector<QString> &paths, QWidget *parent)
{
    record({ QStringLiteral("KDEpaste"), listed(paths), classOf(parent) });
}

#define RECORDING_KDE_OPERATION(name)                                                                        \
    Q_DECL_EXPORT void name(QVector<QString> *paths, QWidget *caller)                                        \
    {                                                                                                        \
        record({ QStringLiteral(#name), listed(*paths), classOf(caller) });                                  \
    }

RECORDING_KDE_OPERATION(KDEcopy_file)
RECORDING_KDE_OPERATION(KDEcut)
RECORDING_KDE_OPERATION(KDErename_file)
RECORDING_KDE_OPERATION(KDEdel)
RECORDING_KDE_OPERATION(KDEtrash)

#endif

} // extern "C"
