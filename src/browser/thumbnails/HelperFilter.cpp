// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/HelperFilter.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sched.h>

namespace {

// The system calls a helper makes: the loader's and the C library's, reading
// the files it is handed, memory, its own threads, time, and its limits;
// and waiting, which bubblewrap's first process in the box does under the
// same filter. A pipe of its own: the sanitizers test whether memory can be
// read by writing it into one, and take a refusal for a bad pointer.
// Everything else is refused with an error, not a kill, so that a library
// that tries something sees a failure and a crash loop cannot start.
const int allowedCalls[] = { SCMP_SYS(pipe2), SCMP_SYS(read), SCMP_SYS(pread64), SCMP_SYS(readv),
    SCMP_SYS(preadv), SCMP_SYS(preadv2), SCMP_SYS(write), SCMP_SYS(writev), SCMP_SYS(recvmsg),
    SCMP_SYS(close), SCMP_SYS(lseek), SCMP_SYS(fstat), SCMP_SYS(stat), SCMP_SYS(lstat), SCMP_SYS(newfstatat),
    SCMP_SYS(statx), SCMP_SYS(fstatfs), SCMP_SYS(statfs), SCMP_SYS(access), SCMP_SYS(faccessat),
    SCMP_SYS(faccessat2), SCMP_SYS(readlink), SCMP_SYS(readlinkat), SCMP_SYS(getdents64), SCMP_SYS(getcwd),
    SCMP_SYS(fcntl), SCMP_SYS(dup), SCMP_SYS(dup2), SCMP_SYS(dup3), SCMP_SYS(fadvise64), SCMP_SYS(eventfd2),
    SCMP_SYS(poll), SCMP_SYS(ppoll), SCMP_SYS(brk), SCMP_SYS(mmap), SCMP_SYS(munmap), SCMP_SYS(mremap),
    SCMP_SYS(mprotect), SCMP_SYS(madvise), SCMP_SYS(mlock), SCMP_SYS(munlock), SCMP_SYS(get_mempolicy),
    SCMP_SYS(set_mempolicy), SCMP_SYS(futex), SCMP_SYS(set_robust_list), SCMP_SYS(get_robust_list),
    SCMP_SYS(set_tid_address), SCMP_SYS(rseq), SCMP_SYS(sched_yield), SCMP_SYS(sched_getaffinity),
    SCMP_SYS(sched_setscheduler), SCMP_SYS(sched_getscheduler), SCMP_SYS(sched_getparam), SCMP_SYS(getpid),
    SCMP_SYS(gettid), SCMP_SYS(getuid), SCMP_SYS(geteuid), SCMP_SYS(getgid), SCMP_SYS(getegid),
    SCMP_SYS(getresuid), SCMP_SYS(getresgid), SCMP_SYS(getgroups), SCMP_SYS(uname), SCMP_SYS(sysinfo),
    SCMP_SYS(getrandom), SCMP_SYS(getrusage), SCMP_SYS(getrlimit), SCMP_SYS(setrlimit), SCMP_SYS(prctl),
    SCMP_SYS(arch_prctl), SCMP_SYS(clock_gettime), SCMP_SYS(clock_getres), SCMP_SYS(gettimeofday),
    SCMP_SYS(time), SCMP_SYS(nanosleep), SCMP_SYS(clock_nanosleep), SCMP_SYS(rt_sigaction),
    SCMP_SYS(rt_sigprocmask), SCMP_SYS(rt_sigreturn), SCMP_SYS(sigaltstack), SCMP_SYS(restart_syscall),
    SCMP_SYS(wait4), SCMP_SYS(exit), SCMP_SYS(exit_group) };

// Flags that would open a file for anything but reading: the helper writes
// to its pipe only.
constexpr scmp_datum_t writingFlags = O_WRONLY | O_RDWR | O_CREAT | O_TRUNC;

} // namespace

scmp_filter_ctx helperFilter(const char *onlyProgram)
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ERRNO(EPERM));
    if (!filter)
        return nullptr;
    bool built = true;
    for (const int call : allowedCalls)
        built = built && seccomp_rule_add(filter, SCMP_ACT_ALLOW, call, 0) == 0;
    // Signals to its own threads would need the helper's own process id,
    // unknown when the filter is made: tgkill and tkill stay refused, and
    // an abort ends the helper all the same. Threads only; clone3 looks
    // absent, so that the C library falls back to clone, whose flags a
    // filter can see. Limits of its own process only.
    built = built
        && seccomp_rule_add(
               filter, SCMP_ACT_ALLOW, SCMP_SYS(openat), 1, SCMP_A2(SCMP_CMP_MASKED_EQ, writingFlags, 0))
            == 0
        && seccomp_rule_add(
               filter, SCMP_ACT_ALLOW, SCMP_SYS(open), 1, SCMP_A1(SCMP_CMP_MASKED_EQ, writingFlags, 0))
            == 0
        && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(clone), 1,
               SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD))
            == 0
        && seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0
        && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(prlimit64), 1, SCMP_A0(SCMP_CMP_EQ, 0)) == 0;
    if (onlyProgram)
        built = built
            && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(execve), 1,
                   SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(uintptr_t(onlyProgram))))
                == 0;
    else
        built = built && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(execve), 0) == 0;
    if (!built) {
        seccomp_release(filter);
        return nullptr;
    }
    return filter;
}
