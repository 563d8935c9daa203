// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/storage/StorageAccounting.h"

#include "base/BrowserMode.h"
#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "engine/storage/StorageWalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A model line longer than this is not a model name; the cap keeps a broken
// marker file from being read whole.
const qint64 maxModelLineLength = 4096;

} // namespace

StorageAccounting::StorageAccounting(const std::atomic<bool> &abortRequested)
    : m_abortRequested(abortRequested)
{ }

StorageAccounting::Readiness StorageAccounting::checkDeviceFolders() const
{
    const QString root = mountPoint();
    if (root.isEmpty() || !QFileInfo(root).isReadable())
        return Readiness::NoDevice;
    struct statvfs mounted;
    if (::statvfs(QFile::encodeName(root).constData(), &mounted) == 0 && (mounted.f_flag & ST_RDONLY))
        return Readiness::MountedReadOnly;
    // Built from the copy taken above, so that all four belong to the same
    // device even if it goes meanwhile.
    Readiness readiness = Readiness::Ready;
    for (const int category : { PicturesMode, MovieMode, MusicMode, DocumentsMode }) {
        const QString folder = MediaCategories::deviceFolder(root, category);
        // The GUI's tick, the engine thread and the copy worker may all get
        // here at once: the folder another one has just made is no failure.
        if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder) && !QFileInfo(folder).isDir())
            readiness = Readiness::ReadOnly;
    }
    return readiness;
}

bool StorageAccounting::spaceUsage(quint64 *total, quint64 *used) const
{
    *total = *used = 0;
    // Without a device the statistics would be those of whatever "/." is.
    const QString root = mountPoint();
    struct statvfs statistics;
    if (root.isEmpty()
        || statvfs(QFile::encodeName(root + QLatin1String("/.")).constData(), &statistics) != 0)
        return false;
    *total = quint64(statistics.f_blocks) * quint64(statistics.f_frsize);
    *used = (quint64(statistics.f_blocks) - quint64(statistics.f_bfree)) * quint64(statistics.f_frsize);
    return true;
}

QString StorageAccounting::deviceModel() const
{
    const QString root = mountPoint();
    if (root.isEmpty())
        return QString();
    QFile marker(root + QLatin1String("/.opalo"));
    if (!marker.open(QIODevice::ReadOnly))
        return QString();
    const QString line = QString::fromLocal8Bit(marker.readLine(maxModelLineLength));
    if (line.contains(QLatin1String("Pico")))
        return QStringLiteral("Pico HD");
    if (line.contains(QLatin1String("Magno")))
        return QStringLiteral("MG HD");
    return line;
}

bool StorageAccounting::sumFolder(const QString &path, CategoryBytes *bytes) const
{
    const QFileInfo info(path);
    if (!info.isDir())
        return false;
    if (info.isSymLink())
        return true;
    const int folder = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // An unreadable folder lists as empty.
    return folder < 0 || StorageWalk(m_abortRequested).run(folder, bytes);
}
