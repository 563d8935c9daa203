// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FolderLister.h"

#include "base/FileNameMatcher.h"

#include "browser/views/IconProvider.h"

#include <QFile>
#include <QThread>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Entries read between two looks at whether the listing is still wanted.
constexpr int checkEvery = 512;
// Entries from which two threads share the looks and the sorting.
constexpr int sharedFrom = 256;

// Runs own on this thread and other on a thread of its own, and returns when
// both are done; other runs here too when no thread can start.
void runBeside(const std::function<void()> &own, const std::function<void()> &other)
{
    const std::unique_ptr<QThread> thread(QThread::create(other));
    thread->start();
    own();
    thread->wait();
    if (!thread->isFinished())
        other();
}

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
    sortShared(&entries, arrangement);

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
    // The names first, one after another, then a look at each entry.
    QByteArray names;
    QVector<int> starts;
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
        starts.append(names.size());
        names.append(found->d_name, int(qstrlen(found->d_name)) + 1);
    }
    if (wanted)
        *entries = lookAll(::dirfd(dir), names, starts);
    ::closedir(dir);
    for (FolderEntry &entry : *entries) {
        entry.type = typeOf(folder, entry);
        order.prepare(entry);
    }
    return wanted;
}

FolderEntries FolderLister::lookAll(int folder, const QByteArray &names, const QVector<int> &starts)
{
    // The looks cost most of a listing: two threads share them. An entry
    // gone meanwhile, or no longer a file or folder, keeps no name.
    FolderEntries looked(starts.size());
    FolderEntry *const entries = looked.data();
    const auto lookAt = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            const char *name = names.constData() + starts.at(i);
            if (look(folder, name, entries + i))
                entries[i].name = QFile::decodeName(name);
        }
    };
    const int count = starts.size();
    if (count < sharedFrom) {
        // A small folder is looked at sooner than a thread starts.
        lookAt(0, count);
    } else {
        const int half = count / 2;
        runBeside([&] { lookAt(0, half); }, [&] { lookAt(half, count); });
    }
    looked.erase(std::remove_if(looked.begin(), looked.end(),
                     [](const FolderEntry &entry) { return entry.name.isEmpty(); }),
        looked.end());
    return looked;
}

void FolderLister::sortShared(FolderEntries *entries, const FolderOrder &order)
{
    FolderEntries::iterator first = entries->begin();
    FolderEntries::iterator last = entries->end();
    if (entries->size() < sharedFrom) {
        std::sort(first, last, order);
        return;
    }
    // The second half on a thread of its own, with its own collator: a
    // collator is not to be shared between threads.
    const FolderEntries::iterator middle = first + entries->size() / 2;
    runBeside([&] { std::sort(first, middle, order); },
        [&] { std::sort(middle, last, FolderOrder(order.column(), order.order())); });
    std::inplace_merge(first, middle, last, order);
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
