// SPDX-License-Identifier: GPL-2.0-or-later
#include "HalFixture.h"
#include "TestDir.h"

#include <QtTest>

namespace {

const QString hal = QStringLiteral("org.freedesktop.Hal");
const QString deviceInterface = QStringLiteral("org.freedesktop.Hal.Device");
const QString volumeInterface = QStringLiteral("org.freedesktop.Hal.Device.Volume");
const QString managerPath = QStringLiteral("/org/freedesktop/Hal/Manager");
const QString managerInterface = QStringLiteral("org.freedesktop.Hal.Manager");

} // namespace

// HAL's manager signals as Qt signals, for QSignalSpy.
class ManagerSignals : public QObject
{
    Q_OBJECT

public:
    explicit ManagerSignals(QDBusConnection bus)
    {
        bus.connect(hal, managerPath, managerInterface, QStringLiteral("DeviceRemoved"), this,
            SIGNAL(removed(QString)));
        bus.connect(
            hal, managerPath, managerInterface, QStringLiteral("DeviceAdded"), this, SIGNAL(added(QString)));
    }

signals:
    void added(const QString &udi);
    void removed(const QString &udi);
};

class TestHalSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void properties_data();
    void properties();
    void mountAndUnmount();
    void unplugRemovesDeepestFirst();
    void controlErrors_data();
    void controlErrors();
    void badDescription_data();
    void badDescription();
    void commandLineClient();

private:
    QDBusMessage call(const QString &path, const QString &interface, const QString &method,
        const QVariantList &arguments = {});
    int runClient(const QStringList &arguments, QByteArray *output);

    HalFixture m_hal;
    TestDir m_dir;
};

void TestHalSim::initTestCase()
{
    QVERIFY2(m_hal.startBus(), qPrintable(m_hal.errorString()));
    QVERIFY(!m_dir.createFolder(QStringLiteral("opalo")).isEmpty());
}

void TestHalSim::init()
{
    QVERIFY2(m_hal.startSimulator(HalDescription()
                     .addOpalo("opalo", m_dir.filePath(QStringLiteral("opalo")), false)
                     .addDisk("disk", m_dir.path())),
        qPrintable(m_hal.errorString()));
}

QDBusMessage TestHalSim::call(
    const QString &path, const QString &interface, const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(hal, path, interface, method);
    message.setArguments(arguments);
    return m_hal.connection().call(message);
}

void TestHalSim::properties_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("error");

    QTest::newRow("string") << "GetPropertyString"
                            << "info.subsystem" << QVariant(QStringLiteral("usb_device")) << QString();
    QTest::newRow("integer") << "GetPropertyInteger"
                             << "usb_device.vendor_id" << QVariant(0x0525) << QString();
    QTest::newRow("missing string") << "GetPropertyString"
                                    << "usb_device.serial" << QVariant()
                                    << "org.freedesktop.Hal.NoSuchProperty";
    QTest::newRow("missing integer") << "GetPropertyInteger"
                                     << "info.parent_id" << QVariant()
                                     << "org.freedesktop.Hal.NoSuchProperty";
    QTest::newRow("string read as integer")
        << "GetPropertyInteger"
        << "info.subsystem" << QVariant() << "org.freedesktop.Hal.TypeMismatch";
    QTest::newRow("integer read as string")
        << "GetPropertyString"
        << "usb_device.product_id" << QVariant() << "org.freedesktop.Hal.TypeMismatch";
}

void TestHalSim::properties()
{
    QFETCH(QString, method);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, error);

    const QDBusMessage reply
        = call(HalDescription::usbUdi(QStringLiteral("opalo")), deviceInterface, method, { key });
    QCOMPARE(reply.errorName(), error);
    if (error.isEmpty())
        QCOMPARE(reply.arguments().value(0), value);
}

