// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/HelperConfinement.h"
#include "base/LogCategories.h"
#include "browser/thumbnails/HelperFilter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <linux/close_range.h>
#include <linux/filter.h>
#include <linux/landlock.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace {

constexpr uid_t nobody = 65534;
// Landlock's rights over files, by the version of its interface that
// brought them: truncating came with 3, device ioctls with 5.
constexpr quint64 landlockTruncate = 1ULL << 14;
constexpr quint64 landlockIoctlDevice = 1ULL << 15;
constexpr quint64 landlockReadFile = LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_READ_FILE;
constexpr quint64 landlockReadFolder = landlockReadFile | LANDLOCK_ACCESS_FS_READ_DIR;
// Where bubblewrap finds the filter in the process it starts.
constexpr int filterDescriptor = 3;

// The filter as the kernel takes it (see HelperFilter.h).
QByteArray filterProgram(const char *onlyProgram)
{
    scmp_filter_ctx filter = helperFilter(onlyProgram);
    if (!filter)
        return QByteArray();
    QByteArray program;
    const int memory = int(syscall(SYS_memfd_create, "opalo-filter", MFD_CLOEXEC));
    if (memory >= 0 && seccomp_export_bpf(filter, memory) == 0) {
        const off_t size = lseek(memory, 0, SEEK_END);
        program.resize(int(size));
        if (size <= 0 || pread(memory, program.data(), size_t(size), 0) != size)
            program.clear();
    }
    if (memory >= 0)
        ::close(memory);
    seccomp_release(filter);
    return program;
}

// Bubblewrap's filter, the same for every helper: made once, as it takes
// milliseconds of the thread that starts helpers.
const QByteArray &bubblewrapFilter()
{
    static const QByteArray program = filterProgram(nullptr);
    return program;
}

// A descriptor holding the filter, for bubblewrap.
int filterDescriptorOf(const QByteArray &program)
{
    const int memory = int(syscall(SYS_memfd_create, "opalo-filter", MFD_CLOEXEC));
    if (memory >= 0
        && (::write(memory, program.constData(), size_t(program.size())) != program.size()
            || lseek(memory, 0, SEEK_SET) != 0)) {
        ::close(memory);
        return -1;
    }
    return memory;
}

// Everything the new process does before it becomes the helper, or
// bubblewrap. Between fork and exec in a program with threads: system
// calls only, no allocation, no lock.
struct ChildPlan
{
    const char *path;
    char *const *arguments;
    char *const *environment;
    int input;
    int output;
    int errors;
    // Bubblewrap's filter descriptor, or -1.
    int filter;
    // The filter to load here, for the kernel's means; null otherwise.
    const sock_fprog *program;
    pid_t parent;
    // Unconfined, it keeps the program's user and rights.
    bool confined;
    // The rights Landlock takes away but below the paths readable, which
    // keep those of reading; 0 without Landlock.
    quint64 landlockHandled;
    char *const *readable;
    // Where errno goes when the process cannot start.
    int report;
};

// Tells the program why the process could not start.
[[noreturn]] void fail(int report)
{
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(report, &error, sizeof(error));
    _exit(127);
}

// Leaves the process only reading, and executing, what lies below the
// paths readable.
bool restrictToReadable(const ChildPlan &plan)
{
    // Newer kernel headers give the structure more fields (networking,
    // scopes): each stays zero, which leaves it alone.
    landlock_ruleset_attr handled {};
    handled.handled_access_fs = plan.landlockHandled;
    const int ruleset = int(syscall(SYS_landlock_create_ruleset, &handled, sizeof(handled), 0));
    if (ruleset < 0)
        return false;
    bool restricted = true;
    for (char *const *path = plan.readable; *path && restricted; ++path) {
        // Missing paths (a system without /usr/lib64) give nothing.
        const int below = ::open(*path, O_PATH | O_CLOEXEC);
        struct stat status {};
        if (below < 0 || ::fstat(below, &status) != 0) {
            ::close(below);
            continue;
        }
        const landlock_path_beneath_attr rule {
            S_ISDIR(status.st_mode) ? landlockReadFolder : landlockReadFile, below
        };
        restricted = syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &rule, 0) == 0;
        ::close(below);
    }
    restricted = restricted && syscall(SYS_landlock_restrict_self, ruleset, 0) == 0;
    ::close(ruleset);
    return restricted;
}

