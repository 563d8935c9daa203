// SPDX-License-Identifier: GPL-2.0-or-later
#include "Description.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <limits>

namespace {

bool isObjectPath(const QString &path)
{
    static const QRegularExpression pattern(QStringLiteral("^/([A-Za-z0-9_]+(/[A-Za-z0-9_]+)*)?$"));
    return pattern.match(path).hasMatch();
}

bool propertyValue(const QJsonValue &json, QVariant *value)
{
    switch (json.type()) {
    case QJsonValue::String:
        *value = json.toString();
        return true;
    case QJsonValue::Bool:
        *value = json.toBool();
        return true;
    case QJsonValue::Double: {
        const double number = json.toDouble();
        if (number != double(qint64(number)) || number < std::numeric_limits<int>::min()
            || number > std::numeric_limits<int>::max())
            return false;
        *value = int(number);
        return true;
    }
    case QJsonValue::Array: {
        QStringList list;
        const QJsonArray array = json.toArray();
        for (const QJsonValue &item : array) {
            if (!item.isString())
                return false;
            list << item.toString();
        }
        *value = list;
        return true;
    }
    default:
        return false;
    }
}

bool readNode(const QJsonObject &json, const QDir &base, NodeDescription *node, QString *error)
{
    node->udi = json.value(QLatin1String("udi")).toString();
    if (!isObjectPath(node->udi)) {
        *error = QStringLiteral("\"%1\" is not a valid UDI (a D-Bus object path)").arg(node->udi);
        return false;
    }
    const QJsonObject properties = json.value(QLatin1String("properties")).toObject();
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        QVariant value;
        if (!propertyValue(it.value(), &value)) {
            *error = QStringLiteral("%1: property %2 is not a string, 32-bit integer, boolean or string list")
                         .arg(node->udi, it.key());
            return false;
        }
        node->properties.insert(it.key(), value);
    }
    const QJsonValue volume = json.value(QLatin1String("volume"));
    if (volume.isObject()) {
        const QString backing = volume[QLatin1String("backing")].toString();
        if (backing.isEmpty()) {
            *error = QStringLiteral("%1: a volume needs a backing folder").arg(node->udi);
            return false;
        }
        node->isVolume = true;
        node->backing = QDir::cleanPath(base.absoluteFilePath(backing));
        node->mounted = volume[QLatin1String("mounted")].toBool();
    }
    return true;
}

bool readDevice(const QJsonObject &json, const QDir &base, DeviceDescription *device, QString *error)
{
    device->name = json.value(QLatin1String("name")).toString();
    if (device->name.isEmpty()) {
        *error = QStringLiteral("a device has no name");
        return false;
    }
    device->plugged = json.value(QLatin1String("plugged")).toBool(true);
    const QJsonArray nodes = json.value(QLatin1String("nodes")).toArray();
    for (const QJsonValue &value : nodes) {
        NodeDescription node;
        if (!readNode(value.toObject(), base, &node, error))
            return false;
        device->nodes << node;
    }
    return true;
}

bool checkUnique(const QVector<DeviceDescription> &devices, QString *error)
{
    QSet<QString> names;
    QSet<QString> udis;
    for (const DeviceDescription &device : devices) {
        if (names.contains(device.name)) {
            *error = QStringLiteral("device name %1 is used twice").arg(device.name);
            return false;
        }
        names.insert(device.name);
        for (const NodeDescription &node : device.nodes) {
            if (udis.contains(node.udi)) {
                *error = QStringLiteral("UDI %1 is used twice").arg(node.udi);
                return false;
            }
            udis.insert(node.udi);
        }
    }
    return true;
}

} // namespace

bool loadDescription(const QString &fileName, QVector<DeviceDescription> *devices, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2").arg(fileName, parseError.errorString());
        return false;
    }
    const QDir base = QFileInfo(fileName).absoluteDir();
    const QJsonArray array = document.object().value(QLatin1String("devices")).toArray();
    for (const QJsonValue &value : array) {
        DeviceDescription device;
        if (!readDevice(value.toObject(), base, &device, error))
            return false;
        devices->append(device);
    }
    return checkUnique(*devices, error);
}
