// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QString>

class SafeRemoval;

// What the engine asks of the service that knows the machine's removable
// volumes: find the device and its mount point, have it mounted, and tell
// when it goes. HAL and UDisks2 are the real ones; tests give the engine a
// stand-in that needs no bus.
//
// A back-end keeps the process-wide device state (base/DeviceState.h): it
// writes the identifier and the mount point it finds there.
class DeviceBackend : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Refreshes the device's identifier and mount point (GUI thread).
    virtual void findDeviceVolume() = 0;
    // Asks for the device volume to be mounted for the user, without
    // waiting: whether it worked shows in the mount point.
    virtual void mountDevice() = 0;
    // Starts taking the device out so that it can be unplugged; null where
    // the back-end has nothing to undo.
    virtual SafeRemoval *safelyRemoveDevice() { return nullptr; }
    // How long after the first failed access to a pulled device the
    // back-end may take to tell of its removal.
    virtual unsigned long removalNoticeMs() const { return 300; }

signals:
    // The device known by udi went away.
    void deviceRemoved(const QString &udi);
};
