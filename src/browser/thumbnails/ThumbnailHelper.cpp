// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailHelper.h"
#include "base/LogCategories.h"
#include "base/ModuleLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// A whole reply fits, so that a helper never waits for the window's thread
// to take its icon before going on.
constexpr int replyPipeBytes = 512 * 1024;

// The environment, with the folder the program itself loads modules from
// handed on: the helper then loads the video module from where the program
// would, whatever the variable said when the program ignored it.
QByteArrayList helperEnvironment()
{
    const QByteArray variable("OPALO_PLUGIN_DIR=");
    QByteArrayList entries;
    for (char **entry = environ; *entry; ++entry) {
        if (!QByteArray::fromRawData(*entry, int(qstrlen(*entry))).startsWith(variable))
            entries.append(*entry);
    }
    entries.append(variable + QFile::encodeName(ModuleLoader::folder()));
    return entries;
}

// Collects a helper that ended once it is gone, without waiting for it; one
// that cannot be watched, or that ends with the program, stays a zombie
// until the program ends.
void collect(pid_t pid)
{
    if (waitpid(pid, nullptr, WNOHANG) != 0 || !QCoreApplication::instance()
        || QCoreApplication::closingDown())
        return;
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0)
        return;
    auto *notifier = new QSocketNotifier(pidfd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, pid, pidfd] {
        waitpid(pid, nullptr, WNOHANG);
        notifier->setEnabled(false);
        notifier->deleteLater();
        ::close(pidfd);
    });
}

void closeBoth(int fds[2])
{
    ::close(fds[0]);
    ::close(fds[1]);
}

} // namespace

ThumbnailHelper::ThumbnailHelper(QObject *parent)
    : QObject(parent)
    , m_buffer(replyPipeBytes)
    , m_timeout(new QTimer(this))
{
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, [this] {
        qCDebug(lcThumbnails, "a thumbnail helper took too long and was stopped");
        die();
    });
}

ThumbnailHelper::~ThumbnailHelper()
{
    kill();
}

void ThumbnailHelper::setFileTimeout(int milliseconds)
{
    m_fileTimeoutMs = milliseconds;
}

bool ThumbnailHelper::start(const QString &program)
{
    // Requests go through a socket, which a write to a helper gone cannot
    // turn into SIGPIPE for the program.
    int requests[2];
    int replies[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, requests) != 0)
        return false;
    if (pipe2(replies, O_CLOEXEC) != 0) {
        closeBoth(requests);
        return false;
    }
    fcntl(replies[0], F_SETPIPE_SZ, replyPipeBytes);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, requests[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, replies[1], STDOUT_FILENO);
    // The helper starts with no signal blocked or ignored, whatever the
    // program did with them.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    const QByteArray path = QFile::encodeName(program);
    char *const arguments[] = { const_cast<char *>(path.constData()), nullptr };
    const QByteArrayList environment = helperEnvironment();
    std::vector<char *> variables;
    for (const QByteArray &entry : environment)
        variables.push_back(const_cast<char *>(entry.constData()));
    variables.push_back(nullptr);
    const int error
        = posix_spawn(&m_pid, path.constData(), &actions, &attributes, arguments, variables.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(requests[0]);
    ::close(replies[1]);
    if (error != 0) {
        qCWarning(lcThumbnails, "%s cannot be started: %s", path.constData(), strerror(error));
        m_pid = -1;
        ::close(requests[1]);
        ::close(replies[0]);
        return false;
    }
    m_requests = requests[1];
    m_replies = replies[0];
    fcntl(m_replies, F_SETFL, O_NONBLOCK);
    m_replyNotifier = new QSocketNotifier(m_replies, QSocketNotifier::Read, this);
    connect(m_replyNotifier, &QSocketNotifier::activated, this, &ThumbnailHelper::readReply);
    return true;
}

void ThumbnailHelper::make(const ThumbnailProtocol::Request &request)
{
    m_busy = true;
    m_timeout->start(m_reply.isGreeted() ? m_fileTimeoutMs : m_fileTimeoutMs + startTimeoutMs);
    // One small request at a time: the socket always has room for it. A
    // failed write means the process is gone; its end of file follows.
    const QByteArray bytes = ThumbnailProtocol::encodeRequest(request);
    if (::send(m_requests, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT)
        != bytes.size())
        QTimer::singleShot(0, this, &ThumbnailHelper::die);
}

void ThumbnailHelper::readReply()
{
    for (;;) {
        const ssize_t count = ::read(m_replies, m_buffer.data(), m_buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            return;
        if (count <= 0) {
            die();
            return;
        }
        const bool wasGreeted = m_reply.isGreeted();
        const auto status = m_reply.add(m_buffer.data(), int(count));
        // The file's own time starts now.
        if (!wasGreeted && m_reply.isGreeted() && m_busy)
            m_timeout->start(m_fileTimeoutMs);
        if (status == ThumbnailProtocol::ReplyReader::Invalid
            || (status != ThumbnailProtocol::ReplyReader::Incomplete && !m_busy)) {
            qCWarning(lcThumbnails, "a thumbnail helper answered nonsense and was stopped");
            die();
            return;
        }
        if (status == ThumbnailProtocol::ReplyReader::Complete) {
            m_busy = false;
            m_timeout->stop();
            const QImage icon = m_reply.icon();
            m_reply.clear();
            emit finished(icon);
            return;
        }
    }
}

void ThumbnailHelper::die()
{
    if (!isRunning())
        return;
    const bool greeted = m_reply.isGreeted();
    release(true);
    emit died(greeted);
}

void ThumbnailHelper::kill()
{
    if (isRunning())
        release(true);
}

void ThumbnailHelper::close()
{
    if (isRunning())
        release(false);
}

void ThumbnailHelper::release(bool killed)
{
    if (killed)
        ::kill(m_pid, SIGKILL);
    // Its own signal may be running.
    m_replyNotifier->setEnabled(false);
    m_replyNotifier->deleteLater();
    m_replyNotifier = nullptr;
    ::close(m_requests);
    ::close(m_replies);
    m_requests = m_replies = -1;
    collect(m_pid);
    m_pid = -1;
    m_busy = false;
    m_timeout->stop();
    m_reply.clear();
}
