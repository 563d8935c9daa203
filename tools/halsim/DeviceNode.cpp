// SPDX-License-Identifier: GPL-2.0-or-later
#include "DeviceNode.h"

#include "DeviceAdaptor.h"
#include "VolumeAdaptor.h"

#include <QDBusConnection>

namespace {

const char *const noSuchProperty = "org.freedesktop.Hal.NoSuchProperty";
const char *const typeMismatch = "org.freedesktop.Hal.TypeMismatch";
const char *const alreadyMounted = "org.freedesktop.Hal.Device.Volume.AlreadyMounted";
const char *const notMounted = "org.freedesktop.Hal.Device.Volume.NotMounted";

} // namespace

DeviceNode::DeviceNode(const NodeDescription &description, QObject *parent)
    : QObject(parent)
    , m_udi(description.udi)
    , m_properties(description.properties)
    , m_isVolume(description.isVolume)
    , m_backing(description.backing)
{
    m_properties.insert(QStringLiteral("info.udi"), m_udi);
    new DeviceAdaptor(this);
    if (m_isVolume) {
        new VolumeAdaptor(this);
        setMounted(description.mounted);
    }
}

bool DeviceNode::hasCapability(const QString &capability) const
{
    return m_properties.value(QStringLiteral("info.capabilities")).toStringList().contains(capability);
}

void DeviceNode::setMounted(bool mounted)
{
    m_properties.insert(QStringLiteral("volume.is_mounted"), mounted);
    m_properties.insert(QStringLiteral("volume.mount_point"), mounted ? m_backing : QString());
}

QVariant DeviceNode::property(const QString &key, int type)
{
    const auto it = m_properties.constFind(key);
    if (it == m_properties.constEnd()) {
        sendErrorReply(
            QLatin1String(noSuchProperty), QStringLiteral("No property %1 on device %2").arg(key, m_udi));
        return QVariant();
    }
    if (it->userType() != type) {
        sendErrorReply(QLatin1String(typeMismatch),
            QStringLiteral("Property %1 on device %2 has another type").arg(key, m_udi));
        return QVariant();
    }
    return *it;
}

QString DeviceNode::GetPropertyString(const QString &key)
{
    return property(key, QMetaType::QString).toString();
}

int DeviceNode::GetPropertyInteger(const QString &key)
{
    return property(key, QMetaType::Int).toInt();
}

bool DeviceNode::GetPropertyBoolean(const QString &key)
{
    return property(key, QMetaType::Bool).toBool();
}

bool DeviceNode::PropertyExists(const QString &key)
{
    return m_properties.contains(key);
}

void DeviceNode::setMountsHeld(bool held)
{
    m_mountsHeld = held;
    if (held)
        return;
    for (const HeldMount &held : qAsConst(m_heldMounts)) {
        QString error;
        const QStringList options = held.call.arguments().value(2).toStringList();
        held.connection.send(mount(options, &error)
                ? held.call.createReply(0)
                : held.call.createErrorReply(QLatin1String(alreadyMounted), error));
    }
    m_heldMounts.clear();
}

bool DeviceNode::mount(const QStringList &options, QString *error)
{
    if (isMounted()) {
        *error = QStringLiteral("Device %1 is already mounted").arg(m_udi);
        return false;
    }
    m_mountOptions = options;
    setMounted(true);
    return true;
}

int DeviceNode::Mount(const QString &mountPoint, const QString &fstype, const QStringList &options)
{
    Q_UNUSED(mountPoint)
    Q_UNUSED(fstype)
    if (m_mountsHeld) {
        setDelayedReply(true);
        m_heldMounts.append({ connection(), message() });
        return 0;
    }
    QString error;
    if (!mount(options, &error))
        sendErrorReply(QLatin1String(alreadyMounted), error);
    return 0;
}

int DeviceNode::Unmount(const QStringList &options)
{
    Q_UNUSED(options)
    if (!isMounted()) {
        sendErrorReply(QLatin1String(notMounted), QStringLiteral("Device %1 is not mounted").arg(m_udi));
        return 0;
    }
    setMounted(false);
    return 0;
}
