// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FolderWatcher.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Written files once they are closed, not at each write: a file being
// copied in is listed again when it is whole.
constexpr uint32_t noticesWanted = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE
    | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

FolderWatcher::FolderWatcher(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, &FolderWatcher::changed);
    m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify < 0)
        return;
    m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &FolderWatcher::readNotices);
}

FolderWatcher::~FolderWatcher()
{
    if (m_inotify >= 0)
        ::close(m_inotify);
}

void FolderWatcher::watch(const QString &folder)
{
    stopWatching();
    if (!folder.isEmpty() && m_inotify >= 0)
        m_watch = ::inotify_add_watch(m_inotify, QFile::encodeName(folder).constData(), noticesWanted);
}

void FolderWatcher::stopWatching()
{
    m_settle.stop();
    if (m_watch >= 0)
        ::inotify_rm_watch(m_inotify, m_watch);
    m_watch = -1;
    // Notices of the folder left are not news about the next one.
    readNotices();
}

void FolderWatcher::readNotices()
{
    alignas(inotify_event) char buffer[16 * 1024];
    bool news = false;
    for (;;) {
        const ssize_t got = ::read(m_inotify, buffer, sizeof buffer);
        if (got <= 0) {
            if (got < 0 && errno == EINTR)
                continue;
            break;
        }
        for (ssize_t at = 0; at < got;) {
            const auto *notice = reinterpret_cast<const inotify_event *>(buffer + at);
            // A watch removed earlier may still have notices queued.
            if (notice->wd == m_watch)
                news = true;
            if (notice->wd == m_watch && (notice->mask & IN_IGNORED))
                m_watch = -1;
            at += ssize_t(sizeof(inotify_event) + notice->len);
        }
    }
    if (news && !m_settle.isActive())
        m_settle.start();
}
