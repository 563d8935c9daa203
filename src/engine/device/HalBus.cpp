// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/device/HalBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QRegularExpression>

namespace {

const char *const service = "org.freedesktop.Hal";
const char *const managerPath = "/org/freedesktop/Hal/Manager";
const char *const managerInterface = "org.freedesktop.Hal.Manager";
const char *const deviceInterface = "org.freedesktop.Hal.Device";
const char *const volumeInterface = "org.freedesktop.Hal.Device.Volume";

// HAL's answers name the objects to ask next; one that is not an object path
// is no answer, and is not handed to QtDBus, which would complain about it.
bool isObjectPath(const QString &path)
{
    static const QRegularExpression pattern(QStringLiteral("^/([A-Za-z0-9_]+(/[A-Za-z0-9_]+)*)?$"));
    return pattern.match(path).hasMatch();
}

QDBusMessage methodCall(
    const QString &path, const char *interface, const char *method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(service), path, QLatin1String(interface), QLatin1String(method));
    message.setArguments(arguments);
    return message;
}

QDBusMessage call(
    const QString &path, const char *interface, const char *method, const QVariantList &arguments)
{
    if (!isObjectPath(path))
        return QDBusMessage();
    return QDBusConnection::systemBus().call(methodCall(path, interface, method, arguments));
}

// The first argument of a normal reply; invalid for an error or an empty
// reply.
QVariant callForValue(const QString &path, const char *interface, const char *method, const QString &argument)
{
    const QDBusMessage reply = call(path, interface, method, { argument });
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().constFirst();
}

} // namespace

namespace HalBus {

QStringList findDeviceByCapability(const QString &capability)
{
    return callForValue(QLatin1String(managerPath), managerInterface, "FindDeviceByCapability", capability)
        .toStringList();
}

std::optional<QString> propertyString(const QString &udi, const QString &key)
{
    const QVariant value = callForValue(udi, deviceInterface, "GetPropertyString", key);
    if (value.userType() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

std::optional<int> propertyInteger(const QString &udi, const QString &key)
{
    const QVariant value = callForValue(udi, deviceInterface, "GetPropertyInteger", key);
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

QDBusPendingCall mountVolume(const QString &udi, const QStringList &options)
{
    if (!isObjectPath(udi))
        return QDBusPendingCall::fromCompletedCall(QDBusMessage());
    // No interface object is built first: its validity would come from
    // QtDBus's cache of name owners, which lags behind a HAL that has just
    // started. A volume that cannot be mounted answers with an error, which
    // is as good as not asking.
    return QDBusConnection::systemBus().asyncCall(
        methodCall(udi, volumeInterface, "Mount", { QString(), QString(), options }));
}

QDBusPendingCall unmountVolume(const QString &udi)
{
    if (!isObjectPath(udi))
        return QDBusPendingCall::fromCompletedCall(QDBusMessage());
    return QDBusConnection::systemBus().asyncCall(
        methodCall(udi, volumeInterface, "Unmount", { QStringList() }));
}

bool subscribeDeviceRemoved(QObject *receiver, const char *slot)
{
    return QDBusConnection::systemBus().connect(QLatin1String(service), QLatin1String(managerPath),
        QLatin1String(managerInterface), QStringLiteral("DeviceRemoved"), receiver, slot);
}

} // namespace HalBus
