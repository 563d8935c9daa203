// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/device/UDisks2Backend.h"

#include "base/DeviceState.h"
#include "engine/device/DeviceIds.h"
#include "engine/device/UDisks2Drive.h"
#include "engine/device/UDisks2Filesystem.h"
#include "engine/device/UdevUsbIds.h"

#include <QDBusConnectionInterface>
#include <QFile>

#include <unistd.h>

namespace {

const QString udisksService = QLatin1String(udisks2Service);
const QString halService = QStringLiteral("org.freedesktop.Hal");
const QString rootPath = QStringLiteral("/org/freedesktop/UDisks2");
const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString filesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString driveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");
// The mark UDisks2 leaves on the mounts it makes.
const QString udisks2Helper = QStringLiteral("uhelper=udisks2");

// UDisks2 gives mount points as byte strings ending in NUL.
QString firstMountPoint(const QVariant &mountPoints)
{
    const QByteArrayList points = qdbus_cast<QByteArrayList>(mountPoints);
    if (points.isEmpty())
        return QString();
    const QByteArray &point = points.constFirst();
    return QFile::decodeName(point.left(point.indexOf('\0')));
}

UDisks2Backend::Volume volumeOf(
    const QString &path, const UDisks2Interfaces &interfaces, const UDisks2ManagedObjects &objects)
{
    const QVariantMap block = interfaces.value(blockInterface);
    UDisks2Backend::Volume volume;
    volume.block = path;
    volume.drive = block.value(QStringLiteral("Drive")).value<QDBusObjectPath>().path();
    volume.fileSystemType = block.value(QStringLiteral("IdType")).toString();
    volume.mountPoint
        = firstMountPoint(interfaces.value(filesystemInterface).value(QStringLiteral("MountPoints")));
    volume.mountedThroughUDisks2
        = block.value(QStringLiteral("UserspaceMountOptions")).toStringList().contains(udisks2Helper);
    volume.canPowerOff = objects.value(QDBusObjectPath(volume.drive))
                             .value(driveInterface)
                             .value(QStringLiteral("CanPowerOff"))
                             .toBool();
    return volume;
}

} // namespace

bool UDisks2Backend::isInCharge()
{
    const QDBusConnectionInterface *bus = QDBusConnection::systemBus().interface();
    return bus && !bus->isServiceRegistered(halService).value()
        && bus->isServiceRegistered(udisksService).value();
}

QVariantMap UDisks2Backend::mountOptions(const QString &fileSystemType)
{
    static const QStringList takeUid
        = { QStringLiteral("vfat"), QStringLiteral("exfat"), QStringLiteral("ntfs") };
    if (!takeUid.contains(fileSystemType))
        return QVariantMap();
    return { { QStringLiteral("options"), QStringLiteral("uid=%1").arg(getuid()) } };
}

UDisks2Backend::UDisks2Backend(QObject *parent)
    : DeviceBackend(parent)
    , m_objectManager(udisksService, rootPath, QDBusConnection::systemBus())
{
    registerUDisks2Types();
    connect(
        &m_objectManager, &UDisks2ObjectManager::InterfacesRemoved, this, &UDisks2Backend::interfacesRemoved);
}

void UDisks2Backend::findDeviceVolume()
{
    const std::optional<Volume> volume = findVolume();
    if (volume)
        remember(*volume);
    setMountPoint(volume ? volume->mountPoint : QString());
}

void UDisks2Backend::mountDevice()
{
    const std::optional<Volume> volume = findVolume();
    if (!volume)
        return;
    remember(*volume);
    // A volume mounted meanwhile (by the desktop) would only earn an
    // AlreadyMounted error.
    if (!volume->mountPoint.isEmpty())
        return;
    // The reply is not awaited: a refusal (NotAuthorized, AlreadyMounted)
    // shows as a mount point that never comes, as under HAL, and the window
    // stays responsive while the desktop asks the user for a password.
    UDisks2Filesystem(udisksService, volume->block, QDBusConnection::systemBus())
        .Mount(mountOptions(volume->fileSystemType));
}

SafeRemoval *UDisks2Backend::safelyRemoveDevice()
{
    const std::optional<Volume> volume = findVolume();
    // A mount the system made (an administrator, fstab) is not ours to undo.
    if (!volume || volume->block != deviceUdi() || volume->mountPoint.isEmpty()
        || !volume->mountedThroughUDisks2)
        return nullptr;
    auto *removal = new SafeRemoval(volume->mountPoint, removalCalls(*volume), this);
    removal->start();
    return removal;
}

SafeRemoval::Calls UDisks2Backend::removalCalls(const Volume &volume)
{
    SafeRemoval::Calls calls;
    calls.unmount = [block = volume.block] {
        return UDisks2Filesystem(udisksService, block, QDBusConnection::systemBus()).Unmount({});
    };
    if (volume.canPowerOff) {
        calls.powerOff = [drive = volume.drive] {
            return UDisks2Drive(udisksService, drive, QDBusConnection::systemBus()).PowerOff({});
        };
    }
    calls.notMounted = QStringLiteral("org.freedesktop.UDisks2.Error.NotMounted");
    return calls;
}

std::optional<UDisks2Backend::Volume> UDisks2Backend::findVolume()
{
    QDBusPendingReply<UDisks2ManagedObjects> reply = m_objectManager.GetManagedObjects();
    reply.waitForFinished();
    if (reply.isError())
        return std::nullopt;
    const UDisks2ManagedObjects objects = reply.value();
    const UdevUsbIds udev;
    std::optional<Volume> found;
    for (auto object = objects.cbegin(); object != objects.cend(); ++object) {
        if (!object->contains(filesystemInterface))
            continue;
        const std::optional<UdevUsbIds::Ids> ids = udev.ofBlockDevice(
            object->value(blockInterface).value(QStringLiteral("DeviceNumber")).toULongLong());
        if (!ids || !DeviceIds::isDevice(ids->vendor, ids->product))
            continue;
        const Volume volume = volumeOf(object.key().path(), *object, objects);
        // Of several volumes on the device, a mounted one is what the user
        // works with.
        if (!found || (found->mountPoint.isEmpty() && !volume.mountPoint.isEmpty()))
            found = volume;
    }
    return found;
}

void UDisks2Backend::remember(const Volume &volume)
{
    setDeviceUdi(volume.block);
    m_drive = volume.drive;
}

void UDisks2Backend::interfacesRemoved(const QDBusObjectPath &path, const QStringList &interfaces)
{
    const QString udi = deviceUdi();
    if (udi.isEmpty())
        return;
    const bool volumeGone = path.path() == udi
        && (interfaces.contains(blockInterface) || interfaces.contains(filesystemInterface));
    const bool driveGone = path.path() == m_drive && interfaces.contains(driveInterface);
    // The device's block or drive object went away.
    if (volumeGone || driveGone)
        emit deviceRemoved(udi);
}
