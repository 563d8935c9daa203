// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TL09Engine.h"

#include "base/DeviceState.h"
#include "engine/device/DeviceIds.h"
#include "engine/device/HalBus.h"
#include "engine/device/UDisks2Backend.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>

#include <algorithm>
#include <iterator>
#include <optional>

#include <unistd.h>

namespace {

using DeviceIds::productIds;
using DeviceIds::vendorIds;

const unsigned long stopTimeoutMs = 3000;

template<size_t N> bool isOneOf(const std::optional<int> &value, const int (&table)[N])
{
    return value && std::find(std::begin(table), std::end(table), *value) != std::end(table);
}

} // namespace

TL09Engine *TL09Engine::instance()
{
    static TL09Engine *const engine = [] {
        auto *created = new TL09Engine;
        // The engine is never destroyed, but its threads must not outlive
        // the application object: they use what goes with it. Without an
        // event loop that ends, the application's destructor stops them.
        if (const QCoreApplication *application = QCoreApplication::instance())
            connect(application, &QCoreApplication::aboutToQuit, created, &TL09Engine::stopThreads);
        qAddPostRoutine([] { TL09Engine::instance()->stopThreads(); });
        return created;
    }();
    return engine;
}

TL09Engine::TL09Engine(QObject *parent)
    : QThread(parent)
    , m_copy(this)
{
    connect(&m_copy, &AsyncCopy::selectionSized, this, &TL09Engine::receiveSelectionSize);
    connect(&m_copy, &AsyncCopy::bytesWritten, this, &TL09Engine::recieveBytesWritten);
    connect(&m_copy, &AsyncCopy::bytesPerSecond, this, &TL09Engine::recieveBytesPerSecond);
    connect(&m_copy, &AsyncCopy::fileNameChanged, this, &TL09Engine::copyFileNameChanged);
    connect(&m_copy, &AsyncCopy::showDialog, this, &TL09Engine::relayQuestion);
    connect(&m_copy, &AsyncCopy::askBeforeCopy, this, &TL09Engine::relayQuestionBeforeCopy);
    connect(&m_copy, &AsyncCopy::copy_thread_finished, this, &TL09Engine::receiveCopyFileFinished);
    HalBus::subscribeDeviceRemoved(this, SLOT(delDevice(QString)));
}

TL09Engine::~TL09Engine()
{
    // A QThread must not be destroyed while it runs.
    stopThreads();
}

void TL09Engine::stopThreads()
{
    // The abort flag ends the walk at its next entry, the stop request the
    // copy after its chunk or question.
    abortRequested = true;
    cancelCopy();
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
    if (UDisks2Backend *backend = udisks2()) {
        backend->findDeviceVolume();
        return;
    }
    // Built aside and stored once, so that the other threads never see a
    // half-finished search. Of several matching volumes (internal memory and
    // a memory card) the last mounted one counts: an unmounted one listed
    // after it would keep the device from ever being ready. The device node
    // kept is the one above that volume, so that its removal is noticed.
    QString found;
    QString foundDevice;
    const QStringList volumes = HalBus::findDeviceByCapability(QStringLiteral("volume"));
    for (const QString &udi : volumes) {
        if (!isDeviceNode(udi))
            continue;
        const QString point
            = HalBus::propertyString(udi, QStringLiteral("volume.mount_point")).value_or(QString());
        if (!point.isEmpty() || found.isEmpty()) {
            found = point;
            foundDevice = deviceUdi();
        }
    }
    if (!foundDevice.isEmpty())
        setDeviceUdi(foundDevice);
    setMountPoint(found);
}

void TL09Engine::mountDevice()
{
    if (UDisks2Backend *backend = udisks2()) {
        backend->mountDevice();
        return;
    }
    const QString udi = deviceVolumeUdi();
    if (udi.isEmpty())
        return;
    // HAL may take up to the bus's time-out to answer, and the GUI must go
    // on meanwhile; the answer itself says nothing the main window's
    // polling will not see.
    auto *watcher = new QDBusPendingCallWatcher(
        HalBus::mountVolume(udi, QStringList(QLatin1String("uid=") + QString::number(getuid()))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
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

bool TL09Engine::isFirstCollectionOfDevice()
{
    const quint64 arrival = deviceArrival();
    const bool first = arrival != m_collectedArrival;
    m_collectedArrival = arrival;
    return first;
}

void TL09Engine::run()
{
    // Files an interrupted copy left behind would take space for good; a
    // copy still running may own them.
    m_sweepTemporaries = isFirstCollectionOfDevice() && !m_copy.isRunning();
    const bool ok = collectData();
    m_sweepTemporaries = false;
    if (!refreshAfterCopy)
        reloadBookmarks();
    if (!refreshAfterCopy && checkDeviceFolders() && !abortRequested)
        emit dataCollectionFinished(ok);
    refreshAfterCopy = false;
}
