// SPDX-License-Identifier: GPL-2.0-or-later
// Preloaded into tst_gtktransfers (LD_PRELOAD), never into the program: a
// disk whose flushes fail.
//
// opaloShimFailFlush(n, error): the n-th fsync or fdatasync from now (1 the
// first) of a file or a folder fails with error; 0 fails none.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdatomic.h>
#include <sys/stat.h>

#define EXPORT __attribute__((visibility("default")))

static atomic_int failAt;
static atomic_int failError;

EXPORT void opaloShimFailFlush(int n, int error)
{
    atomic_store(&failError, error);
    atomic_store(&failAt, n);
}

// Counts only flushes of files and folders, the copy's own.
static int shouldFail(int fd)
{
    struct stat status;
    if (atomic_load(&failAt) <= 0 || fstat(fd, &status) != 0
        || !(S_ISREG(status.st_mode) || S_ISDIR(status.st_mode)))
        return 0;
    if (atomic_fetch_sub(&failAt, 1) != 1)
        return 0;
    errno = atomic_load(&failError);
    return 1;
}

#define FORWARD_FLUSH(name)                                                                                  \
    EXPORT int name(int fd)                                                                                  \
    {                                                                                                        \
        static int (*real)(int);                                                                             \
        if (!real)                                                                                           \
            real = (int (*)(int))dlsym(RTLD_NEXT, #name);                                                    \
        return shouldFail(fd) ? -1 : real(fd);                                                               \
    }

FORWARD_FLUSH(fsync)
FORWARD_FLUSH(fdatasync)
