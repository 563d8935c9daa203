// SPDX-License-Identifier: GPL-2.0-or-later
// halsim: serves a simulated HAL device tree on a D-Bus bus.
#include "Description.h"
#include "HalSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>

namespace {

QDBusConnection connectBus(const QString &address)
{
    if (address.isEmpty())
        return QDBusConnection::systemBus();
    return QDBusConnection::connectToBus(address, QStringLiteral("halsim"));
}

int fail(const QString &message)
{
    std::fprintf(stderr, "halsim: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves a simulated HAL device tree on D-Bus."));
    parser.addHelpOption();
    const QCommandLineOption addressOption(QStringLiteral("address"),
        QStringLiteral("Bus to serve on (default: the system bus, $DBUS_SYSTEM_BUS_ADDRESS)."),
        QStringLiteral("address"));
    parser.addOption(addressOption);
    parser.addPositionalArgument(
        QStringLiteral("description"), QStringLiteral("JSON description of the devices."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        return fail(QStringLiteral("one description file is needed (see --help)"));

    QVector<DeviceDescription> devices;
    QString error;
    if (!loadDescription(parser.positionalArguments().constFirst(), &devices, &error))
        return fail(error);

    const QDBusConnection bus = connectBus(parser.value(addressOption));
    if (!bus.isConnected())
        return fail(QStringLiteral("cannot connect to the bus: %1").arg(bus.lastError().message()));
    HalSimulator simulator(bus, devices);
    if (!simulator.start(&error))
        return fail(error);

    // Whoever started us waits for this line before talking to the bus.
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
