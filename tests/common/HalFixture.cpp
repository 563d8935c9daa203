// SPDX-License-Identifier: GPL-2.0-or-later
#include "HalFixture.h"

#include "TiedProcess.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QThread>

namespace {

const int startTimeoutMs = 10000;

} // namespace

HalFixture::HalFixture()
{
    static int count = 0;
    m_connectionName = QStringLiteral("opalo-hal-fixture-%1").arg(++count);
    m_simulator.setProcessChannelMode(QProcess::SeparateChannels);
}

HalFixture::~HalFixture()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
    stop(m_simulator);
    stop(m_bus);
}

bool HalFixture::startBus()
{
    TiedProcess::start(m_bus, QStringLiteral("dbus-daemon"),
        { QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
            QStringLiteral("--print-address=1") });
    m_address = TiedProcess::firstLine(m_bus);
    if (m_address.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon did not start: %1")
                      .arg(QString::fromLocal8Bit(m_bus.readAllStandardError()));
        return false;
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toLocal8Bit());
    return true;
}

bool HalFixture::startSimulator(const HalDescription &description)
{
    return startSimulator(description.toJson());
}

bool HalFixture::startSimulator(const QByteArray &descriptionJson)
{
    stopSimulator();
    const QString fileName = m_dir.filePath(QStringLiteral("devices.json"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(descriptionJson) < 0) {
        m_error = QStringLiteral("cannot write %1").arg(fileName);
        return false;
    }
    file.close();
    TiedProcess::start(
        m_simulator, QStringLiteral(OPALO_HALSIM_PATH), { QStringLiteral("--address"), m_address, fileName });
    if (TiedProcess::firstLine(m_simulator) != QLatin1String("ready")) {
        m_simulator.waitForFinished(startTimeoutMs);
        m_error = QStringLiteral("the simulator did not start: %1")
                      .arg(QString::fromLocal8Bit(m_simulator.readAllStandardError()));
        return false;
    }
    return true;
}

void HalFixture::stopSimulator()
{
    if (m_simulator.state() == QProcess::NotRunning)
        return;
    stop(m_simulator);
    waitUntilNameReleased();
}

// The bus notices the end of a client a little later; a new simulator could
// not take the name until it has.
void HalFixture::waitUntilNameReleased()
{
    QDBusConnectionInterface *bus = connection().interface();
    for (int attempt = 0; attempt < 100 && bus->isServiceRegistered(QStringLiteral("org.freedesktop.Hal"));
        ++attempt)
        QThread::msleep(20);
}

QDBusConnection HalFixture::connection() const
{
    return QDBusConnection::connectToBus(m_address, m_connectionName);
}

bool HalFixture::plug(const QString &device)
{
    return control(QStringLiteral("Plug"), device);
}

bool HalFixture::unplug(const QString &device)
{
    return control(QStringLiteral("Unplug"), device);
}

bool HalFixture::mount(const QString &device)
{
    return control(QStringLiteral("Mount"), device);
}

bool HalFixture::unmount(const QString &device)
{
    return control(QStringLiteral("Unmount"), device);
}

QStringList HalFixture::list()
{
    return controlList(QStringLiteral("List"), {});
}

QStringList HalFixture::mountOptions(const QString &device)
{
    return controlList(QStringLiteral("MountOptions"), { device });
}

bool HalFixture::holdMounts(bool hold)
{
    return callControl(QStringLiteral("HoldMounts"), { hold }).type() == QDBusMessage::ReplyMessage;
}

bool HalFixture::control(const QString &method, const QString &device)
{
    return callControl(method, { device }).type() == QDBusMessage::ReplyMessage;
}

QStringList HalFixture::controlList(const QString &method, const QVariantList &arguments)
{
    const QDBusMessage reply = callControl(method, arguments);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QStringList();
    return reply.arguments().constFirst().toStringList();
}

QDBusMessage HalFixture::callControl(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.opalosync.HalSim"),
        QStringLiteral("/org/opalosync/HalSim"), QStringLiteral("org.opalosync.HalSim"), method);
    call.setArguments(arguments);
    const QDBusMessage reply = connection().call(call);
    if (reply.type() != QDBusMessage::ReplyMessage)
        m_error = reply.errorName() + QLatin1String(": ") + reply.errorMessage();
    return reply;
}

void HalFixture::stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished();
}
