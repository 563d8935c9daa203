// SPDX-License-Identifier: GPL-2.0-or-later
#include "HalManager.h"

#include "HalSimulator.h"
#include "ManagerAdaptor.h"

HalManager::HalManager(HalSimulator *simulator)
    : QObject(simulator)
    , m_simulator(simulator)
{
    new ManagerAdaptor(this);
}

QStringList HalManager::FindDeviceByCapability(const QString &capability) const
{
    return m_simulator->pluggedUdis(capability);
}

QStringList HalManager::GetAllDevices() const
{
    return m_simulator->pluggedUdis(QString());
}
