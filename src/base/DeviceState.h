// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The device the program currently knows: its mount directory and the HAL
// identifier of the node that identified it, both empty when no device is
// present. They are process-wide and read from several threads (the engine
// thread, the copy worker), so they are reached only through these
// functions, which share one lock.

QString mountPoint();
void setMountPoint(const QString &path);
// Counts the times a device appeared: the mount point was set to a new,
// non-empty path.
quint64 deviceArrival();

QString deviceUdi();
void setDeviceUdi(const QString &udi);

// Whether a device is known and its mount directory can be read: false
// once it has gone, whether or not its removal was announced yet.
bool deviceReachable();

// Forgets the device when udi is the stored, non-empty identifier: both
// strings become empty. Returns whether it did.
bool forgetDevice(const QString &udi);
