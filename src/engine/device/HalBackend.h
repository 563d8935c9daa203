// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/device/DeviceBackend.h"

#include <QSet>

// Finds and mounts the device through HAL: the device is the volume below a
// node whose USB identifiers are the device's, its identifier that node's
// UDI. HAL's DeviceRemoved arrives as deviceRemoved().
class HalBackend : public DeviceBackend
{
    Q_OBJECT

public:
    explicit HalBackend(QObject *parent = nullptr);

    // Whether udi, or a node above it in HAL's tree, carries the device's
    // identifiers; the node found becomes the device's identifier.
    bool isDeviceNode(const QString &udi);
    // The first of HAL's volumes that belongs to the device, or empty.
    QString deviceVolumeUdi();

    void findDeviceVolume() override;
    void mountDevice() override;
    // Flush and unmount through HAL. Null when no volume of the device is
    // mounted.
    SafeRemoval *safelyRemoveDevice() override;

private:
    bool isDeviceNode(const QString &udi, QSet<QString> &visited);
    // The device's volume mounted on mounted, or empty.
    QString mountedVolumeUdi(const QString &mounted);
};
