// SPDX-License-Identifier: GPL-2.0-or-later
#include "HalSimulator.h"

#include "ControlAdaptor.h"
#include "DeviceNode.h"
#include "HalManager.h"

#include <QSet>

#include <algorithm>

const char *const HalSimulator::halService = "org.freedesktop.Hal";
const char *const HalSimulator::controlService = "org.opalosync.HalSim";
const char *const HalSimulator::controlPath = "/org/opalosync/HalSim";

namespace {

const char *const managerPath = "/org/freedesktop/Hal/Manager";
const char *const noSuchDevice = "org.opalosync.HalSim.Error.NoSuchDevice";
const char *const notPlugged = "org.opalosync.HalSim.Error.NotPlugged";
const char *const alreadyPlugged = "org.opalosync.HalSim.Error.AlreadyPlugged";
const char *const noVolume = "org.opalosync.HalSim.Error.NoVolume";

const QDBusConnection::RegisterOptions exportOptions = QDBusConnection::ExportAdaptors;

} // namespace

HalSimulator::HalSimulator(
    const QDBusConnection &bus, const QVector<DeviceDescription> &devices, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_manager(new HalManager(this))
{
    new ControlAdaptor(this);
    for (const DeviceDescription &description : devices) {
        Device device;
        device.name = description.name;
        device.plugged = description.plugged;
        for (const NodeDescription &node : description.nodes) {
            auto *object = new DeviceNode(node, this);
            device.nodes << object;
            m_nodes.insert(node.udi, object);
        }
        m_devices << device;
    }
}

bool HalSimulator::start(QString *error)
{
    if (!m_bus.registerObject(QLatin1String(managerPath), m_manager, exportOptions)
        || !m_bus.registerObject(QLatin1String(controlPath), this, exportOptions)) {
        *error = QStringLiteral("cannot export the manager: %1").arg(m_bus.lastError().message());
        return false;
    }
    for (const Device &device : qAsConst(m_devices)) {
        if (device.plugged && !exportDevice(device, error))
            return false;
    }
    for (const char *service : { halService, controlService }) {
        if (!m_bus.registerService(QLatin1String(service))) {
            *error = QStringLiteral("cannot own %1: %2")
                         .arg(QLatin1String(service), m_bus.lastError().message());
            return false;
        }
    }
    return true;
}

QStringList HalSimulator::pluggedUdis(const QString &capability) const
{
    QStringList udis;
    for (const Device &device : m_devices) {
        if (!device.plugged)
            continue;
        for (const DeviceNode *node : device.nodes) {
            if (capability.isEmpty() || node->hasCapability(capability))
                udis << node->udi();
        }
    }
    return udis;
}

void HalSimulator::Plug(const QString &name)
{
    Device *device = findDevice(name);
    if (!device)
        return;
    if (device->plugged) {
        sendErrorReply(QLatin1String(alreadyPlugged), QStringLiteral("%1 is already plugged").arg(name));
        return;
    }
    QString error;
    if (!exportDevice(*device, &error)) {
        sendErrorReply(QDBusError::Failed, error);
        return;
    }
    device->plugged = true;
    QVector<DeviceNode *> nodes = nodesByDepth(*device);
    std::reverse(nodes.begin(), nodes.end());
    for (const DeviceNode *node : qAsConst(nodes))
        emit m_manager->DeviceAdded(node->udi());
}

void HalSimulator::Unplug(const QString &name)
{
    Device *device = findPluggedDevice(name);
    if (!device)
        return;
    device->plugged = false;
    const QVector<DeviceNode *> nodes = nodesByDepth(*device);
    for (DeviceNode *node : nodes) {
        m_bus.unregisterObject(node->udi());
        // A device taken out is no longer mounted anywhere.
        if (node->isVolume())
            node->setMounted(false);
        emit m_manager->DeviceRemoved(node->udi());
    }
}

void HalSimulator::Mount(const QString &name)
{
    setMounted(name, true);
}

void HalSimulator::Unmount(const QString &name)
{
    setMounted(name, false);
}

QStringList HalSimulator::List() const
{
    QStringList lines;
    for (const Device &device : m_devices) {
        const auto volume = std::find_if(device.nodes.cbegin(), device.nodes.cend(),
            [](const DeviceNode *node) { return node->isVolume(); });
        const bool mounted = volume != device.nodes.cend() && (*volume)->isMounted();
        lines << QStringList { device.name,
            device.plugged ? QStringLiteral("plugged") : QStringLiteral("unplugged"),
            mounted ? QStringLiteral("mounted") : QStringLiteral("unmounted"),
            mounted ? (*volume)->mountPoint() : QString() }
                     .join(QLatin1Char('\t'));
    }
    return lines;
}

QStringList HalSimulator::MountOptions(const QString &name)
{
    const Device *device = findDevice(name);
    if (!device)
        return QStringList();
    for (const DeviceNode *node : device->nodes) {
        if (node->isVolume())
            return node->mountOptions();
    }
    sendErrorReply(QLatin1String(noVolume), QStringLiteral("%1 has no volume").arg(name));
    return QStringList();
}

void HalSimulator::HoldMounts(bool hold)
{
    for (DeviceNode *node : qAsConst(m_nodes))
        node->setMountsHeld(hold);
}

HalSimulator::Device *HalSimulator::findDevice(const QString &name)
{
    for (Device &device : m_devices) {
        if (device.name == name)
            return &device;
    }
    sendErrorReply(QLatin1String(noSuchDevice), QStringLiteral("No device is named %1").arg(name));
    return nullptr;
}

HalSimulator::Device *HalSimulator::findPluggedDevice(const QString &name)
{
    Device *device = findDevice(name);
    if (device && !device->plugged) {
        sendErrorReply(QLatin1String(notPlugged), QStringLiteral("%1 is not plugged").arg(name));
        return nullptr;
    }
    return device;
}

void HalSimulator::setMounted(const QString &name, bool mounted)
{
    const Device *device = findPluggedDevice(name);
    if (!device)
        return;
    bool found = false;
    for (DeviceNode *node : device->nodes) {
        if (node->isVolume()) {
            node->setMounted(mounted);
            found = true;
        }
    }
    if (!found)
        sendErrorReply(QLatin1String(noVolume), QStringLiteral("%1 has no volume").arg(name));
}

bool HalSimulator::exportDevice(const Device &device, QString *error)
{
    for (DeviceNode *node : device.nodes) {
        if (!m_bus.registerObject(node->udi(), node, exportOptions)) {
            *error = QStringLiteral("cannot export %1: %2").arg(node->udi(), m_bus.lastError().message());
            return false;
        }
    }
    return true;
}

int HalSimulator::depth(const DeviceNode *node) const
{
    // Parent links come from a hand-written file and may loop.
    QSet<const DeviceNode *> seen;
    int levels = 0;
    while (node && !seen.contains(node)) {
        seen.insert(node);
        node = m_nodes.value(node->parentUdi());
        ++levels;
    }
    return levels;
}

QVector<DeviceNode *> HalSimulator::nodesByDepth(const Device &device) const
{
    QVector<DeviceNode *> nodes = device.nodes;
    std::stable_sort(nodes.begin(), nodes.end(),
        [this](const DeviceNode *a, const DeviceNode *b) { return depth(a) > depth(b); });
    return nodes;
}
