// SPDX-License-Identifier: GPL-2.0-or-later
// Preloaded into a test (LD_PRELOAD), this fails one chosen file-system call
// of the copy worker, the thread Qt names "AsyncCopy", and can hold the
// worker in its flushes of the file system. Every other thread, and the
// worker while nothing is armed, reaches the C library unchanged. The test
// drives it through the functions at the end, found with dlsym.
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

#define EXPORT __attribute__((visibility("default")))

static atomic_int armed;
static atomic_long armedCall;
static atomic_int armedError;
static atomic_long callCount;
static const char *_Atomic firedName;

// The calls that fail, by name, every time, while armed by name.
static atomic_int namedArmed;
static atomic_int namedError;
static char namedCalls[256];

static pthread_mutex_t holdLock = PTHREAD_MUTEX_INITIALIZER;
static pthread_cond_t holdChanged = PTHREAD_COND_INITIALIZER;
static int holdFlushes;
static int heldFlushes;
static int releasedFlushes;

static int isWorker(void)
{
    char name[16] = { 0 };
    return prctl(PR_GET_NAME, name, 0, 0, 0) == 0 && strcmp(name, "AsyncCopy") == 0;
}

// Whether this call is the one to fail: calls are counted only while armed
// and only on the worker.
static int shouldFail(const char *call)
{
    if (!atomic_load(&armed) || !isWorker())
        return 0;
    if (atomic_fetch_add(&callCount, 1) + 1 != atomic_load(&armedCall))
        return 0;
    atomic_store(&firedName, call);
    errno = atomic_load(&armedError);
    return 1;
}

// Whether call is among those armed by name: each fails with the error or,
// with none, returns 0 (no data, no entry).
static int shouldFailNamed(const char *call)
{
    if (!atomic_load(&namedArmed) || !isWorker())
        return 0;
    const size_t length = strlen(call);
    for (const char *at = namedCalls; (at = strstr(at, call)); at += length) {
        if ((at == namedCalls || at[-1] == ',') && (at[length] == ',' || at[length] == 0)) {
            atomic_store(&firedName, call);
            errno = atomic_load(&namedError);
            return 1;
        }
    }
    return 0;
}

static int namedResult(void)
{
    return atomic_load(&namedError) ? -1 : 0;
}

static void *next(const char *name)
{
    return dlsym(RTLD_NEXT, name);
}

// Whether fd is a file or a folder: the worker also writes to the event
// loop's descriptors, which are no concern of the copy.
static int isFile(int fd)
{
    static int (*realFstat)(int, struct stat *);
    if (!realFstat)
        realFstat = (int (*)(int, struct stat *))next("fstat");
    struct stat status;
    return realFstat(fd, &status) == 0 && (S_ISREG(status.st_mode) || S_ISDIR(status.st_mode));
}

// The same for calls on a descriptor, which are the copy's only on files.
static int shouldFailOn(int fd, const char *call)
{
    return atomic_load(&armed) && isFile(fd) && shouldFail(call);
}

