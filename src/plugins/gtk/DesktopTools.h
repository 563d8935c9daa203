// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The desktop's own tools that the menu starts. Each is started from an
// argument vector, never through a shell, so a path is only ever a path
// whatever it holds; none is waited for. The menu offers a tool's entries
// only while the tool is installed: each is looked up on PATH when asked.
class DesktopTools
{
public:
    static void browse(const QString &folder);

    // The archive manager's dialogs or, where it is missing, tar: a new
    // archive under a name nothing has yet ("NAME.tar", else "NAME n.tar"),
    // or the archive's members unpacked into a new folder named after it,
    // none of them outside it.
    static bool canCompress();
    static void compress(const QString &path);
    static bool canExtract(const QString &contentType);
    static void extract(const QString &path);

    static bool canSign();
    static void encrypt(const QVector<QString> &paths);
    static void sign(const QVector<QString> &paths);

    // The super-user shares directly; anyone else asks for the rights
    // through polkit.
    static bool canShare();
    static void share(const QString &folder);

private:
    static bool isInstalled(const QString &program);
    static bool start(
        const QString &program, const QStringList &arguments, const QString &folder = QString());
    static QStringList withPaths(const QString &option, const QVector<QString> &paths);
};
