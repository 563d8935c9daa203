// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/DeviceState.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace {

struct DeviceState
{
    QMutex lock;
    QString mountPoint;
    QString deviceUdi;
    quint64 arrival = 0;
};

DeviceState &state()
{
    static DeviceState instance;
    return instance;
}

} // namespace

QString mountPoint()
{
    QMutexLocker locker(&state().lock);
    return state().mountPoint;
}

void setMountPoint(const QString &path)
{
    QMutexLocker locker(&state().lock);
    if (!path.isEmpty() && path != state().mountPoint)
        ++state().arrival;
    state().mountPoint = path;
}

quint64 deviceArrival()
{
    QMutexLocker locker(&state().lock);
    return state().arrival;
}

QString deviceUdi()
{
    QMutexLocker locker(&state().lock);
    return state().deviceUdi;
}

void setDeviceUdi(const QString &udi)
{
    QMutexLocker locker(&state().lock);
    state().deviceUdi = udi;
}

bool deviceReachable()
{
    const QString root = mountPoint();
    return !root.isEmpty() && QFileInfo(root).isReadable();
}

bool forgetDevice(const QString &udi)
{
    QMutexLocker locker(&state().lock);
    if (state().deviceUdi.isEmpty() || state().deviceUdi != udi)
        return false;
    state().deviceUdi.clear();
    state().mountPoint.clear();
    return true;
}
