// SPDX-License-Identifier: GPL-2.0-or-later
#include "DesktopTools.h"

#include "NewFiles.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace {

const QString archiveManager = QStringLiteral("file-roller");
const QString archiver = QStringLiteral("tar");
const QString keyTool = QStringLiteral("seahorse-tool");
const QString shareTool = QStringLiteral("shares-admin");
const QString rightsTool = QStringLiteral("pkexec");

// What tar unpacks by itself, compressed or not.
const QStringList tarTypes = { QStringLiteral("application/x-tar"), QStringLiteral("application/x-gtar"),
    QStringLiteral("application/x-compressed-tar"), QStringLiteral("application/x-bzip-compressed-tar"),
    QStringLiteral("application/x-xz-compressed-tar") };

// Members keep the names the archive gives them, below the folder, with the
// user's own ownership and umask: an archive from a device decides neither
// who owns what it holds nor which programs run set-user-ID.
const QStringList safeExtraction
    = { QStringLiteral("--no-same-owner"), QStringLiteral("--no-same-permissions") };

// The name of an archive without its extension, ".tar.gz" as a whole.
QString stemOf(const QFileInfo &archive)
{
    QString stem = archive.completeBaseName();
    if (stem.endsWith(QLatin1String(".tar")))
        stem.chop(4);
    return stem.isEmpty() ? archive.fileName() : stem;
}

} // namespace

bool DesktopTools::isInstalled(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

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

bool DesktopTools::canCompress()
{
    return isInstalled(archiveManager) || isInstalled(archiver);
}

void DesktopTools::compress(const QString &path)
{
    if (start(archiveManager, { QStringLiteral("-d"), path }))
        return;
    const QFileInfo item(path);
    // Taken here, exclusively: tar then writes into a file of ours.
    const QString archive
        = NewFiles::createEmpty(item.absolutePath(), item.fileName(), QStringLiteral(".tar"));
    if (!archive.isEmpty()) {
        start(archiver,
            { QStringLiteral("-cf"), archive, QStringLiteral("-C"), item.absolutePath(), QStringLiteral("--"),
                item.fileName() });
    }
}

bool DesktopTools::canExtract(const QString &contentType)
{
    return isInstalled(archiveManager) || (tarTypes.contains(contentType) && isInstalled(archiver));
}

void DesktopTools::extract(const QString &path)
{
    if (start(archiveManager, { QStringLiteral("-h"), path }))
        return;
    const QFileInfo archive(path);
    // Without -P, tar strips a leading "/" and skips members with "..", and
    // it writes through no link it made itself: every member stays below
    // the new folder.
    const QString folder = NewFiles::createFolder(archive.absolutePath(), stemOf(archive));
    if (!folder.isEmpty())
        start(archiver, QStringList { QStringLiteral("-xf"), archive.absoluteFilePath() } + safeExtraction,
            folder);
}

bool DesktopTools::canSign()
{
    return isInstalled(keyTool);
}

void DesktopTools::encrypt(const QVector<QString> &paths)
{
    start(keyTool, withPaths(QStringLiteral("-e"), paths));
}

void DesktopTools::sign(const QVector<QString> &paths)
{
    start(keyTool, withPaths(QStringLiteral("-s"), paths));
}

bool DesktopTools::canShare()
{
    return isInstalled(shareTool) && (geteuid() == 0 || isInstalled(rightsTool));
}

void DesktopTools::share(const QString &folder)
{
    const QStringList command = { shareTool, QLatin1String("--add-share=") + folder };
    if (geteuid() == 0)
        start(command.first(), command.mid(1));
    else
        start(rightsTool, command);
}