void TestHalSim::mountAndUnmount()
{
    const QString volume = HalDescription::volumeUdi(QStringLiteral("opalo"));
    const auto mountPoint = [&] {
        return call(volume, deviceInterface, QStringLiteral("GetPropertyString"), { "volume.mount_point" })
            .arguments()
            .value(0)
            .toString();
    };
    QCOMPARE(mountPoint(), QString());

    const QStringList options { QStringLiteral("uid=1000"), QStringLiteral("noexec") };
    QDBusMessage reply
        = call(volume, volumeInterface, QStringLiteral("Mount"), { QString(), QString(), options });
    QCOMPARE(reply.errorName(), QString());
    QCOMPARE(reply.arguments().value(0).toInt(), 0);
    QCOMPARE(mountPoint(), m_dir.filePath(QStringLiteral("opalo")));
    QCOMPARE(m_hal.mountOptions(QStringLiteral("opalo")), options);
    QCOMPARE(call(volume, deviceInterface, QStringLiteral("GetPropertyBoolean"), { "volume.is_mounted" })
                 .arguments()
                 .value(0),
        QVariant(true));

    reply = call(volume, volumeInterface, QStringLiteral("Mount"), { QString(), QString(), QStringList() });
    QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.Hal.Device.Volume.AlreadyMounted"));
    QCOMPARE(m_hal.mountOptions(QStringLiteral("opalo")), options);

    QCOMPARE(
        call(volume, volumeInterface, QStringLiteral("Unmount"), { QStringList() }).errorName(), QString());
    QCOMPARE(mountPoint(), QString());
    QCOMPARE(call(volume, volumeInterface, QStringLiteral("Unmount"), { QStringList() }).errorName(),
        QStringLiteral("org.freedesktop.Hal.Device.Volume.NotMounted"));

    // Only volumes can be mounted.
    QVERIFY(call(HalDescription::usbUdi(QStringLiteral("opalo")), volumeInterface, QStringLiteral("Mount"),
                { QString(), QString(), QStringList() })
                .type()
        == QDBusMessage::ErrorMessage);
}

void TestHalSim::unplugRemovesDeepestFirst()
{
    ManagerSignals manager(m_hal.connection());
    QSignalSpy removed(&manager, &ManagerSignals::removed);
    QSignalSpy added(&manager, &ManagerSignals::added);
    const QString usb = HalDescription::usbUdi(QStringLiteral("opalo"));
    const QString storage = HalDescription::storageUdi(QStringLiteral("opalo"));
    const QString volume = HalDescription::volumeUdi(QStringLiteral("opalo"));
    const QString diskVolume = HalDescription::volumeUdi(QStringLiteral("disk"));
    const auto volumes = [this] {
        return call(managerPath, managerInterface, QStringLiteral("FindDeviceByCapability"), { "volume" })
            .arguments()
            .value(0)
            .toStringList();
    };
    QCOMPARE(volumes(), QStringList({ volume, diskVolume }));

    QVERIFY2(m_hal.unplug(QStringLiteral("opalo")), qPrintable(m_hal.errorString()));
    QTRY_COMPARE(removed.count(), 3);
    QCOMPARE(removed.at(0).at(0).toString(), volume);
    QCOMPARE(removed.at(1).at(0).toString(), storage);
    QCOMPARE(removed.at(2).at(0).toString(), usb);
    QCOMPARE(volumes(), QStringList(diskVolume));
    QCOMPARE(
        call(usb, deviceInterface, QStringLiteral("GetPropertyString"), { "info.subsystem" }).errorName(),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"));

    QVERIFY2(m_hal.plug(QStringLiteral("opalo")), qPrintable(m_hal.errorString()));
    QTRY_COMPARE(added.count(), 3);
    QCOMPARE(added.at(0).at(0).toString(), usb);
    QCOMPARE(added.at(2).at(0).toString(), volume);
    QCOMPARE(volumes(), QStringList({ volume, diskVolume }));
}

void TestHalSim::controlErrors_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("error");

    QTest::newRow("plug unknown") << "plug"
                                  << "nosuch"
                                  << "org.opalosync.HalSim.Error.NoSuchDevice";
    QTest::newRow("plug plugged") << "plug"
                                  << "opalo"
                                  << "org.opalosync.HalSim.Error.AlreadyPlugged";
    QTest::newRow("mount without volume") << "mount"
                                          << "computer"
                                          << "org.opalosync.HalSim.Error.NoVolume";
    QTest::newRow("unplug twice") << "unplug twice"
                                  << "disk"
                                  << "org.opalosync.HalSim.Error.NotPlugged";
    QTest::newRow("mount unplugged") << "unplug, mount"
                                     << "disk"
                                     << "org.opalosync.HalSim.Error.NotPlugged";
}

