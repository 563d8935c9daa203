// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QVariantMap>
#include <QVector>

// The device tree the simulator serves, read from a JSON file:
//
//   { "devices": [ { "name": "opalo1", "plugged": true,
//                    "nodes": [ { "udi": "/org/freedesktop/Hal/devices/...",
//                                 "properties": { "info.parent": "...", "usb_device.vendor_id": 1317 },
//                                 "volume": { "backing": "sample", "mounted": true } } ] } ] }
//
// Property values are JSON strings, integers, booleans or arrays of strings.
// A node with a "volume" object is a volume: its backing folder (relative to
// the description file unless absolute) becomes "volume.mount_point" while
// it is mounted.

struct NodeDescription
{
    QString udi;
    QVariantMap properties;
    bool isVolume = false;
    QString backing;
    bool mounted = false;
};

struct DeviceDescription
{
    QString name;
    bool plugged = true;
    QVector<NodeDescription> nodes;
};

// Reads and checks the description file; on failure returns false with a
// message naming the problem.
bool loadDescription(const QString &fileName, QVector<DeviceDescription> *devices, QString *error);
