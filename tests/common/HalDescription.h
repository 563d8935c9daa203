// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// Builds the device tree the HAL simulator serves. It starts with the
// computer node; devices are groups of nodes that are plugged and unplugged
// together. Device names become part of UDIs, so they are letters, digits
// and underscores.
class HalDescription
{
public:
    static const char *const computerUdi;
    // The identifiers of the netbook's USB node.
    static const int opaloVendorId = 0x0525;
    static const int opaloProductId = 0xA4A5;

    HalDescription();

    static QString usbUdi(const QString &name);
    static QString storageUdi(const QString &name);
    static QString volumeUdi(const QString &name);

    static QJsonObject usbNode(const QString &name, int vendorId, int productId, const QString &parentUdi);
    static QJsonObject storageNode(const QString &name, const QString &parentUdi);
    static QJsonObject volumeNode(
        const QString &name, const QString &parentUdi, const QString &folder, bool mounted);

    // A netbook: a USB node with the given identifiers below parentUdi, under
    // it a storage node, under that a volume over folder.
    static QJsonArray opaloNodes(const QString &name, const QString &folder, bool mounted, int vendorId,
        int productId, const QString &parentUdi);
    HalDescription &addOpalo(const QString &name, const QString &folder, bool mounted = true,
        int vendorId = opaloVendorId, int productId = opaloProductId,
        const QString &parentUdi = QLatin1String(computerUdi));
    // An internal disk that has nothing to do with the netbook.
    HalDescription &addDisk(const QString &name, const QString &folder, bool mounted = true);
    HalDescription &addDevice(const QString &name, const QJsonArray &nodes, bool plugged = true);

    QByteArray toJson() const;

private:
    QJsonArray m_devices;
};