[[noreturn]] void becomeHelper(const ChildPlan &plan)
{
    // A group of its own, which a kill takes whole, and no terminal.
    setsid();
    prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
    if (getppid() != plan.parent)
        _exit(127);
    // Above the descriptors made below.
    const int report = fcntl(plan.report, F_DUPFD_CLOEXEC, filterDescriptor + 1);
    if (report < 0)
        _exit(127);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        sigaction(signal, &standard, nullptr);
    if (dup2(plan.input, STDIN_FILENO) < 0 || dup2(plan.output, STDOUT_FILENO) < 0
        || dup2(plan.errors, STDERR_FILENO) < 0
        || (plan.filter >= 0 && dup2(plan.filter, filterDescriptor) < 0))
        fail(report);
    // The others, among them the pipe that reports a failed start, close
    // when the new program starts.
    if (syscall(SYS_close_range, plan.filter >= 0 ? filterDescriptor + 1 : STDERR_FILENO + 1, ~0U,
            CLOSE_RANGE_CLOEXEC)
        != 0)
        fail(report);
    const rlimit noCore { 0, 0 };
    setrlimit(RLIMIT_CORE, &noCore);
    // Bubblewrap maps the super-user to nobody in a user namespace of its
    // own, with no rights outside it; here the process becomes nobody.
    const bool root = plan.confined && plan.filter < 0 && geteuid() == 0;
    if (plan.program)
        unshare(root ? CLONE_NEWNET | CLONE_NEWIPC : CLONE_NEWUSER | CLONE_NEWNET | CLONE_NEWIPC);
    if (root
        && (setgroups(0, nullptr) != 0 || setresgid(nobody, nobody, nobody) != 0
            || setresuid(nobody, nobody, nobody) != 0))
        fail(report);
    if ((plan.confined && prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        || (plan.landlockHandled != 0 && !restrictToReadable(plan))
        || (plan.program && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, plan.program) != 0))
        fail(report);
    execve(plan.path, plan.arguments, plan.environment);
    fail(report);
}

std::vector<char *> pointersTo(const QByteArrayList &list)
{
    std::vector<char *> pointers;
    for (const QByteArray &entry : list)
        pointers.push_back(const_cast<char *>(entry.constData()));
    pointers.push_back(nullptr);
    return pointers;
}

// Landlock's version on this kernel; 0 without it.
int landlockVersion()
{
    static const int version
        = qMax(0, int(syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION)));
    return version;
}

// Every right over files this kernel's Landlock knows.
quint64 landlockRights()
{
    const int version = landlockVersion();
    if (version == 0)
        return 0;
    quint64 rights = (LANDLOCK_ACCESS_FS_MAKE_SYM << 1) - 1;
    if (version >= 2)
        rights |= LANDLOCK_ACCESS_FS_REFER;
    if (version >= 3)
        rights |= landlockTruncate;
    if (version >= 5)
        rights |= landlockIoctlDevice;
    return rights;
}

