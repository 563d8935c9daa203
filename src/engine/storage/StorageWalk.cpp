// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/storage/StorageWalk.h"

#include "base/BrowserMode.h"
#include "base/MediaCategories.h"

#include <QThread>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

// Entries read at once from a folder: a few hundred.
const size_t listingSize = 32768;
const int maxThreads = 4;
// Longer suffixes belong to no category.
const size_t maxSuffix = 15;

// The categories of a file-name suffix in lower-case ASCII, looked up by
// the walk without making a string of each name.
struct Suffix
{
    char name[maxSuffix + 1];
    MediaCategories::Categories categories;
};

bool operator<(const Suffix &suffix, const char *name)
{
    return std::strcmp(suffix.name, name) < 0;
}

std::vector<Suffix> buildSuffixes()
{
    std::vector<Suffix> suffixes;
    for (const int category : { DocumentsMode, PicturesMode, MusicMode, MovieMode }) {
        for (const QString &extension : MediaCategories::nameFilters(category)) {
            const QByteArray name = extension.mid(2).toLower().toLatin1();
            const auto found = std::find_if(suffixes.begin(), suffixes.end(),
                [&name](const Suffix &suffix) { return name == suffix.name; });
            if (found != suffixes.end()) {
                found->categories |= MediaCategories::flagOf(category);
            } else if (size_t(name.size()) <= maxSuffix) {
                Suffix suffix {};
                std::memcpy(suffix.name, name.constData(), size_t(name.size()));
                suffix.categories = MediaCategories::flagOf(category);
                suffixes.push_back(suffix);
            }
        }
    }
    std::sort(suffixes.begin(), suffixes.end(),
        [](const Suffix &left, const Suffix &right) { return std::strcmp(left.name, right.name) < 0; });
    return suffixes;
}

// As MediaCategories::ofSuffix() has it for what follows the last dot of
// name: every extension of the categories is ASCII.
MediaCategories::Categories categoriesOf(const char *name)
{
    static const std::vector<Suffix> suffixes = buildSuffixes();
    const char *dot = std::strrchr(name, '.');
    if (!dot || std::strlen(dot + 1) > maxSuffix)
        return {};
    char lower[maxSuffix + 1];
    char *out = lower;
    for (const char *in = dot + 1; *in; ++in)
        *out++ = *in >= 'A' && *in <= 'Z' ? char(*in - 'A' + 'a') : *in;
    *out = '\0';
    const auto found = std::lower_bound(suffixes.begin(), suffixes.end(), static_cast<const char *>(lower));
    return found != suffixes.end() && std::strcmp(found->name, lower) == 0 ? found->categories
                                                                           : MediaCategories::Categories();
}

// What a file takes on the disk: its size, or less for a sparse file (a
// 1 TiB file of holes takes nothing), and 1 for one that takes nothing.
qint64 takenOnDisk(const struct statx &status)
{
    const qint64 taken = qMin<qint64>(qint64(status.stx_size), qint64(status.stx_blocks) * 512);
    return taken > 0 ? taken : 1;
}

} // namespace

// One thread's part of the walk: its own totals, and a listing buffer for
// each level of folders it is in.
class StorageWalk::Walker
{
public:
    Walker(StorageWalk &walk, CategoryBytes *bytes)
        : m_walk(walk)
        , m_bytes(bytes)
    { }

