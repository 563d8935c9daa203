// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

#include <functional>
#include <sys/stat.h>

// Walks, copies and removes trees the way the super-user may safely walk a
// tree that someone else can change meanwhile: every entry is reached through
// its parent folder's descriptor, and never through a symbolic link. A folder
// swapped for a link between two steps makes the step fail (or, when
// removing, removes the link itself), so no walk ever reaches the link's
// target. Functions return 0 or an errno value.
namespace SafeTree {

// A descriptor, closed when it goes.
class Fd
{
public:
    explicit Fd(int fd = -1)
        : m_fd(fd)
    { }
    ~Fd();
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    Fd(Fd &&other) noexcept
        : m_fd(other.m_fd)
    {
        other.m_fd = -1;
    }
    Fd &operator=(Fd &&other) noexcept;

    bool isValid() const { return m_fd >= 0; }
    int get() const { return m_fd; }

private:
    int m_fd;
};

// What the copy of a tree reports and asks as it goes.
struct CopyObserver
{
    // Bytes of file content (holes included) done since the last call.
    std::function<void(qint64 bytes)> advanced;
    // Checked before each entry and each chunk; the copy then fails with
    // ECANCELED.
    std::function<bool()> cancelled;
};

// The folder at an absolute path; links on the way are followed, as the user
// named the path.
Fd openFolderPath(const QByteArray &path);
// The folder name inside parent, never through a link.
Fd openFolder(int parent, const QByteArray &name);
// The names in folder, without "." and "..".
int names(int folder, QList<QByteArray> &found);
// The entry itself: a link is not followed.
int statEntry(int parent, const QByteArray &name, struct stat &status);

// Copies the entry (file, link or folder with everything in it) to
// targetName inside targetFolder, which must not exist yet. Holes in files
// are kept; named pipes, devices and sockets are refused (EINVAL). Modes
// are copied without set-user-ID, set-group-ID and sticky bits, times of
// files are kept. What was made of the copy stays when it fails. A durable
// copy has each file and folder it made on the disk before it returns
// (targetName's own entry in targetFolder excepted): the copy is about to
// take the place of the only other one.
int copy(int folder, const QByteArray &name, int targetFolder, const QByteArray &targetName,
    const CopyObserver &observer, bool durable);
// Puts a file's data, or a folder's entries, on the disk.
int flush(int fd);
// Removes the entry and, for a folder, everything in it.
int remove(int folder, const QByteArray &name);
// The sum of the sizes of the files in the entry.
qint64 sizeOf(int folder, const QByteArray &name);

// Calls change with the mode of each entry below folder (type bits included)
// and gives the entry the permission bits it returns. Links are left alone.
void changeModesBelow(int folder, const std::function<mode_t(mode_t mode)> &change);

} // namespace SafeTree
