// SPDX-License-Identifier: GPL-2.0-or-later
// Preloaded into tst_gtklinkswaps (LD_PRELOAD), never into the program: plays
// the user who swaps a folder for a symbolic link while the super-user walks
// it, and a slow disk.
//
// opaloShimSwapAt(folder, target, n): at the n-th time from now that any
// folder of folder's name is opened (open, openat, opendir and their
// variants), folder is renamed to "folder.away" and a link to target takes its
// place, just before the opening goes on.
// opaloShimSlowCopies(ms): every copy_file_range and pread waits ms first.
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static char swapFolder[PATH_MAX];
static char swapTarget[PATH_MAX];
static int swapCountdown;
static int slowMs;

__attribute__((visibility("default"))) void opaloShimSwapAt(const char *folder, const char *target, int n)
{
    snprintf(swapFolder, sizeof swapFolder, "%s", folder);
    snprintf(swapTarget, sizeof swapTarget, "%s", target);
    __atomic_store_n(&swapCountdown, n, __ATOMIC_SEQ_CST);
}

__attribute__((visibility("default"))) void opaloShimSlowCopies(int milliseconds)
{
    __atomic_store_n(&slowMs, milliseconds, __ATOMIC_SEQ_CST);
}

static const char *lastComponent(const char *path)
{
    const char *slash = strrchr(path, '/');
    return slash ? slash + 1 : path;
}

static void maybeSwap(const char *path)
{
    if (__atomic_load_n(&swapCountdown, __ATOMIC_SEQ_CST) <= 0 || !path
        || strcmp(lastComponent(path), lastComponent(swapFolder)) != 0)
        return;
    if (__atomic_sub_fetch(&swapCountdown, 1, __ATOMIC_SEQ_CST) != 0)
        return;
    char away[PATH_MAX + 8];
    snprintf(away, sizeof away, "%s.away", swapFolder);
    if (rename(swapFolder, away) != 0 || symlink(swapTarget, swapFolder) != 0)
        perror("swap shim");
}

static void maybeWait(void)
{
    const int ms = __atomic_load_n(&slowMs, __ATOMIC_SEQ_CST);
    if (ms > 0) {
        const struct timespec pause = { ms / 1000, (ms % 1000) * 1000000L };
        nanosleep(&pause, NULL);
    }
}

#define REAL(name, type) ((type)dlsym(RTLD_NEXT, name))

static mode_t modeOf(int flags, va_list arguments)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? (mode_t)va_arg(arguments, int) : 0;
}

#define OPEN_VARIANT(name)                                                                                   \
    __attribute__((visibility("default"))) int name(const char *path, int flags, ...)                       \
    {                                                                                                        \
        va_list arguments;                                                                                   \
        va_start(arguments, flags);                                                                          \
        const mode_t mode = modeOf(flags, arguments);                                                        \
        va_end(arguments);                                                                                   \
        maybeSwap(path);                                                                                     \
        return REAL(#name, int (*)(const char *, int, ...))(path, flags, mode);                              \
    }
#define OPENAT_VARIANT(name)                                                                                 \
    __attribute__((visibility("default"))) int name(int folder, const char *path, int flags, ...)           \
    {                                                                                                        \
        va_list arguments;                                                                                   \
        va_start(arguments, flags);                                                                          \
        const mode_t mode = modeOf(flags, arguments);                                                        \
        va_end(arguments);                                                                                   \
        maybeSwap(path);                                                                                     \
        return REAL(#name, int (*)(int, const char *, int, ...))(folder, path, flags, mode);                 \
    }

OPEN_VARIANT(open)
OPEN_VARIANT(open64)
OPENAT_VARIANT(openat)
OPENAT_VARIANT(openat64)

__attribute__((visibility("default"))) int __open_2(const char *path, int flags)
{
    maybeSwap(path);
    return REAL("__open_2", int (*)(const char *, int))(path, flags);
}

__attribute__((visibility("default"))) int __open64_2(const char *path, int flags)
{
    maybeSwap(path);
    return REAL("__open64_2", int (*)(const char *, int))(path, flags);
}

__attribute__((visibility("default"))) int __openat_2(int folder, const char *path, int flags)
{
    maybeSwap(path);
    return REAL("__openat_2", int (*)(int, const char *, int))(folder, path, flags);
}

__attribute__((visibility("default"))) int __openat64_2(int folder, const char *path, int flags)
{
    maybeSwap(path);
    return REAL("__openat64_2", int (*)(int, const char *, int))(folder, path, flags);
}

__attribute__((visibility("default"))) DIR *opendir(const char *path)
{
    maybeSwap(path);
    return REAL("opendir", DIR * (*)(const char *))(path);
}

__attribute__((visibility("default"))) ssize_t copy_file_range(
    int in, off_t *inOffset, int out, off_t *outOffset, size_t length, unsigned int flags)
{
    maybeWait();
    return REAL("copy_file_range", ssize_t(*)(int, off_t *, int, off_t *, size_t, unsigned int))(
        in, inOffset, out, outOffset, length, flags);
}

__attribute__((visibility("default"))) ssize_t pread(int file, void *buffer, size_t count, off_t offset)
{
    maybeWait();
    return REAL("pread", ssize_t(*)(int, void *, size_t, off_t))(file, buffer, count, offset);
}

__attribute__((visibility("default"))) ssize_t pread64(int file, void *buffer, size_t count, off_t offset)
{
    maybeWait();
    return REAL("pread64", ssize_t(*)(int, void *, size_t, off_t))(file, buffer, count, offset);
}
