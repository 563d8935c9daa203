// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's storage accounting: category folders and extension lists,
// readiness of the device, its model name, and the measurement of how its
// capacity is used.
#include "engine/TL09Engine.h"

#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "base/SessionCommands.h"

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

bool fileSystemStatistics(struct statvfs *statistics)
{
    // Without a device the statistics would be those of whatever "/." is.
    const QString root = mountPoint();
    if (root.isEmpty())
        return false;
    return statvfs(QFile::encodeName(root + QLatin1String("/.")).constData(), statistics) == 0;
}

} // namespace

QStringList TL09Engine::documentExtensions()
{
    return MediaCategories::documentExtensions();
}

QStringList TL09Engine::pictureExtensions()
{
    return MediaCategories::pictureExtensions();
}

QStringList TL09Engine::musicExtensions()
{
    return MediaCategories::musicExtensions();
}

QStringList TL09Engine::videoExtensions()
{
    return MediaCategories::videoExtensions();
}

QStringList TL09Engine::categoryNameFilters(int category)
{
    return MediaCategories::nameFilters(category);
}

QString TL09Engine::documentsFolder(int side)
{
    return MediaCategories::folder(side, DocumentsMode);
}

QString TL09Engine::picturesFolder(int side)
{
    return MediaCategories::folder(side, PicturesMode);
}

QString TL09Engine::musicFolder(int side)
{
    return MediaCategories::folder(side, MusicMode);
}

QString TL09Engine::videoFolder(int side)
{
    return MediaCategories::folder(side, MovieMode);
}

QString TL09Engine::categoryName(int category)
{
    return MediaCategories::fileWord(category);
}

bool TL09Engine::checkDeviceFolders()
{
    const QString root = mountPoint();
    if (root.isEmpty() || !QFileInfo(root).isReadable())
        return false;
    readOnly = false;
    // Built from the copy taken above, so that all four belong to the same
    // device even if it goes meanwhile.
    for (const int category : { PicturesMode, MovieMode, MusicMode, DocumentsMode }) {
        const QString folder = MediaCategories::deviceFolder(root, category);
        // The GUI's tick, the engine thread and the copy worker may all get
        // here at once: the folder another one has just made is no failure.
        if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder) && !QFileInfo(folder).isDir())
            readOnly = true;
    }
    return true;
}

quint64 TL09Engine::totalCapacity() const
{
    quint64 total;
    quint64 used;
    spaceUsage(&total, &used);
    return total;
}

quint64 TL09Engine::usedSpace() const
{
    quint64 total;
    quint64 used;
    spaceUsage(&total, &used);
    return used;
}

void TL09Engine::spaceUsage(quint64 *total, quint64 *used) const
{
    struct statvfs statistics;
    if (!fileSystemStatistics(&statistics)) {
        *total = *used = 0;
        return;
    }
    *total = quint64(statistics.f_blocks) * quint64(statistics.f_frsize);
    *used = (quint64(statistics.f_blocks) - quint64(statistics.f_bfree)) * quint64(statistics.f_frsize);
}

QString TL09Engine::deviceModel() const
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

void TL09Engine::resetCounters()
{
    videoBytes = musicBytes = picturesBytes = documentsBytes = 0;
    videoPercent = musicPercent = picturesPercent = documentsPercent = 0;
}

bool TL09Engine::collectData()
{
    resetCounters();
    if (!checkDeviceFolders() || !sumFolder(mountPoint()))
        return false;
    const quint64 capacity = totalCapacity();
    if (capacity == 0)
        return false;
    const auto percent = [capacity](qint64 bytes) { return double(bytes) / double(capacity) * 100.0; };
    videoPercent = percent(videoBytes);
    musicPercent = percent(musicBytes);
    picturesPercent = percent(picturesBytes);
    documentsPercent = percent(documentsBytes);
    // The main window reads the figures in its own thread, as one set.
    QMutexLocker locker(&m_sharesLock);
    m_shares = { picturesPercent, musicPercent, videoPercent, documentsPercent };
    return true;
}

TL09Engine::StorageShares TL09Engine::storageShares() const
{
    QMutexLocker locker(&m_sharesLock);
    return m_shares;
}

bool TL09Engine::sumFolder(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return false;
    if (info.isSymLink())
        return true;
    const int directory = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // An unreadable folder lists as empty.
    return directory < 0 || sumDirectory(directory);
}

// The walk works on directory descriptors with one lstat per entry, so it
// costs about what du costs, never follows a symbolic link, and is not
// bounded by the length of a path.
bool TL09Engine::sumDirectory(int directory)
{
    DIR *stream = fdopendir(directory);
    if (!stream) {
        close(directory);
        return true;
    }
    bool complete = true;
    while (const dirent *entry = readdir(stream)) {
        // Hidden entries, "." and ".." are not listed.
        if (entry->d_name[0] == '.') {
            if (m_sweepTemporaries)
                AsyncCopy::removeTemporary(dirfd(stream), entry->d_name);
            continue;
        }
        if (abortRequested) {
            complete = false;
            break;
        }
        countEntry(dirfd(stream), entry->d_name, entry->d_type);
    }
    closedir(stream);
    return complete;
}

void TL09Engine::countEntry(int directory, const char *name, unsigned char type)
{
    if (type == DT_DIR) {
        const int child = openat(directory, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child >= 0)
            sumDirectory(child);
        return;
    }
    if (type != DT_REG && type != DT_UNKNOWN)
        return;
    struct stat status;
    if (fstatat(directory, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISREG(status.st_mode))
        countFile(name, status.st_size);
    else if (type == DT_UNKNOWN && S_ISDIR(status.st_mode))
        countEntry(directory, name, DT_DIR);
}

void TL09Engine::countFile(const char *name, qint64 size)
{
    const MediaCategories::Categories categories = MediaCategories::ofSuffix(suffix(name));
    if (!categories)
        return;
    const qint64 counted = size == 0 ? 1 : size;
    if (categories & MediaCategories::Pictures)
        picturesBytes += counted;
    if (categories & MediaCategories::Videos)
        videoBytes += counted;
    if (categories & MediaCategories::Music)
        musicBytes += counted;
    if (categories & MediaCategories::Documents)
        documentsBytes += counted;
}
