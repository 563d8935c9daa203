// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "Description.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVector>

// One node of the simulated HAL tree, exported at its UDI with
// org.freedesktop.Hal.Device and, for a volume, org.freedesktop.Hal.Device.Volume.
class DeviceNode : public QObject, protected QDBusContext
{
    Q_OBJECT

public:
    explicit DeviceNode(const NodeDescription &description, QObject *parent = nullptr);

    QString udi() const { return m_udi; }
    bool isVolume() const { return m_isVolume; }
    bool isMounted() const { return m_properties.value(QStringLiteral("volume.is_mounted")).toBool(); }
    QString mountPoint() const { return m_properties.value(QStringLiteral("volume.mount_point")).toString(); }
    QString parentUdi() const { return m_properties.value(QStringLiteral("info.parent")).toString(); }
    bool hasCapability(const QString &capability) const;
    QStringList mountOptions() const { return m_mountOptions; }

    // Mount state changes made by the control interface, as if the volume
    // had been mounted or unmounted outside HAL.
    void setMounted(bool mounted);
    // While held, Mount calls wait for their answer; releasing answers them
    // as if they had just arrived. Plays a HAL that answers slowly or never.
    void setMountsHeld(bool held);

public slots:
    // org.freedesktop.Hal.Device
    QString GetPropertyString(const QString &key);
    int GetPropertyInteger(const QString &key);
    bool GetPropertyBoolean(const QString &key);
    bool PropertyExists(const QString &key);
    // org.freedesktop.Hal.Device.Volume
    int Mount(const QString &mountPoint, const QString &fstype, const QStringList &options);
    int Unmount(const QStringList &options);

private:
    struct HeldMount
    {
        QDBusConnection connection;
        QDBusMessage call;
    };

    // Mounts the volume; false with error set when it is mounted already.
    bool mount(const QStringList &options, QString *error);
    // The property when it exists with the given type; otherwise an invalid
    // QVariant, and the caller gets HAL's error reply.
    QVariant property(const QString &key, int type);

    QString m_udi;
    QVariantMap m_properties;
    bool m_isVolume;
    QString m_backing;
    QStringList m_mountOptions;
    bool m_mountsHeld = false;
    QVector<HeldMount> m_heldMounts;
};
