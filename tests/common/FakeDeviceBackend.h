// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/device/DeviceBackend.h"

// A device back-end without a bus, for tests of what the engine does with a
// device once it is there: plug() makes a folder the device's mount point
// at the next search once it is mounted, unplug() announces its removal as
// a service would.
class FakeDeviceBackend : public DeviceBackend
{
    Q_OBJECT

public:
    static const char udi[];

    using DeviceBackend::DeviceBackend;

    // The device is there, to be mounted at mountPoint; mounted already
    // unless told otherwise, else by the next mountDevice().
    void plug(const QString &mountPoint, bool mounted = true);
    bool isMounted() const { return m_mounted; }
    // How often the engine asked for the device to be mounted.
    int mountRequests() const { return m_mountRequests; }
    // The device goes: the engine hears of it at once.
    void unplug();

    void findDeviceVolume() override;
    void mountDevice() override;
    unsigned long removalNoticeMs() const override { return 0; }

private:
    bool m_plugged = false;
    bool m_mounted = false;
    int m_mountRequests = 0;
    QString m_mountPoint;
};
