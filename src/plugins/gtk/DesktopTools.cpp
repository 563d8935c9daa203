// SPDX-License-Identifier: GPL-2.0-or-later
#include "DesktopTools.h"

#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace {

const QString archiveManager = QStringLiteral("file-roller");
const QString archiver = QStringLiteral("tar");
const QString keyTool = QStringLiteral("seahorse-tool");

} // namespace

bool DesktopTools::start(const QString &program, const QStringList &arguments, const QString &folder)
{
    return QProcess::startDetached(program, arguments, folder);
}

QStringList DesktopTools::withPaths(const QString &option, const QVector<QString> &paths)
{
    QStringList arguments(option);
    for (const QString &path : paths)
        arguments.append(path);
    return arguments;
}

void DesktopTools::browse(const QString &folder)
{
    start(QStringLiteral("xdg-open"), { folder });
}

void DesktopTools::compress(const QString &path)
{
    if (!start(archiveManager, { QStringLiteral("-d"), path }))
        start(archiver, { QStringLiteral("-cvPf"), path + QLatin1String(".tar"), path });
}

void DesktopTools::extract(const QString &path)
{
    // "Extract Here": relative members land beside the archive.
    if (!start(archiveManager, { QStringLiteral("-h"), path }))
        start(archiver, { QStringLiteral("-xvPf"), path }, QFileInfo(path).absolutePath());
}

void DesktopTools::encrypt(const QVector<QString> &paths)
{
    start(keyTool, withPaths(QStringLiteral("-e"), paths));
}

void DesktopTools::sign(const QVector<QString> &paths)
{
    start(keyTool, withPaths(QStringLiteral("-s"), paths));
}

void DesktopTools::share(const QString &folder)
{
    const QStringList command = { QStringLiteral("shares-admin"), QLatin1String("--add-share=") + folder };
    if (geteuid() == 0)
        start(command.first(), command.mid(1));
    else
        start(QStringLiteral("pkexec"), command);
}
