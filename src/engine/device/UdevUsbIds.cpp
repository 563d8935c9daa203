// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/device/UdevUsbIds.h"

#include <QByteArray>

#include <libudev.h>
#include <memory>

namespace {

std::optional<int> hexNumber(const char *text)
{
    bool ok = false;
    const int number = QByteArray(text).toInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<UdevUsbIds::Ids> idsFrom(const char *vendor, const char *product)
{
    const std::optional<int> vendorId = hexNumber(vendor);
    const std::optional<int> productId = hexNumber(product);
    if (!vendorId || !productId)
        return std::nullopt;
    return UdevUsbIds::Ids { *vendorId, *productId };
}

// A real stick: the USB device the disk hangs from.
std::optional<UdevUsbIds::Ids> usbDeviceIds(udev_device *block)
{
    udev_device *usb = udev_device_get_parent_with_subsystem_devtype(block, "usb", "usb_device");
    if (!usb)
        return std::nullopt;
    return idsFrom(
        udev_device_get_sysattr_value(usb, "idVendor"), udev_device_get_sysattr_value(usb, "idProduct"));
}

// What udev's rules recorded for the disk; a partition takes its disk's.
std::optional<UdevUsbIds::Ids> propertyIds(udev_device *block)
{
    for (udev_device *node = block; node;
        node = udev_device_get_parent_with_subsystem_devtype(node, "block", "disk")) {
        if (const std::optional<UdevUsbIds::Ids> ids
            = idsFrom(udev_device_get_property_value(node, "ID_VENDOR_ID"),
                udev_device_get_property_value(node, "ID_MODEL_ID")))
            return ids;
        if (qstrcmp(udev_device_get_devtype(node), "disk") == 0)
            break;
    }
    return std::nullopt;
}

} // namespace

UdevUsbIds::UdevUsbIds()
    : m_udev(udev_new())
{ }

UdevUsbIds::~UdevUsbIds()
{
    udev_unref(m_udev);
}

std::optional<UdevUsbIds::Ids> UdevUsbIds::ofBlockDevice(quint64 deviceNumber) const
{
    if (!m_udev)
        return std::nullopt;
    const std::unique_ptr<udev_device, decltype(&udev_device_unref)> block(
        udev_device_new_from_devnum(m_udev, 'b', static_cast<dev_t>(deviceNumber)), &udev_device_unref);
    if (!block)
        return std::nullopt;
    if (const std::optional<Ids> ids = usbDeviceIds(block.get()))
        return ids;
    return propertyIds(block.get());
}