pid_t start(const QByteArrayList &arguments, const QByteArrayList &environment, int input, int output,
    int filter, const QByteArray &program, bool confined, const QByteArrayList &readable = {})
{
    const int errors = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    int report[2];
    if (errors < 0 || pipe2(report, O_CLOEXEC) != 0) {
        ::close(errors);
        return -1;
    }
    const std::vector<char *> argumentPointers = pointersTo(arguments);
    const std::vector<char *> environmentPointers = pointersTo(environment);
    const std::vector<char *> readablePointers = pointersTo(readable);
    const sock_fprog compiled { static_cast<unsigned short>(size_t(program.size()) / sizeof(sock_filter)),
        reinterpret_cast<sock_filter *>(const_cast<char *>(program.constData())) };
    const ChildPlan plan { argumentPointers.front(), argumentPointers.data(), environmentPointers.data(),
        input, output, errors, filter, program.isEmpty() ? nullptr : &compiled, getpid(), confined,
        readable.isEmpty() ? 0 : landlockRights(), readablePointers.data(), report[1] };
    pid_t pid = fork();
    if (pid == 0)
        becomeHelper(plan);
    int error = errno;
    ::close(errors);
    ::close(report[1]);
    // Nothing comes once the program started.
    if (pid > 0 && ::read(report[0], &error, sizeof(error)) == sizeof(error)) {
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
    ::close(report[0]);
    errno = error;
    return pid;
}

QString bubblewrapPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("bwrap"));
}

int numberIn(const char *path, int missing)
{
    QFile file { QString::fromLatin1(path) };
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : missing;
}

// Whether bubblewrap is there and may make user namespaces, as an
// unprivileged user (the super-user's helpers too run as nobody): read from
// the kernel's settings rather than tried, which would cost a helper's
// start. A helper that cannot start in it anyway makes the pool fall back
// to the kernel's means.
bool bubblewrapWorks()
{
    return !bubblewrapPath().isEmpty() && numberIn("/proc/sys/user/max_user_namespaces", 0) > 0
        && numberIn("/proc/sys/kernel/unprivileged_userns_clone", 1) != 0
        && numberIn("/proc/sys/kernel/apparmor_restrict_unprivileged_userns", 0) == 0;
}

} // namespace

HelperConfinement::Kind HelperConfinement::available()
{
    static const Kind kind = [] {
        const Kind found = bubblewrapWorks()                                          ? Bubblewrap
            : prctl(PR_GET_SECCOMP, 0, 0, 0, 0) >= 0 && !bubblewrapFilter().isEmpty() ? KernelMeans
                                                                                      : Unconfined;
        // Anything less than bubblewrap is worth a warning: the helpers
        // then see the user's files.
        if (found == Unconfined)
            qCWarning(lcThumbnails, "thumbnail helpers run unconfined: this system offers no seccomp filter");
        else if (found == KernelMeans && landlockVersion() > 0)
            qCWarning(lcThumbnails,
                "thumbnail helpers run confined by %s only (Landlock %d keeps them to the "
                "system's libraries): bubblewrap is missing or cannot make user namespaces",
                nameOf(found), landlockVersion());
        else if (found == KernelMeans)
            qCWarning(lcThumbnails,
                "thumbnail helpers run confined by %s only, without Landlock, which this kernel "
                "lacks: they can read the user's files; bubblewrap is missing or cannot make user "
                "namespaces",
                nameOf(found));
        else
            qCInfo(lcThumbnails, "thumbnail helpers run confined by %s", nameOf(found));
        return found;
    }();
    return kind;
}

bool HelperConfinement::hasLandlock()
{
    return landlockVersion() > 0;
}

const char *HelperConfinement::nameOf(Kind kind)
{
    switch (kind) {
    case Bubblewrap:
        return "bubblewrap";
    case KernelMeans:
        return "the kernel's own means";
    case Unconfined:
        break;
    }
    return "nothing";
}

HelperConfinement::HelperConfinement(Kind kind)
    : m_kind(kind)
{ }

