// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "Description.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QHash>
#include <QObject>
#include <QStringList>

class DeviceNode;
class HalManager;

// A small stand-in for the HAL daemon: serves the device tree of a
// description file under the name org.freedesktop.Hal, and lets tests and
// demos plug, unplug, mount and unmount its devices through the control
// interface org.opalosync.HalSim.
class HalSimulator : public QObject, protected QDBusContext
{
    Q_OBJECT

public:
    static const char *const halService;
    static const char *const controlService;
    static const char *const controlPath;

    HalSimulator(
        const QDBusConnection &bus, const QVector<DeviceDescription> &devices, QObject *parent = nullptr);

    // Exports the manager, the control object and every plugged device, then
    // takes both service names.
    bool start(QString *error);

    // UDIs of the plugged nodes that have the capability (all plugged nodes
    // for an empty one), in description order.
    QStringList pluggedUdis(const QString &capability) const;

public slots:
    void Plug(const QString &device);
    void Unplug(const QString &device);
    void Mount(const QString &device);
    void Unmount(const QString &device);
    QStringList List() const;
    QStringList MountOptions(const QString &device);
    void HoldMounts(bool hold);

private:
    struct Device
    {
        QString name;
        bool plugged = false;
        QVector<DeviceNode *> nodes;
    };

    // The named device; otherwise null, after an error reply to the caller.
    Device *findDevice(const QString &name);
    Device *findPluggedDevice(const QString &name);
    void setMounted(const QString &name, bool mounted);
    bool exportDevice(const Device &device, QString *error);
    int depth(const DeviceNode *node) const;
    QVector<DeviceNode *> nodesByDepth(const Device &device) const;

    QDBusConnection m_bus;
    QVector<Device> m_devices;
    QHash<QString, DeviceNode *> m_nodes;
    HalManager *m_manager;
};
