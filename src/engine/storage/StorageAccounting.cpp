// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/storage/StorageAccounting.h"

#include "base/BrowserMode.h"
#include "base/DeviceState.h"
#include "base/MediaCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// A model line longer than this is not a model name; the cap keeps a broken
// marker file from being read whole.
const qint64 maxModelLineLength = 4096;

// The suffix as QFileInfo::suffix() has it: what follows the last dot.
QString suffix(const char *name)
{
    const char *dot = std::strrchr(name, '.');
    return dot ? QFile::decodeName(dot + 1) : QString();
}

// What a file takes on the disk: its size, or less for a sparse file (a
// 1 TiB file of holes takes nothing), and 1 for one that takes nothing.
qint64 countedSize(const struct stat &status)
{
    const qint64 taken = qMin<qint64>(status.st_size, qint64(status.st_blocks) * 512);
    return taken > 0 ? taken : 1;
}

void countFile(const char *name, const struct stat &status, CategoryBytes *bytes)
{
    const MediaCategories::Categories categories = MediaCategories::ofSuffix(suffix(name));
    if (!categories)
        return;
    const qint64 counted = countedSize(status);
    if (categories & MediaCategories::Pictures)
        bytes->pictures += counted;
    if (categories & MediaCategories::Videos)
        bytes->video += counted;
    if (categories & MediaCategories::Music)
        bytes->music += counted;
    if (categories & MediaCategories::Documents)
        bytes->documents += counted;
}

} // namespace

StorageAccounting::StorageAccounting(const std::atomic<bool> &abortRequested)
    : m_abortRequested(abortRequested)
{ }

StorageAccounting::Readiness StorageAccounting::checkDeviceFolders() const
{
    const QString root = mountPoint();
    if (root.isEmpty() || !QFileInfo(root).isReadable())
        return Readiness::NoDevice;
    // Built from the copy taken above, so that all four belong to the same
    // device even if it goes meanwhile.
    Readiness readiness = Readiness::Ready;
    for (const int category : { PicturesMode, MovieMode, MusicMode, DocumentsMode }) {
        const QString folder = root + QLatin1Char('/') + MediaCategories::folderName(category);
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
    const int directory = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // An unreadable folder lists as empty.
    return directory < 0 || sumDirectory(directory, bytes);
}

// The walk works on directory descriptors with one lstat per entry, so it
// costs about what du costs, never follows a symbolic link, and is not
// bounded by the length of a path.
bool StorageAccounting::sumDirectory(int directory, CategoryBytes *bytes) const
{
    DIR *stream = fdopendir(directory);
    if (!stream) {
        close(directory);
        return true;
    }
    bool complete = true;
    while (const dirent *entry = readdir(stream)) {
        // Hidden entries, "." and ".." are not listed.
        if (entry->d_name[0] == '.')
            continue;
        if (m_abortRequested) {
            complete = false;
            break;
        }
        countEntry(dirfd(stream), entry->d_name, entry->d_type, bytes);
    }
    closedir(stream);
    return complete;
}

void StorageAccounting::countEntry(
    int directory, const char *name, unsigned char type, CategoryBytes *bytes) const
{
    if (type == DT_DIR) {
        const int child = openat(directory, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child >= 0)
            sumDirectory(child, bytes);
        return;
    }
    if (type != DT_REG && type != DT_UNKNOWN)
        return;
    struct stat status;
    if (fstatat(directory, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISREG(status.st_mode))
        countFile(name, status, bytes);
    else if (type == DT_UNKNOWN && S_ISDIR(status.st_mode))
        countEntry(directory, name, DT_DIR, bytes);
}
