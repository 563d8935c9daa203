// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The desktop's own tools that the menu starts. Each is started from an
// argument vector, never through a shell, so a path is only ever a path
// whatever it holds; none is waited for.
class DesktopTools
{
public:
    static void browse(const QString &folder);
    // The archive manager's dialogs, or a plain tar archive beside the item
    // (or its contents unpacked beside it) when the manager cannot be
    // started at all.
    static void compress(const QString &path);
    static void extract(const QString &path);
    static void encrypt(const QVector<QString> &paths);
    static void sign(const QVector<QString> &paths);
    // The super-user shares directly; anyone else asks for the rights
    // through polkit.
    static void share(const QString &folder);

private:
    static bool start(
        const QString &program, const QStringList &arguments, const QString &folder = QString());
    static QStringList withPaths(const QString &option, const QVector<QString> &paths);
};
