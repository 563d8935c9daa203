// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDBusPendingCall>
#include <QString>
#include <QStringList>

#include <optional>

class QObject;

// Calls to the HAL service on the system bus, blocking but for the mount. A missing service, a
// missing bus or an error reply all read as "no answer"; nothing is shown or
// logged, and the bus's default time-out applies.
namespace HalBus {

// UDIs of the devices that have the capability, in HAL's order.
QStringList findDeviceByCapability(const QString &capability);

// The property of the device at udi, when HAL answers with a value of that
// type.
std::optional<QString> propertyString(const QString &udi, const QString &key);
std::optional<int> propertyInteger(const QString &udi, const QString &key);

// Asks HAL to mount the volume at udi where it chooses, with the options
// given, without waiting for the answer. Whether it worked shows in the
// volume's mount point.
QDBusPendingCall mountVolume(const QString &udi, const QStringList &options);

// Asks HAL to unmount the volume at udi, without waiting for the answer.
QDBusPendingCall unmountVolume(const QString &udi);

// Delivers HAL's DeviceRemoved(udi) to the receiver's slot, given in the
// SLOT() form that QtDBus needs.
bool subscribeDeviceRemoved(QObject *receiver, const char *slot);

} // namespace HalBus