QByteArrayList HelperConfinement::bubblewrapArguments(
    const QString &program, const QByteArrayList &environment) const
{
    QByteArrayList arguments { QFile::encodeName(bubblewrapPath()), "--unshare-all", "--unshare-user",
        "--disable-userns", "--die-with-parent", "--new-session", "--clearenv", "--ro-bind", "/usr/lib",
        "/usr/lib", "--ro-bind-try", "/usr/lib64", "/usr/lib64", "--ro-bind-try", "/etc/ld.so.cache",
        "/etc/ld.so.cache", "--proc", "/proc" };
    // Systems that merged /usr keep links to it.
    for (const char *folder : { "/lib", "/lib64" }) {
        const QFileInfo info { QString::fromLatin1(folder) };
        if (info.isSymLink())
            arguments << "--symlink" << QFile::encodeName(info.symLinkTarget()) << folder;
        else
            arguments << "--ro-bind-try" << folder << folder;
    }
    // Of Qt's picture readers, only those of the formats the helper reads
    // are there to be loaded; Qt would read the metadata of every one in
    // the folder at the helper's first picture, a good part of its start.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
#else
    const QString plugins = QLibraryInfo::location(QLibraryInfo::PluginsPath);
#endif
    const QString formats = plugins + QStringLiteral("/imageformats");
    const QStringList readers = QDir(formats).entryList(
        { QStringLiteral("libqjpeg.so*"), QStringLiteral("libqgif.so"), QStringLiteral("libqwebp.so"),
            QStringLiteral("libqtiff.so"), QStringLiteral("kimg_heif.so"), QStringLiteral("kimg_avif.so") },
        QDir::Files);
    if (!readers.isEmpty()) {
        arguments << "--tmpfs" << QFile::encodeName(formats);
        for (const QString &reader : readers) {
            const QByteArray path = QFile::encodeName(formats + QLatin1Char('/') + reader);
            arguments << "--ro-bind" << path << path;
        }
        arguments << "--remount-ro" << QFile::encodeName(formats);
    }
    // An installed helper is there already.
    const QByteArray programFolder = QFile::encodeName(QFileInfo(program).absolutePath());
    if (!programFolder.startsWith("/usr/lib/") && !programFolder.startsWith("/usr/lib64/"))
        arguments << "--ro-bind" << programFolder << programFolder;
    if (geteuid() == 0)
        arguments << "--uid" << QByteArray::number(nobody) << "--gid" << QByteArray::number(nobody);
    for (const QByteArray &entry : environment) {
        const int equal = entry.indexOf('=');
        if (equal > 0)
            arguments << "--setenv" << entry.left(equal) << entry.mid(equal + 1);
    }
    // The gate, beside the helper, starts it under a filter that refuses
    // any execve after that one.
    arguments << "--seccomp" << QByteArray::number(filterDescriptor) << "--remount-ro"
              << "/"
              << QFile::encodeName(QFileInfo(program).absolutePath() + QStringLiteral("/opalo-helper-gate"))
              << QFile::encodeName(program);
    return arguments;
}

pid_t HelperConfinement::spawn(
    const QString &program, int input, int output, const QByteArrayList &environment) const
{
    if (m_kind == Bubblewrap) {
        const int filter = filterDescriptorOf(bubblewrapFilter());
        if (filter < 0)
            return -1;
        const pid_t pid = start(bubblewrapArguments(program, environment), { "PATH=/usr/bin:/bin" }, input,
            output, filter, QByteArray(), true);
        const int error = errno;
        ::close(filter);
        errno = error;
        return pid;
    }
    const QByteArrayList arguments { QFile::encodeName(program) };
    if (m_kind == Unconfined) {
        static bool said = false;
        if (!std::exchange(said, true))
            qCWarning(lcThumbnails, "a thumbnail helper runs unconfined");
        return start(arguments, environment, input, output, -1, QByteArray(), false);
    }
    const QByteArray filter = filterProgram(arguments.front().constData());
    if (filter.isEmpty()) {
        errno = ENOSYS;
        return -1;
    }
    // What bubblewrap would show it, and its own process's files.
    const QByteArrayList readable { "/usr/lib", "/usr/lib64", "/lib", "/lib64", "/etc/ld.so.cache",
        QFile::encodeName(QFileInfo(program).absolutePath()), "/proc/self", "/sys/devices/system/cpu" };
    return start(
        arguments, environment, input, output, -1, filter, true, hasLandlock() ? readable : QByteArrayList());
}
