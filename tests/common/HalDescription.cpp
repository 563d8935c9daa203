// SPDX-License-Identifier: GPL-2.0-or-later
#include "HalDescription.h"

#include <QJsonDocument>

const char *const HalDescription::computerUdi = "/org/freedesktop/Hal/devices/computer";

namespace {

const QString devicesPath = QStringLiteral("/org/freedesktop/Hal/devices/");

} // namespace

HalDescription::HalDescription()
{
    addDevice(QStringLiteral("computer"),
        { QJsonObject { { "udi", QLatin1String(computerUdi) },
            { "properties", QJsonObject { { "info.product", "Computer" } } } } });
}

QString HalDescription::usbUdi(const QString &name)
{
    return devicesPath + QLatin1String("usb_device_") + name;
}

QString HalDescription::storageUdi(const QString &name)
{
    return devicesPath + QLatin1String("storage_") + name;
}

QString HalDescription::volumeUdi(const QString &name)
{
    return devicesPath + QLatin1String("volume_") + name;
}

QJsonObject HalDescription::usbNode(
    const QString &name, int vendorId, int productId, const QString &parentUdi)
{
    return { { "udi", usbUdi(name) },
        { "properties",
            QJsonObject { { "info.parent", parentUdi }, { "info.subsystem", "usb_device" },
                { "usb_device.vendor_id", vendorId }, { "usb_device.product_id", productId } } } };
}

QJsonObject HalDescription::storageNode(const QString &name, const QString &parentUdi)
{
    return { { "udi", storageUdi(name) },
        { "properties",
            QJsonObject { { "info.parent", parentUdi }, { "info.subsystem", "block" },
                { "info.capabilities", QJsonArray { "storage", "block" } } } } };
}

QJsonObject HalDescription::volumeNode(
    const QString &name, const QString &parentUdi, const QString &folder, bool mounted)
{
    return { { "udi", volumeUdi(name) },
        { "properties",
            QJsonObject { { "info.parent", parentUdi }, { "info.subsystem", "block" },
                { "info.capabilities", QJsonArray { "volume", "block" } }, { "volume.fstype", "vfat" } } },
        { "volume", QJsonObject { { "backing", folder }, { "mounted", mounted } } } };
}

QJsonArray HalDescription::opaloNodes(const QString &name, const QString &folder, bool mounted, int vendorId,
    int productId, const QString &parentUdi)
{
    return { usbNode(name, vendorId, productId, parentUdi), storageNode(name, usbUdi(name)),
        volumeNode(name, storageUdi(name), folder, mounted) };
}

HalDescription &HalDescription::addOpalo(const QString &name, const QString &folder, bool mounted,
    int vendorId, int productId, const QString &parentUdi)
{
    return addDevice(name, opaloNodes(name, folder, mounted, vendorId, productId, parentUdi));
}

HalDescription &HalDescription::addDisk(const QString &name, const QString &folder, bool mounted)
{
    const QString controller = devicesPath + QLatin1String("pci_") + name;
    const QJsonObject pci { { "udi", controller },
        { "properties",
            QJsonObject { { "info.parent", QLatin1String(computerUdi) }, { "info.subsystem", "pci" },
                { "pci.vendor_id", 0x8086 }, { "pci.product_id", 0x2922 } } } };
    return addDevice(
        name, { pci, storageNode(name, controller), volumeNode(name, storageUdi(name), folder, mounted) });
}

HalDescription &HalDescription::addDevice(const QString &name, const QJsonArray &nodes, bool plugged)
{
    m_devices.append(QJsonObject { { "name", name }, { "plugged", plugged }, { "nodes", nodes } });
    return *this;
}

QByteArray HalDescription::toJson() const
{
    return QJsonDocument(QJsonObject { { "devices", m_devices } }).toJson();
}