    // Walks the folder open on folder, and closes it; false when aborted.
    bool walk(int folder, size_t depth)
    {
        char *listing = listingAt(depth);
        bool complete = true;
        long count;
        // An unreadable folder lists as empty.
        while (complete && (count = ::syscall(SYS_getdents64, folder, listing, listingSize)) > 0) {
            for (long offset = 0; complete && offset < count;) {
                // The kernel's records have the C library's layout.
                const auto *entry = reinterpret_cast<const dirent64 *>(listing + offset);
                offset += entry->d_reclen;
                // Hidden entries, "." and ".." are not counted.
                if (entry->d_name[0] == '.')
                    continue;
                complete = !m_walk.m_abortRequested && visit(folder, entry->d_name, entry->d_type, depth);
            }
        }
        ::close(folder);
        return complete;
    }

private:
    bool visit(int folder, const char *name, unsigned char type, size_t depth)
    {
        if (type == DT_DIR)
            return enter(folder, name, depth);
        if (type != DT_REG && type != DT_UNKNOWN)
            return true;
        // A file of no category is not looked at.
        const MediaCategories::Categories categories = categoriesOf(name);
        if (!categories && type == DT_REG)
            return true;
        struct statx status;
        if (::statx(folder, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                STATX_TYPE | STATX_SIZE | STATX_BLOCKS, &status)
            != 0)
            return true;
        if (S_ISREG(status.stx_mode))
            count(categories, takenOnDisk(status));
        else if (type == DT_UNKNOWN && S_ISDIR(status.stx_mode))
            return enter(folder, name, depth);
        return true;
    }

    bool enter(int folder, const char *name, size_t depth)
    {
        const int child = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0)
            return true;
        return m_walk.handOver(child) || walk(child, depth + 1);
    }

    void count(MediaCategories::Categories categories, qint64 size)
    {
        if (categories & MediaCategories::Pictures)
            m_bytes->pictures += size;
        if (categories & MediaCategories::Videos)
            m_bytes->video += size;
        if (categories & MediaCategories::Music)
            m_bytes->music += size;
        if (categories & MediaCategories::Documents)
            m_bytes->documents += size;
    }

    char *listingAt(size_t depth)
    {
        while (m_listings.size() <= depth)
            m_listings.emplace_back(new char[listingSize]);
        return m_listings[depth].get();
    }

    StorageWalk &m_walk;
    CategoryBytes *const m_bytes;
    std::vector<std::unique_ptr<char[]>> m_listings;
};

StorageWalk::StorageWalk(const std::atomic<bool> &abortRequested)
    : m_abortRequested(abortRequested)
{ }

bool StorageWalk::run(int folder, CategoryBytes *bytes)
{
    m_folders = { folder };
    m_busy = 0;
    m_complete = true;
    const int threads = qBound(1, QThread::idealThreadCount(), maxThreads);
    std::vector<CategoryBytes> totals;
    totals.resize(size_t(threads));
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i)
        helpers.emplace_back([this, &totals, i] { work(&totals[size_t(i)]); });
    work(&totals[0]);
    for (std::thread &helper : helpers)
        helper.join();
    for (const CategoryBytes &total : totals) {
        bytes->pictures += total.pictures;
        bytes->music += total.music;
        bytes->video += total.video;
        bytes->documents += total.documents;
    }
    return m_complete;
}

void StorageWalk::work(CategoryBytes *bytes)
{
    Walker walker(*this, bytes);
    for (int folder = take(); folder >= 0; folder = take()) {
        const bool complete = walker.walk(folder, 0);
        std::lock_guard<std::mutex> locker(m_lock);
        m_complete = m_complete && complete;
        // The last folder walked ends the walk for those who wait.
        if (--m_busy == 0 && m_folders.empty())
            m_changed.notify_all();
    }
}

int StorageWalk::take()
{
    std::unique_lock<std::mutex> locker(m_lock);
    ++m_waiting;
    m_changed.wait(locker, [this] { return !m_folders.empty() || m_busy == 0; });
    --m_waiting;
    if (m_folders.empty())
        return -1;
    const int folder = m_folders.back();
    m_folders.pop_back();
    ++m_busy;
    return folder;
}

bool StorageWalk::handOver(int folder)
{
    if (m_waiting == 0)
        return false;
    std::lock_guard<std::mutex> locker(m_lock);
    m_folders.push_back(folder);
    m_changed.notify_one();
    return true;
}
