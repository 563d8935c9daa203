// SPDX-License-Identifier: GPL-2.0-or-later
#include "FakeDeviceBackend.h"

#include "base/DeviceState.h"

const char FakeDeviceBackend::udi[] = "/fake/opalo";

void FakeDeviceBackend::plug(const QString &mountPoint, bool mounted)
{
    m_plugged = true;
    m_mounted = mounted;
    m_mountPoint = mountPoint;
}

void FakeDeviceBackend::unplug()
{
    m_plugged = false;
    m_mounted = false;
    m_mountPoint.clear();
    emit deviceRemoved(QLatin1String(udi));
}

void FakeDeviceBackend::findDeviceVolume()
{
    setDeviceUdi(m_plugged ? QLatin1String(udi) : QString());
    setMountPoint(m_mounted ? m_mountPoint : QString());
}

void FakeDeviceBackend::mountDevice()
{
    ++m_mountRequests;
    m_mounted = m_plugged;
}
