// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class HalSimulator;

// The manager object of the simulated HAL, /org/freedesktop/Hal/Manager.
class HalManager : public QObject
{
    Q_OBJECT

public:
    explicit HalManager(HalSimulator *simulator);

public slots:
    QStringList FindDeviceByCapability(const QString &capability) const;
    QStringList GetAllDevices() const;

signals:
    void DeviceAdded(const QString &udi);
    void DeviceRemoved(const QString &udi);

private:
    HalSimulator *m_simulator;
};
