// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TL09Engine.h"

#include "engine/DeviceState.h"
#include "engine/HalBus.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include <unistd.h>

namespace {

// USB identifiers under which the device shows up; any product goes with
// any vendor.
const int productIds[] = { 0x3307, 0xA4A5, 0x0151 };
const int vendorIds[] = { 0x03F0, 0x0525, 0x0457 };

const unsigned long stopTimeoutMs = 3000;

template<size_t N> bool isOneOf(const std::optional<int> &value, const int (&table)[N])
{
    return value && std::find(std::begin(table), std::end(table), *value) != std::end(table);
}

} // namespace

TL09Engine *TL09Engine::instance()
{
    static TL09Engine *const engine = new TL09Engine;
    return engine;
}

TL09Engine::TL09Engine(QObject *parent)
    : QThread(parent)
    , m_copy(this)
{
    connect(&m_copy, &AsyncCopy::bytesWritten, this, &TL09Engine::recieveBytesWritten);
    connect(&m_copy, &AsyncCopy::bytesPerSecond, this, &TL09Engine::recieveBytesPerSecond);
    connect(&m_copy, &AsyncCopy::fileNameChanged, this, &TL09Engine::copyFileNameChanged);
    connect(&m_copy, &AsyncCopy::showDialog, this, &TL09Engine::showDialog);
    connect(&m_copy, &AsyncCopy::copy_thread_finished, this, &TL09Engine::receiveCopyFileFinished);
    HalBus::subscribeDeviceRemoved(this, SLOT(delDevice(QString)));
}

TL09Engine::~TL09Engine()
{
    // A QThread must not be destroyed while it runs; the abort flag ends the
    // walk at its next entry, the stop request the copy after its chunk.
    abortRequested = true;
    m_copy.requestStop();
    wait();
    m_copy.wait();
}

void TL09Engine::setMainWindow(QWidget *window)
{
    m_mainWindow = window;
    m_copy.setMainWindow(window);
}

bool TL09Engine::isDeviceNode(const QString &udi)
{
    QSet<QString> visited;
    return isDeviceNode(udi, visited);
}

bool TL09Engine::isDeviceNode(const QString &udi, QSet<QString> &visited)
{
    // HAL's parent links come from another process; a loop among them must
    // end the walk instead of the program.
    if (visited.contains(udi))
        return false;
    visited.insert(udi);

    if (const std::optional<QString> subsystem
        = HalBus::propertyString(udi, QStringLiteral("info.subsystem"))) {
        const std::optional<int> product
            = HalBus::propertyInteger(udi, *subsystem + QLatin1String(".product_id"));
        if (isOneOf(product, productIds)) {
            if (!isOneOf(HalBus::propertyInteger(udi, *subsystem + QLatin1String(".vendor_id")), vendorIds))
                return false;
            setDeviceUdi(udi);
            return true;
        }
    }
    const std::optional<QString> parent = HalBus::propertyString(udi, QStringLiteral("info.parent"));
    return parent && !parent->isEmpty() && isDeviceNode(*parent, visited);
}

QString TL09Engine::deviceVolumeUdi()
{
    const QStringList volumes = HalBus::findDeviceByCapability(QStringLiteral("volume"));
    for (const QString &udi : volumes) {
        if (isDeviceNode(udi))
            return udi;
    }
    return QString();
}

void TL09Engine::findDeviceVolume()
{
    // Built aside and stored once, so that the other threads never see a
    // half-finished search.
    QString found;
    const QStringList volumes = HalBus::findDeviceByCapability(QStringLiteral("volume"));
    for (const QString &udi : volumes) {
        if (isDeviceNode(udi))
            found = HalBus::propertyString(udi, QStringLiteral("volume.mount_point")).value_or(QString());
    }
    setMountPoint(found);
}

void TL09Engine::mountDevice()
{
    const QString udi = deviceVolumeUdi();
    if (udi.isEmpty())
        return;
    HalBus::mountVolume(udi, QStringList(QLatin1String("uid=") + QString::number(getuid())));
}

void TL09Engine::delDevice(const QString &udi)
{
    forgetDevice(udi);
}

void TL09Engine::addDevice(const QString &udi)
{
    // Arrivals are found by the main window's polling, not announced.
    Q_UNUSED(udi)
}

void TL09Engine::startDataCollection()
{
    stopDataCollection();
    abortRequested = false;
    start(InheritPriority);
}

void TL09Engine::startRefreshAfterCopy()
{
    refreshAfterCopy = true;
    startDataCollection();
}

void TL09Engine::stopDataCollection()
{
    if (!isRunning())
        return;
    abortRequested = true;
    wait(stopTimeoutMs);
}

void TL09Engine::run()
{
    const bool ok = collectData();
    if (!refreshAfterCopy)
        reloadBookmarks();
    if (!refreshAfterCopy && checkDeviceFolders() && !abortRequested)
        emit dataCollectionFinished(ok);
    refreshAfterCopy = false;
}
