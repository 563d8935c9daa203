// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/device/HalBackend.h"

#include "base/DeviceState.h"
#include "engine/device/DeviceIds.h"
#include "engine/device/HalBus.h"
#include "engine/device/SafeRemoval.h"

#include <QDBusPendingCallWatcher>

#include <algorithm>
#include <iterator>
#include <optional>

#include <unistd.h>

namespace {

using DeviceIds::productIds;
using DeviceIds::vendorIds;

template<size_t N> bool isOneOf(const std::optional<int> &value, const int (&table)[N])
{
    return value && std::find(std::begin(table), std::end(table), *value) != std::end(table);
}

} // namespace

HalBackend::HalBackend(QObject *parent)
    : DeviceBackend(parent)
{
    HalBus::subscribeDeviceRemoved(this, SIGNAL(deviceRemoved(QString)));
}

bool HalBackend::isDeviceNode(const QString &udi)
{
    QSet<QString> visited;
    return isDeviceNode(udi, visited);
}

bool HalBackend::isDeviceNode(const QString &udi, QSet<QString> &visited)
{
    // HAL's parent links come from another process; a loop among them must
    // end the walk instead of the program.
    if (visited.contains(udi))
        return false;
    visited.insert(udi);

    if (const std::optional<QString> subsystem
        = HalBus::propertyString(udi, QStringLiteral("info.subsystem"))) {
        const std::optional<int> product
            = HalBus::propertyInteger(udi, *subsystem + QLatin1String(".product_id"));
        if (isOneOf(product, productIds)) {
            if (!isOneOf(HalBus::propertyInteger(udi, *subsystem + QLatin1String(".vendor_id")), vendorIds))
                return false;
            setDeviceUdi(udi);
            return true;
        }
    }
    const std::optional<QString> parent = HalBus::propertyString(udi, QStringLiteral("info.parent"));
    return parent && !parent->isEmpty() && isDeviceNode(*parent, visited);
}

QString HalBackend::deviceVolumeUdi()
{
    const QStringList volumes = HalBus::findDeviceByCapability(QStringLiteral("volume"));
    for (const QString &udi : volumes) {
        if (isDeviceNode(udi))
            return udi;
    }
    return QString();
}

QString HalBackend::mountedVolumeUdi(const QString &mounted)
{
    if (mounted.isEmpty())
        return QString();
    const QStringList volumes = HalBus::findDeviceByCapability(QStringLiteral("volume"));
    for (const QString &udi : volumes) {
        if (isDeviceNode(udi) && HalBus::propertyString(udi, QStringLiteral("volume.mount_point")) == mounted)
            return udi;
    }
    return QString();
}

void HalBackend::findDeviceVolume()
{
    // Built aside and stored once, so that the other threads never see a
    // half-finished search. Of several matching volumes (internal memory and
    // a memory card) the last mounted one counts: an unmounted one listed
    // after it would keep the device from ever being ready. The device node
    // kept is the one above that volume, so that its removal is noticed.
    QString found;
    QString foundDevice;
    const QStringList volumes = HalBus::findDeviceByCapability(QStringLiteral("volume"));
    for (const QString &udi : volumes) {
        if (!isDeviceNode(udi))
            continue;
        const QString point
            = HalBus::propertyString(udi, QStringLiteral("volume.mount_point")).value_or(QString());
        if (!point.isEmpty() || found.isEmpty()) {
            found = point;
            foundDevice = deviceUdi();
        }
    }
    if (!foundDevice.isEmpty())
        setDeviceUdi(foundDevice);
    setMountPoint(found);
}

void HalBackend::mountDevice()
{
    const QString udi = deviceVolumeUdi();
    if (udi.isEmpty())
        return;
    // HAL may take up to the bus's time-out to answer, and the GUI must go
    // on meanwhile; the answer itself says nothing the main window's
    // polling will not see.
    auto *watcher = new QDBusPendingCallWatcher(
        HalBus::mountVolume(udi, QStringList(QLatin1String("uid=") + QString::number(getuid()))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
}

SafeRemoval *HalBackend::safelyRemoveDevice()
{
    const QString mounted = mountPoint();
    const QString volume = mountedVolumeUdi(mounted);
    if (volume.isEmpty())
        return nullptr;
    SafeRemoval::Calls calls;
    calls.unmount = [volume] { return HalBus::unmountVolume(volume); };
    calls.notMounted = QStringLiteral("org.freedesktop.Hal.Device.Volume.NotMounted");
    auto *removal = new SafeRemoval(mounted, calls, this);
    removal->start();
    return removal;
}
