// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/device/SafeRemoval.h"

#include "base/DeviceState.h"

#include <QDBusPendingCallWatcher>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

void flushFileSystem(const QString &path)
{
    const int folder = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    syncfs(folder);
    close(folder);
}

} // namespace

SafeRemoval::SafeRemoval(const QString &mountPoint, const Calls &calls, QObject *parent)
    : QObject(parent)
    , m_mountPoint(mountPoint)
    , m_calls(calls)
{ }

SafeRemoval::~SafeRemoval()
{
    if (m_flush)
        m_flush->wait();
}

void SafeRemoval::start()
{
    // Unmounting writes the cache out too, but on a slow stick that can
    // outlast the bus's time-out for the Unmount call; writing it out first,
    // off the GUI thread, keeps the window responsive meanwhile.
    m_flush.reset(QThread::create(flushFileSystem, m_mountPoint));
    connect(m_flush.get(), &QThread::finished, this, &SafeRemoval::unmount);
    m_flush->start();
}

void SafeRemoval::unmount()
{
    whenAnswered(m_calls.unmount(), &SafeRemoval::unmounted);
}

void SafeRemoval::unmounted(const QDBusPendingCall &reply)
{
    // Unmounted meanwhile (from the file manager, say) is as good.
    if (reply.isError() && reply.error().name() != m_calls.notMounted) {
        finish(reply.error().name());
        return;
    }
    // The folder is gone with the mount; a later "Connect" mounts anew.
    if (mountPoint() == m_mountPoint)
        setMountPoint(QString());
    if (!m_calls.powerOff) {
        finish(QString());
        return;
    }
    whenAnswered(m_calls.powerOff(), &SafeRemoval::poweredOff);
}

void SafeRemoval::poweredOff(const QDBusPendingCall &)
{
    // The volume is unmounted whether or not the drive went off, so the
    // device may be unplugged either way.
    finish(QString());
}

void SafeRemoval::whenAnswered(
    const QDBusPendingCall &call, void (SafeRemoval::*handler)(const QDBusPendingCall &))
{
    auto *watcher = new QDBusPendingCallWatcher(call, this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this, handler](QDBusPendingCallWatcher *answer) {
            answer->deleteLater();
            (this->*handler)(*answer);
        });
}

void SafeRemoval::finish(const QString &error)
{
    emit finished(error);
    deleteLater();
}