void TestHalSim::controlErrors()
{
    QFETCH(QString, command);
    QFETCH(QString, device);
    QFETCH(QString, error);

    bool ok = false;
    if (command == QLatin1String("plug"))
        ok = m_hal.plug(device);
    else if (command == QLatin1String("mount"))
        ok = m_hal.mount(device);
    else if (command == QLatin1String("unplug twice"))
        ok = m_hal.unplug(device) && m_hal.unplug(device);
    else if (command == QLatin1String("unplug, mount"))
        ok = m_hal.unplug(device) && m_hal.mount(device);
    QVERIFY(!ok);
    QVERIFY2(m_hal.errorString().startsWith(error), qPrintable(m_hal.errorString()));
}

void TestHalSim::badDescription_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("message");

    QTest::newRow("not JSON") << QByteArray("{ devices: ") << "is not a JSON object";
    QTest::newRow("bad UDI") << QByteArray(R"({"devices":[{"name":"a","nodes":[{"udi":"no/slash"}]}]})")
                             << "\"no/slash\" is not a valid UDI";
    QTest::newRow("UDI twice") << QByteArray(
        R"({"devices":[{"name":"a","nodes":[{"udi":"/x"}]},{"name":"b","nodes":[{"udi":"/x"}]}]})")
                               << "UDI /x is used twice";
    QTest::newRow("name twice") << QByteArray(R"({"devices":[{"name":"a"},{"name":"a"}]})")
                                << "device name a is used twice";
    QTest::newRow("fractional property")
        << QByteArray(R"({"devices":[{"name":"a","nodes":[{"udi":"/x","properties":{"k":1.5}}]}]})")
        << "/x: property k is not";
    QTest::newRow("volume without folder")
        << QByteArray(R"({"devices":[{"name":"a","nodes":[{"udi":"/x","volume":{"mounted":true}}]}]})")
        << "/x: a volume needs a backing folder";
}

void TestHalSim::badDescription()
{
    QFETCH(QByteArray, description);
    QFETCH(QString, message);
    QVERIFY(!m_hal.startSimulator(description));
    QVERIFY2(m_hal.errorString().contains(message), qPrintable(m_hal.errorString()));
}

int TestHalSim::runClient(const QStringList &arguments, QByteArray *output)
{
    QProcess client;
    client.start(
        QStringLiteral(OPALO_HALSIM_CTL_PATH), QStringList { "--address", m_hal.busAddress() } + arguments);
    client.waitForFinished();
    *output = client.readAllStandardOutput() + client.readAllStandardError();
    return client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1;
}

void TestHalSim::commandLineClient()
{
    QByteArray output;
    QCOMPARE(runClient({ "unplug", "opalo" }, &output), 0);
    QCOMPARE(runClient({ "list" }, &output), 0);
    QCOMPARE(output,
        "computer\tplugged\tunmounted\t\nopalo\tunplugged\tunmounted\t\ndisk\tplugged\tmounted\t"
            + QFile::encodeName(m_dir.path()) + "\n");
    QCOMPARE(runClient({ "mount", "opalo" }, &output), 1);
    QVERIFY2(output.contains("opalo is not plugged"), output.constData());
    QCOMPARE(runClient({ "eject", "opalo" }, &output), 2);
    QVERIFY(output.startsWith("usage:"));
}

QTEST_GUILESS_MAIN(TestHalSim)
#include "tst_halsim.moc"
