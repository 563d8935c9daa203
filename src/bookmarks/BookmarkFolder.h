// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <sys/types.h>

// The folder of a Chrome-format "Bookmarks" file, opened once and then used
// by name, so that what is read and replaced is the file that was meant.
//
// A device's contents are untrusted: there no symbolic link is followed
// anywhere below the mount point. On the PC the folder's path may pass
// through the user's own links. On both, a file is read only when it is a
// regular file (never a FIFO, a device node or a link) of a sane size, and is
// written by renaming a new file made here over it: a link of that name is
// replaced, never written through, and only that new file gets its mode.
class BookmarkFolder
{
public:
    // Opens base + "/" + relative; with followLinks false, no component of
    // relative may be a link.
    BookmarkFolder(const QString &base, const QString &relative, bool followLinks);
    ~BookmarkFolder();
    BookmarkFolder(const BookmarkFolder &) = delete;
    BookmarkFolder &operator=(const BookmarkFolder &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Whether name exists, as a link or anything else.
    bool exists(const char *name) const;
    bool isRegularFile(const char *name) const;
    // Whether files may be made in the folder.
    bool isWritable() const;
    // The permission bits of the regular file name, or fallback.
    mode_t permissions(const char *name, mode_t fallback) const;
    // The contents of the regular file name; nothing when it is missing, is
    // not a regular file, cannot be read or is larger than maxFileSize.
    std::optional<QByteArray> read(const char *name) const;
    // Puts a new file of the given mode with data in place of name; false
    // leaves name as it was.
    bool replace(const char *name, const QByteArray &data, mode_t mode) const;

    // Far above any real bookmark file, far below what would hurt to read.
    static const qint64 maxFileSize;

private:
    int m_fd = -1;
};
