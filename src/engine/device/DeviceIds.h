// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <algorithm>
#include <iterator>

// USB identifiers under which the device shows up; any product goes with
// any vendor. Both device back-ends (HAL and UDisks2) recognise it by them.
namespace DeviceIds {

inline constexpr int productIds[] = { 0x3307, 0xA4A5, 0x0151 };
inline constexpr int vendorIds[] = { 0x03F0, 0x0525, 0x0457 };

inline bool isDevice(int vendor, int product)
{
    return std::find(std::begin(productIds), std::end(productIds), product) != std::end(productIds)
        && std::find(std::begin(vendorIds), std::end(vendorIds), vendor) != std::end(vendorIds);
}

} // namespace DeviceIds
