// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

#include <dirent.h>

// A file descriptor that closes when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    { }
    ~Descriptor() { close(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    bool isValid() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd)
    {
        close();
        m_fd = fd;
    }
    // Whether the data written reached the file system without a late
    // error (network and FUSE file systems report some only here).
    bool close();

private:
    int m_fd;
};

// Opens the folder name in parent, never through a symbolic link: a link
// fails with ELOOP. flags add to O_DIRECTORY and O_NOFOLLOW (O_RDONLY,
// O_PATH). -1 on failure, with errno set.
int openFolderAt(int parent, const char *name, int flags);

// Opens the folder path names below the folder open on base, one level at a
// time, never through a symbolic link: a link anywhere on the way fails
// with ELOOP or ENOTDIR. Empty and "." levels are skipped, ".." is refused
// (EACCES). The descriptor is a path descriptor (O_PATH): enough to make,
// rename and remove entries in the folder. -1 on failure, with errno set.
int openFolderBelow(int base, const QByteArray &path);

// A stream listing the folder open on folder, a path descriptor or not,
// for readdir() and closedir(); null on failure, with errno set.
DIR *listFolder(int folder);

// Removes the folder name in parent with everything in it, without
// following a symbolic link; whether it is gone.
bool removeTree(int parent, const char *name);
