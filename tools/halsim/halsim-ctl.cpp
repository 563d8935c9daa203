// SPDX-License-Identifier: GPL-2.0-or-later
// halsim-ctl: plugs, unplugs, mounts and lists the devices of a running halsim.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr,
        "usage: halsim-ctl [--address ADDRESS] plug|unplug|mount|unmount|options DEVICE\n"
        "       halsim-ctl [--address ADDRESS] list\n"
        "The bus is $DBUS_SYSTEM_BUS_ADDRESS unless --address is given.\n");
    return 2;
}

int printLines(const QDBusReply<QStringList> &reply)
{
    if (!reply.isValid()) {
        std::fprintf(stderr, "halsim-ctl: %s\n", qPrintable(reply.error().message()));
        return 1;
    }
    for (const QString &line : reply.value())
        std::printf("%s\n", qPrintable(line));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QDBusConnection bus = QDBusConnection::systemBus();
    if (arguments.size() >= 2 && arguments.constFirst() == QLatin1String("--address")) {
        bus = QDBusConnection::connectToBus(arguments.at(1), QStringLiteral("halsim-ctl"));
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty())
        return usage();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "halsim-ctl: no bus: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }

    QDBusInterface control(QStringLiteral("org.opalosync.HalSim"), QStringLiteral("/org/opalosync/HalSim"),
        QStringLiteral("org.opalosync.HalSim"), bus);
    const QString command = arguments.constFirst();
    if (command == QLatin1String("list") && arguments.size() == 1)
        return printLines(control.call(QStringLiteral("List")));
    if (arguments.size() != 2)
        return usage();
    if (command == QLatin1String("options"))
        return printLines(control.call(QStringLiteral("MountOptions"), arguments.at(1)));

    static const QStringList commands { QStringLiteral("plug"), QStringLiteral("unplug"),
        QStringLiteral("mount"), QStringLiteral("unmount") };
    if (!commands.contains(command))
        return usage();
    QString method = command;
    method[0] = method.at(0).toUpper();
    const QDBusReply<void> reply = control.call(method, arguments.at(1));
    if (!reply.isValid()) {
        std::fprintf(stderr, "halsim-ctl: %s\n", qPrintable(reply.error().message()));
        return 1;
    }
    return 0;
}
