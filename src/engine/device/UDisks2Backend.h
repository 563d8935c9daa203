// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/device/DeviceBackend.h"
#include "engine/device/SafeRemoval.h"
#include "engine/device/UDisks2ObjectManager.h"

#include <QString>
#include <QVariantMap>

#include <optional>

// Finds, mounts and watches the device through UDisks2, the service that
// desktops without HAL use for removable drives. The engine asks it instead
// of HAL when UDisks2 serves the system bus and HAL does not, and it keeps
// the same process-wide device state (engine/DeviceState.h): the device's
// identifier is the UDisks2 object path of the volume's block device.
class UDisks2Backend : public DeviceBackend
{
    Q_OBJECT

public:
    // A file system on a drive with the device's USB identifiers.
    struct Volume
    {
        QString block;
        QString drive;
        QString fileSystemType;
        // Empty when it is not mounted.
        QString mountPoint;
        // Mounted through UDisks2, by this program or by the desktop.
        bool mountedThroughUDisks2 = false;
        bool canPowerOff = false;
    };

    // Whether UDisks2 answers for devices: HAL has no owner on the system
    // bus and UDisks2 has one. Asked anew each time, so that a service
    // started late is found.
    static bool isInCharge();
    // The options of a mount for the current user: "uid=" and the real user
    // id for the file systems that take it, none for the others.
    static QVariantMap mountOptions(const QString &fileSystemType);
    // What takes volume out through UDisks2.
    static SafeRemoval::Calls removalCalls(const Volume &volume);

    explicit UDisks2Backend(QObject *parent = nullptr);

    void findDeviceVolume() override;
    // Mounts the device volume only when it is not mounted yet.
    void mountDevice() override;
    // Flush, unmount, power off. Null when there is nothing this program
    // may unmount.
    SafeRemoval *safelyRemoveDevice() override;

private:
    std::optional<Volume> findVolume();
    void remember(const Volume &volume);
    void interfacesRemoved(const QDBusObjectPath &path, const QStringList &interfaces);

    UDisks2ObjectManager m_objectManager;
    // The drive of the device volume last found.
    QString m_drive;
};