// The C library's own function, looked up once.
#define REAL(type, name, params)                                                                             \
    static type(*real) params;                                                                               \
    if (!real)                                                                                               \
        real = (type(*) params)next(#name);

#define FORWARD(type, name, params, args)                                                                    \
    EXPORT type name params                                                                                  \
    {                                                                                                        \
        REAL(type, name, params)                                                                             \
        if (shouldFailNamed(#name))                                                                          \
            return namedResult();                                                                            \
        if (shouldFail(#name))                                                                               \
            return -1;                                                                                       \
        return real args;                                                                                    \
    }

// open and openat take a mode only with O_CREAT or O_TMPFILE.
#define FORWARD_OPEN(name)                                                                                   \
    EXPORT int name(const char *path, int flags, ...)                                                        \
    {                                                                                                        \
        static int (*real)(const char *, int, ...);                                                          \
        va_list arguments;                                                                                   \
        va_start(arguments, flags);                                                                          \
        const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(arguments, mode_t) : 0;                 \
        va_end(arguments);                                                                                   \
        if (!real)                                                                                           \
            real = (int (*)(const char *, int, ...))next(#name);                                             \
        if (shouldFail(#name))                                                                               \
            return -1;                                                                                       \
        return real(path, flags, mode);                                                                      \
    }
#define FORWARD_OPENAT(name)                                                                                 \
    EXPORT int name(int folder, const char *path, int flags, ...)                                            \
    {                                                                                                        \
        static int (*real)(int, const char *, int, ...);                                                     \
        va_list arguments;                                                                                   \
        va_start(arguments, flags);                                                                          \
        const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? va_arg(arguments, mode_t) : 0;                 \
        va_end(arguments);                                                                                   \
        if (!real)                                                                                           \
            real = (int (*)(int, const char *, int, ...))next(#name);                                        \
        if (shouldFail(#name))                                                                               \
            return -1;                                                                                       \
        return real(folder, path, flags, mode);                                                              \
    }

FORWARD_OPEN(open)
FORWARD_OPEN(open64)
FORWARD_OPENAT(openat)
FORWARD_OPENAT(openat64)
// Calls on descriptors, counted only on files and folders.
#define FORWARD_ON_FILE(type, name, params, args)                                                            \
    EXPORT type name params                                                                                  \
    {                                                                                                        \
        REAL(type, name, params)                                                                             \
        if (atomic_load(&namedArmed) && isFile(fd) && shouldFailNamed(#name))                                \
            return namedResult();                                                                            \
        if (shouldFailOn(fd, #name))                                                                         \
            return -1;                                                                                       \
        return real args;                                                                                    \
    }

FORWARD_ON_FILE(ssize_t, read, (int fd, void *buffer, size_t size), (fd, buffer, size))
FORWARD_ON_FILE(ssize_t, write, (int fd, const void *buffer, size_t size), (fd, buffer, size))
FORWARD(ssize_t, copy_file_range,
    (int in, off64_t *inOffset, int out, off64_t *outOffset, size_t size, unsigned flags),
    (in, inOffset, out, outOffset, size, flags))
FORWARD(int, fstat, (int fd, struct stat *status), (fd, status))
FORWARD(int, fstat64, (int fd, struct stat64 *status), (fd, status))
FORWARD(int, stat, (const char *path, struct stat *status), (path, status))
FORWARD(int, stat64, (const char *path, struct stat64 *status), (path, status))
FORWARD(int, lstat, (const char *path, struct stat *status), (path, status))
FORWARD(int, lstat64, (const char *path, struct stat64 *status), (path, status))
FORWARD(int, fstatat, (int folder, const char *path, struct stat *status, int flags),
    (folder, path, status, flags))
FORWARD(int, fstatat64, (int folder, const char *path, struct stat64 *status, int flags),
    (folder, path, status, flags))
FORWARD(int, statx, (int folder, const char *path, int flags, unsigned mask, struct statx *status),
    (folder, path, flags, mask, status))
FORWARD(int, access, (const char *path, int mode), (path, mode))
FORWARD(int, faccessat, (int folder, const char *path, int mode, int flags), (folder, path, mode, flags))
FORWARD(int, mkdir, (const char *path, mode_t mode), (path, mode))
FORWARD(int, mkdirat, (int folder, const char *path, mode_t mode), (folder, path, mode))
FORWARD(
    int, renameat, (int from, const char *fromPath, int to, const char *toPath), (from, fromPath, to, toPath))
FORWARD(int, renameat2, (int from, const char *fromPath, int to, const char *toPath, unsigned flags),
    (from, fromPath, to, toPath, flags))
FORWARD(int, unlinkat, (int folder, const char *path, int flags), (folder, path, flags))
FORWARD(int, fchmod, (int fd, mode_t mode), (fd, mode))
FORWARD(int, fchown, (int fd, uid_t user, gid_t group), (fd, user, group))
FORWARD(int, futimens, (int fd, const struct timespec times[2]), (fd, times))
FORWARD(int, fdatasync, (int fd), (fd))
FORWARD(int, fsync, (int fd), (fd))
FORWARD(
    int, sync_file_range, (int fd, off64_t offset, off64_t size, unsigned flags), (fd, offset, size, flags))

// Listings fail only when armed by name: a null stream or entry, with the
// error.
#define FORWARD_LISTING(type, name, params, args)                                                            \
    EXPORT type name params                                                                                  \
    {                                                                                                        \
        REAL(type, name, params)                                                                             \
        if (shouldFailNamed(#name))                                                                          \
            return NULL;                                                                                     \
        return real args;                                                                                    \
    }

FORWARD_LISTING(DIR *, opendir, (const char *path), (path))
FORWARD_LISTING(DIR *, fdopendir, (int fd), (fd))
FORWARD_LISTING(struct dirent *, readdir, (DIR * stream), (stream))
FORWARD_LISTING(struct dirent64 *, readdir64, (DIR * stream), (stream))

// A failed close has closed the descriptor all the same.
EXPORT int close(int fd)
{
    static int (*real)(int);
    if (!real)
        real = (int (*)(int))next("close");
    const int fail = shouldFailOn(fd, "close");
    const int result = real(fd);
    if (!fail)
        return result;
    errno = atomic_load(&armedError);
    return -1;
}

EXPORT int syncfs(int fd)
{
    static int (*real)(int);
    if (!real)
        real = (int (*)(int))next("syncfs");
    if (isWorker()) {
        pthread_mutex_lock(&holdLock);
        if (holdFlushes) {
            const int mine = ++heldFlushes;
            pthread_cond_broadcast(&holdChanged);
            while (holdFlushes && releasedFlushes < mine)
                pthread_cond_wait(&holdChanged, &holdLock);
        }
        pthread_mutex_unlock(&holdLock);
    }
    if (shouldFail("syncfs"))
        return -1;
    return real(fd);
}

// Fails the nth call counted from now (1 the first) with error; 0 only
// counts the calls.
EXPORT void opaloFaultArm(long nth, int error)
{
    atomic_store(&armed, 0);
    atomic_store(&armedError, error);
    atomic_store(&firedName, NULL);
    atomic_store(&callCount, 0);
    atomic_store(&armedCall, nth);
    atomic_store(&armed, 1);
}

// Fails every later call named in names (separated by commas) with error,
// or with none makes it return 0, until disarmed.
EXPORT void opaloFaultArmNamed(const char *names, int error)
{
    atomic_store(&namedArmed, 0);
    strncpy(namedCalls, names, sizeof namedCalls - 1);
    atomic_store(&namedError, error);
    atomic_store(&firedName, NULL);
    atomic_store(&namedArmed, 1);
}

EXPORT void opaloFaultDisarm(void)
{
    atomic_store(&armed, 0);
    atomic_store(&namedArmed, 0);
}

// The calls counted since arming.
EXPORT long opaloFaultCalls(void)
{
    return atomic_load(&callCount);
}

// The call that failed, or null.
EXPORT const char *opaloFaultFired(void)
{
    return atomic_load(&firedName);
}

// While held, each flush of the worker waits in the call until released.
EXPORT void opaloFaultHoldFlushes(int hold)
{
    pthread_mutex_lock(&holdLock);
    holdFlushes = hold;
    heldFlushes = 0;
    releasedFlushes = 0;
    pthread_cond_broadcast(&holdChanged);
    pthread_mutex_unlock(&holdLock);
}

// Flushes that have reached the hold so far.
EXPORT int opaloFaultHeldFlushes(void)
{
    pthread_mutex_lock(&holdLock);
    const int held = heldFlushes;
    pthread_mutex_unlock(&holdLock);
    return held;
}

EXPORT void opaloFaultReleaseFlush(void)
{
    pthread_mutex_lock(&holdLock);
    ++releasedFlushes;
    pthread_cond_broadcast(&holdChanged);
    pthread_mutex_unlock(&holdLock);
}
