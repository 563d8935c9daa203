// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FolderLister.h"

#include "base/FileNameMatcher.h"

#include "browser/views/IconProvider.h"

#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Entries read between two looks at whether the listing is still wanted.
constexpr int checkEvery = 512;

} // namespace

FolderLister::FolderLister(QObject *parent)
    : QObject(parent)
{ }

void FolderLister::list(quint64 generation, const QString &folder, const QStringList &patterns, int column,
    Qt::SortOrder order, bool fresh)
{
    if (abandoned(generation))
        return;
    const FolderOrder arrangement(column, order);
    FolderEntries entries;
    if (!read(folder, generation, arrangement, &entries))
        return;
    std::sort(entries.begin(), entries.end(), arrangement);

    FolderListing listing;
    listing.generation = generation;
    listing.fresh = fresh;
    listing.column = column;
    listing.order = order;
    listing.byName.reserve(entries.size());
    const FileNameMatcher matcher(patterns);
    for (const FolderEntry &entry : qAsConst(entries)) {
        listing.byName.insert(entry.name, entry);
        if (entry.folder || matcher.matches(entry.name))
            listing.shown.append(entry);
    }
    listing.patterns = patterns;
    listing.entries = entries;
    emit listed(listing);
}

bool FolderLister::read(
    const QString &folder, quint64 generation, const FolderOrder &order, FolderEntries *entries)
{
    // O_DIRECTORY: anything but a folder is refused before it is opened.
    const int descriptor
        = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return true;
    DIR *dir = ::fdopendir(descriptor);
    if (!dir) {
        ::close(descriptor);
        return true;
    }
    int count = 0;
    bool wanted = true;
    while (const dirent64 *found = ::readdir64(dir)) {
        if (++count % checkEvery == 0 && abandoned(generation)) {
            wanted = false;
            break;
        }
        // Hidden entries, "." and "..", as the toolkit's file model leaves
        // them out; links by the type the folder records, when it does.
        if (found->d_name[0] == '.'
            || (found->d_type != DT_REG && found->d_type != DT_DIR && found->d_type != DT_UNKNOWN))
            continue;
        FolderEntry entry;
        if (!look(::dirfd(dir), found->d_name, &entry))
            continue;
        entry.name = QFile::decodeName(found->d_name);
        entry.type = typeOf(folder, entry);
        order.prepare(entry);
        entries->append(entry);
    }
    ::closedir(dir);
    return wanted;
}

bool FolderLister::look(int folder, const char *name, FolderEntry *entry)
{
    struct statx status;
    if (::statx(folder, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE | STATX_SIZE | STATX_MTIME,
            &status)
        != 0)
        return false;
    entry->folder = S_ISDIR(status.stx_mode);
    entry->size = entry->folder ? 0 : qint64(status.stx_size);
    entry->modified = qint64(status.stx_mtime.tv_sec) * 1000 + status.stx_mtime.tv_nsec / 1000000;
    return entry->folder || S_ISREG(status.stx_mode);
}

QString FolderLister::typeOf(const QString &folder, const FolderEntry &entry)
{
    // As the toolkit's icon provider names it, asked once per suffix; a
    // suffix never holds "/".
    const int dot = entry.name.lastIndexOf(QLatin1Char('.'));
    const QString key = entry.folder ? QStringLiteral("/") : dot < 0 ? QString() : entry.name.mid(dot + 1);
    const auto known = m_types.constFind(key);
    if (known != m_types.cend())
        return *known;
    return *m_types.insert(
        key, IconProvider::shared()->type(QFileInfo(folder + QLatin1Char('/') + entry.name)));
}
