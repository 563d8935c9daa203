// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/ThumbnailHelper.h"
#include "base/LogCategories.h"
#include "base/ModuleLoader.h"
#include "browser/thumbnails/HelperConfinement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// The replies to every file a helper is handed fit, so that it never waits
// for the window's thread to take an icon before going on.
constexpr int replyPipeBytes = 1024 * 1024;

// Each reply hands the helper its next file, which it may answer at once
// (an empty or unreadable one): reading until the pipe is empty could then
// go on for many frames. Past this, the rest waits for the next pass of the
// event loop, the pipe still readable.
constexpr qint64 readBudgetNs = 3 * 1000 * 1000;

// Nothing of the user's environment but the sanitizers' options, and the
// folder the program itself loads modules from: the helper then loads the
// video module from where the program would, whatever the variable said
// when the program ignored it.
QByteArrayList helperEnvironment()
{
    QByteArrayList entries;
    for (char **entry = environ; *entry; ++entry) {
        const QByteArray variable = QByteArray::fromRawData(*entry, int(qstrlen(*entry)));
        if (variable.left(variable.indexOf('=')).endsWith("SAN_OPTIONS"))
            entries.append(*entry);
    }
    entries.append("OPALO_PLUGIN_DIR=" + QFile::encodeName(ModuleLoader::folder()));
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

bool ThumbnailHelper::start(const QString &program, const HelperConfinement &confinement)
{
    // Requests, and the descriptors of their files, go through a socket,
    // which a write to a helper gone cannot turn into SIGPIPE for the
    // program.
    int requests[2];
    int replies[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, requests) != 0)
        return false;
    if (pipe2(replies, O_CLOEXEC) != 0) {
        closeBoth(requests);
        return false;
    }
    fcntl(replies[0], F_SETPIPE_SZ, replyPipeBytes);
    m_pid = confinement.spawn(program, requests[0], replies[1], helperEnvironment());
    const int error = errno;
    ::close(requests[0]);
    ::close(replies[1]);
    if (m_pid < 0) {
        qCWarning(lcThumbnails, "%s cannot be started: %s", qUtf8Printable(program), strerror(error));
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

void ThumbnailHelper::make(ThumbnailProtocol::Request &request)
{
    if (m_pending++ == 0)
        m_timeout->start(m_reply.isGreeted() ? m_fileTimeoutMs : m_fileTimeoutMs + startTimeoutMs);
    // A few small requests at a time: the socket always has room for them.
    // A failed write means the process is gone.
    const bool sent = ThumbnailProtocol::sendRequest(m_requests, request);
    ThumbnailProtocol::closeDescriptors(request);
    if (!sent)
        QTimer::singleShot(0, this, &ThumbnailHelper::dieOnceRead);
}

void ThumbnailHelper::dieOnceRead()
{
    // What it wrote before it ended still counts: its greeting tells
    // whether the file in hand was its end, and its replies are answers.
    readReplies(-1);
    die();
}

void ThumbnailHelper::readReply()
{
    readReplies(readBudgetNs);
}

void ThumbnailHelper::readReplies(qint64 budgetNs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (budgetNs >= 0 && clock.nsecsElapsed() > budgetNs)
            return;
        int size = 0;
        char *room = m_reply.room(size);
        const ssize_t count = ::read(m_replies, room, size_t(size));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            return;
        if (count <= 0) {
            die();
            return;
        }
        const bool wasGreeted = m_reply.isGreeted();
        const auto status = m_reply.commit(int(count));
        // The file's own time starts once the process is ready.
        if (!wasGreeted && m_reply.isGreeted() && m_pending > 0)
            m_timeout->start(m_fileTimeoutMs);
        if (status != ThumbnailProtocol::ReplyReader::Incomplete && !takeReply(status))
            return;
    }
}

bool ThumbnailHelper::takeReply(ThumbnailProtocol::ReplyReader::Status status)
{
    if (status == ThumbnailProtocol::ReplyReader::Invalid || m_pending == 0) {
        qCWarning(lcThumbnails, "a thumbnail helper answered nonsense and was stopped");
        die();
        return false;
    }
    if (--m_pending > 0)
        m_timeout->start(m_fileTimeoutMs);
    else
        m_timeout->stop();
    const ThumbnailProtocol::Reply reply = m_reply.reply();
    m_reply.clear();
    emit finished(reply);
    // Whoever took the icon may have stopped the process.
    return isRunning();
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
    // With whatever it started, as far as the box let it start anything.
    if (killed) {
        ::kill(-m_pid, SIGKILL);
        ::kill(m_pid, SIGKILL);
    }
    // Its own signal may be running.
    m_replyNotifier->setEnabled(false);
    m_replyNotifier->deleteLater();
    m_replyNotifier = nullptr;
    ::close(m_requests);
    ::close(m_replies);
    m_requests = m_replies = -1;
    collect(m_pid);
    m_pid = -1;
    m_pending = 0;
    m_timeout->stop();
    m_reply.clear();
}
