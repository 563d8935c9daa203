// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/device/DeviceBackend.h"

// A device back-end without a bus, for tests of what the engine does with a
// device once it is there: plug() makes a folder the device's mount point
// at the next search, unplug() announces its removal as a service would.
// The device is always mounted: mountDevice() has nothing to do.
class FakeDeviceBackend : public DeviceBackend
{
    Q_OBJECT

public:
    static const char udi[];

    using DeviceBackend::DeviceBackend;

    // The device is there, mounted at mountPoint.
    void plug(const QString &mountPoint);
    // The device goes: the engine hears of it at once.
    void unplug();

    void findDeviceVolume() override;
    void mountDevice() override;
    unsigned long removalNoticeMs() const override { return 0; }

private:
    bool m_plugged = false;
    QString m_mountPoint;
};
