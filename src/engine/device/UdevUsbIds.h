// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

struct udev;

// The USB identifiers of the drive behind a block device, as udev knows
// them. UDisks2 does not publish them, so the UDisks2 back-end asks udev by
// the block's device number.
class UdevUsbIds
{
public:
    struct Ids
    {
        int vendor = 0;
        int product = 0;
    };

    UdevUsbIds();
    ~UdevUsbIds();
    UdevUsbIds(const UdevUsbIds &) = delete;
    UdevUsbIds &operator=(const UdevUsbIds &) = delete;

    // The identifiers of the block device with that number (a disk or a
    // partition), nothing when udev has none for it.
    std::optional<Ids> ofBlockDevice(quint64 deviceNumber) const;

private:
    udev *m_udev;
};
