// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/device/SafeRemoval.h"

#include "base/DeviceState.h"
#include "engine/device/UDisks2Drive.h"
#include "engine/device/UDisks2Filesystem.h"
#include "engine/device/UDisks2Types.h"

#include <QDBusPendingCallWatcher>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString service = QLatin1String(udisks2Service);

void flushFileSystem(const QString &path)
{
    const int folder = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    syncfs(folder);
    close(folder);
}

} // namespace

SafeRemoval::SafeRemoval(const UDisks2Backend::Volume &volume, QObject *parent)
    : QObject(parent)
    , m_volume(volume)
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
    m_flush.reset(QThread::create(flushFileSystem, m_volume.mountPoint));
    connect(m_flush.get(), &QThread::finished, this, &SafeRemoval::unmount);
    m_flush->start();
}

void SafeRemoval::unmount()
{
    whenAnswered(UDisks2Filesystem(service, m_volume.block, QDBusConnection::systemBus()).Unmount({}),
        &SafeRemoval::unmounted);
}

void SafeRemoval::unmounted(const QDBusPendingCall &reply)
{
    // Unmounted meanwhile (from the file manager, say) is as good.
    if (reply.isError()
        && reply.error().name() != QLatin1String("org.freedesktop.UDisks2.Error.NotMounted")) {
        finish(reply.error().name());
        return;
    }
    // The folder is gone with the mount; a later "Connect" mounts anew.
    if (mountPoint() == m_volume.mountPoint)
        setMountPoint(QString());
    if (!m_volume.canPowerOff) {
        finish(QString());
        return;
    }
    whenAnswered(UDisks2Drive(service, m_volume.drive, QDBusConnection::systemBus()).PowerOff({}),
        &SafeRemoval::poweredOff);
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
