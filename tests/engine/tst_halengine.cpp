// SPDX-License-Identifier: GPL-2.0-or-later
#include "HalFixture.h"
#include "TestDir.h"
#include "base/DeviceState.h"
#include "engine/TL09Engine.h"
#include "engine/device/SafeRemoval.h"

#include <QtTest>

#include <unistd.h>

namespace {

const QString computer = QLatin1String(HalDescription::computerUdi);
const QString devices = QStringLiteral("/org/freedesktop/Hal/devices/");

} // namespace

// Receives HAL's DeviceRemoved on the same connection as the engine, so that
// by the time it has seen a removal, the engine has too.
class RemovalWatcher : public QObject
{
    Q_OBJECT

public:
    RemovalWatcher()
    {
        QDBusConnection::systemBus().connect(QStringLiteral("org.freedesktop.Hal"),
            QStringLiteral("/org/freedesktop/Hal/Manager"), QStringLiteral("org.freedesktop.Hal.Manager"),
            QStringLiteral("DeviceRemoved"), this, SIGNAL(removed(QString)));
    }

signals:
    void removed(const QString &udi);
};

class TestHalEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void identification_data();
    void identification();
    void mountAsksHalForTheRealUser();
    void secondMountRequestIsHarmless();
    void mountOfFirstOfTwoVolumesMakesDeviceReady();
    void mountDoesNotWaitForHal_data();
    void mountDoesNotWaitForHal();
    void forgetDevice_data();
    void forgetDevice();
    void removalOfChildNodeKeepsDevice();
    void removalWithNoDeviceKnownDoesNothing();
    void unplugForgetsDevice();
    void collectsAndForgetsSimulatedDevice();
    void safeRemovalUnmountsThroughHal();

private:
    QString folder(const QString &name) const { return m_dir.filePath(name); }

    HalFixture m_hal;
    TestDir m_dir;
    TL09Engine *m_engine = nullptr;
    RemovalWatcher *m_watcher = nullptr;
};

void TestHalEngine::initTestCase()
{
    QVERIFY2(m_hal.startBus(), qPrintable(m_hal.errorString()));
    for (const char *name : { "opalo", "second", "disk" })
        QVERIFY(!m_dir.createFolder(QLatin1String(name)).isEmpty());
    m_engine = new TL09Engine(this);
    m_watcher = new RemovalWatcher;
    m_watcher->setParent(this);
}

void TestHalEngine::cleanup()
{
    setMountPoint(QString());
    setDeviceUdi(QString());
}

void TestHalEngine::identification_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("mountPoint");
    QTest::addColumn<QString>("identifiedBy");

    const QString opalo = folder(QStringLiteral("opalo"));
    const QString second = folder(QStringLiteral("second"));
    const QString disk = folder(QStringLiteral("disk"));
    const QString opaloVolume = HalDescription::volumeUdi(QStringLiteral("opalo"));
    const QString opaloUsb = HalDescription::usbUdi(QStringLiteral("opalo"));

    QTest::newRow("product A4A5, vendor 0525")
        << HalDescription().addDisk("disk", disk).addOpalo("opalo", opalo).toJson() << opaloVolume << opalo
        << opaloUsb;
    QTest::newRow("product 3307, vendor 03F0")
        << HalDescription().addOpalo("opalo", opalo, true, 0x03F0, 0x3307).toJson() << opaloVolume << opalo
        << opaloUsb;
    QTest::newRow("product 0151, vendor 0457")
        << HalDescription().addOpalo("opalo", opalo, true, 0x0457, 0x0151).toJson() << opaloVolume << opalo
        << opaloUsb;
    QTest::newRow("product A4A5, vendor 1234")
        << HalDescription().addOpalo("opalo", opalo, true, 0x1234, 0xA4A5).toJson() << QString() << QString()
        << QString();
    QTest::newRow("unknown product")
        << HalDescription().addOpalo("opalo", opalo, true, 0x0525, 0x1111).toJson() << QString() << QString()
        << QString();
    QTest::newRow("unrelated disk only")
        << HalDescription().addDisk("disk", disk).toJson() << QString() << QString() << QString();
    QTest::newRow("not mounted") << HalDescription().addOpalo("opalo", opalo, false).toJson() << opaloVolume
                                 << QString() << opaloUsb;

    // A known product with an unknown vendor ends the walk, even below a
    // node that would match.
    const QString hub = devices + QLatin1String("usb_device_hub");
    const QJsonObject hubNode = HalDescription::usbNode(QStringLiteral("hub"), 0x0525, 0x3307, computer);
    QTest::newRow("unknown vendor below a matching hub")
        << HalDescription()
               .addDevice("hub", { hubNode })
               .addOpalo("opalo", opalo, true, 0x1234, 0xA4A5, hub)
               .toJson()
        << QString() << QString() << QString();
    QTest::newRow("unknown product below a matching hub")
        << HalDescription()
               .addDevice("hub", { hubNode })
               .addOpalo("opalo", opalo, true, 0x0525, 0x9999, hub)
               .toJson()
        << opaloVolume << opalo << hub;

    // The walk reaches the root: a root with the identifiers is found.
    const QString root = devices + QLatin1String("odd_root");
    QTest::newRow("walk reaches the root")
        << HalDescription()
               .addDevice("root",
                   { QJsonObject { { "udi", root },
                       { "properties",
                           QJsonObject { { "info.subsystem", "usb" }, { "usb.vendor_id", 0x0457 },
                               { "usb.product_id", 0x0151 } } } } })
               .addDevice("opalo",
                   { HalDescription::storageNode("opalo", root),
                       HalDescription::volumeNode(
                           "opalo", HalDescription::storageUdi("opalo"), opalo, true) })
               .toJson()
        << opaloVolume << opalo << root;

    const QJsonObject stringIds { { "udi", opaloUsb },
        { "properties",
            QJsonObject { { "info.parent", computer }, { "info.subsystem", "usb_device" },
                { "usb_device.vendor_id", "1317" }, { "usb_device.product_id", "42149" } } } };
    QTest::newRow("identifiers of the wrong type")
        << HalDescription()
               .addDevice("opalo",
                   { stringIds, HalDescription::storageNode("opalo", opaloUsb),
                       HalDescription::volumeNode(
                           "opalo", HalDescription::storageUdi("opalo"), opalo, true) })
               .toJson()
        << QString() << QString() << QString();

    // Parent links that loop or do not name an object end the walk.
    const QString loopA = devices + QLatin1String("loop_a");
    const QString loopB = devices + QLatin1String("loop_b");
    QTest::newRow("parent links in a loop")
        << HalDescription()
               .addDevice("loop",
                   { QJsonObject {
                         { "udi", loopA }, { "properties", QJsonObject { { "info.parent", loopB } } } },
                       QJsonObject {
                           { "udi", loopB }, { "properties", QJsonObject { { "info.parent", loopA } } } },
                       HalDescription::volumeNode("opalo", loopA, opalo, true) })
               .toJson()
        << QString() << QString() << QString();
    QTest::newRow("parent is not an object path")
        << HalDescription()
               .addDevice("opalo", { HalDescription::volumeNode("opalo", "no such parent!", opalo, true) })
               .toJson()
        << QString() << QString() << QString();

    // HAL's order decides: the first match is mounted, the last one's
    // mount point is used.
    QTest::newRow("two devices")
        << HalDescription().addOpalo("opalo", opalo).addDisk("disk", disk).addOpalo("second", second).toJson()
        << opaloVolume << second << HalDescription::usbUdi(QStringLiteral("second"));
    // A mounted volume wins over an unmounted one listed after it, and the
    // device kept is the one whose volume is used.
    QTest::newRow("two devices, the last not mounted")
        << HalDescription().addOpalo("opalo", opalo).addOpalo("second", second, false).toJson() << opaloVolume
        << opalo << opaloUsb;
    QTest::newRow("two devices, the first not mounted")
        << HalDescription().addOpalo("opalo", opalo, false).addOpalo("second", second).toJson() << opaloVolume
        << second << HalDescription::usbUdi(QStringLiteral("second"));
    QTest::newRow("device not plugged")
        << HalDescription()
               .addDevice(
                   "opalo", HalDescription::opaloNodes("opalo", opalo, true, 0x0525, 0xA4A5, computer), false)
               .toJson()
        << QString() << QString() << QString();
}

void TestHalEngine::identification()
{
    QFETCH(QByteArray, description);
    QFETCH(QString, volume);
    QFETCH(QString, mountPoint);
    QFETCH(QString, identifiedBy);

    QVERIFY2(m_hal.startSimulator(description), qPrintable(m_hal.errorString()));
    setMountPoint(QStringLiteral("/stale"));
    QCOMPARE(m_engine->deviceVolumeUdi(), volume);
    m_engine->findDeviceVolume();
    QCOMPARE(::mountPoint(), mountPoint);
    QCOMPARE(deviceUdi(), identifiedBy);
}

void TestHalEngine::mountAsksHalForTheRealUser()
{
    const QString opalo = folder(QStringLiteral("opalo"));
    QVERIFY2(m_hal.startSimulator(
                 HalDescription().addDisk("disk", folder("disk")).addOpalo("opalo", opalo, false)),
        qPrintable(m_hal.errorString()));
    m_engine->findDeviceVolume();
    QVERIFY(mountPoint().isEmpty());

    m_engine->mountDevice();
    QTRY_COMPARE(
        m_hal.mountOptions(QStringLiteral("opalo")), QStringList(QStringLiteral("uid=%1").arg(getuid())));
    QCOMPARE(m_hal.mountOptions(QStringLiteral("disk")), QStringList());
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), opalo);
}

void TestHalEngine::secondMountRequestIsHarmless()
{
    const QString opalo = folder(QStringLiteral("opalo"));
    QVERIFY2(m_hal.startSimulator(HalDescription().addOpalo("opalo", opalo, false)),
        qPrintable(m_hal.errorString()));
    m_engine->mountDevice();
    m_engine->mountDevice();
    QTRY_COMPARE(m_hal.mountOptions(QStringLiteral("opalo")).size(), 1);
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), opalo);
}

void TestHalEngine::mountOfFirstOfTwoVolumesMakesDeviceReady()
{
    // Internal memory and a memory card, neither mounted yet.
    const QString opalo = folder(QStringLiteral("opalo"));
    const QString card = HalDescription::storageUdi(QStringLiteral("opalo"));
    QVERIFY2(
        m_hal.startSimulator(HalDescription()
                .addOpalo("opalo", opalo, false)
                .addDevice("card",
                    { HalDescription::volumeNode("card", card, folder(QStringLiteral("second")), false) })),
        qPrintable(m_hal.errorString()));
    m_engine->mountDevice();
    QTRY_VERIFY(!m_hal.mountOptions(QStringLiteral("opalo")).isEmpty());
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), opalo);
    QVERIFY(m_engine->checkDeviceFolders());
}

void TestHalEngine::mountDoesNotWaitForHal_data()
{
    QTest::addColumn<bool>("answers");

    QTest::newRow("HAL answers late") << true;
    QTest::newRow("HAL never answers") << false;
}

void TestHalEngine::mountDoesNotWaitForHal()
{
    QFETCH(bool, answers);

    const QString opalo = folder(QStringLiteral("opalo"));
    QVERIFY2(m_hal.startSimulator(HalDescription().addOpalo("opalo", opalo, false)),
        qPrintable(m_hal.errorString()));
    QVERIFY(m_hal.holdMounts(true));
    bool ticked = false;
    QTimer::singleShot(0, this, [&ticked] { ticked = true; });
    // The bus gives up waiting for an answer after 25 s; events must not
    // wait for it at all.
    QElapsedTimer elapsed;
    elapsed.start();
    m_engine->mountDevice();
    QVERIFY2(elapsed.elapsed() < 10000, qPrintable(QString::number(elapsed.elapsed())));
    QTRY_VERIFY(ticked);
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), QString());
    if (!answers)
        return;

    QVERIFY(m_hal.holdMounts(false));
    QTRY_VERIFY(!m_hal.mountOptions(QStringLiteral("opalo")).isEmpty());
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), opalo);
}

void TestHalEngine::forgetDevice_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<bool>("forgotten");

    const QString usb = HalDescription::usbUdi(QStringLiteral("opalo"));
    QTest::newRow("the identifying node") << usb << usb << true;
    QTest::newRow("a child node") << usb << HalDescription::volumeUdi(QStringLiteral("opalo")) << false;
    QTest::newRow("no device known, other node") << QString() << usb << false;
    QTest::newRow("no device known, empty identifier") << QString() << QString() << false;
}

void TestHalEngine::forgetDevice()
{
    QFETCH(QString, stored);
    QFETCH(QString, removed);
    QFETCH(bool, forgotten);

    const QString folder = m_dir.path();
    setDeviceUdi(stored);
    setMountPoint(folder);
    m_engine->delDevice(removed);
    QCOMPARE(mountPoint(), forgotten ? QString() : folder);
    QCOMPARE(deviceUdi(), forgotten ? QString() : stored);
}

void TestHalEngine::removalOfChildNodeKeepsDevice()
{
    const QString opalo = folder(QStringLiteral("opalo"));
    const QString usb = HalDescription::usbUdi(QStringLiteral("opalo"));
    // The USB node and the disk below it are plugged separately here, so the
    // disk can go while the USB node stays.
    QVERIFY2(m_hal.startSimulator(HalDescription()
                     .addDevice("usb", { HalDescription::usbNode("opalo", 0x0525, 0xA4A5, computer) })
                     .addDevice("media",
                         { HalDescription::storageNode("opalo", usb),
                             HalDescription::volumeNode(
                                 "opalo", HalDescription::storageUdi("opalo"), opalo, true) })),
        qPrintable(m_hal.errorString()));
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), opalo);

    QSignalSpy removals(m_watcher, &RemovalWatcher::removed);
    QVERIFY2(m_hal.unplug(QStringLiteral("media")), qPrintable(m_hal.errorString()));
    QTRY_COMPARE(removals.count(), 2);
    QCOMPARE(removals.at(0).at(0).toString(), HalDescription::volumeUdi(QStringLiteral("opalo")));
    QCOMPARE(mountPoint(), opalo);
    QCOMPARE(deviceUdi(), usb);

    QVERIFY(m_hal.unplug(QStringLiteral("usb")));
    QTRY_COMPARE(removals.count(), 3);
    QCOMPARE(mountPoint(), QString());
    QCOMPARE(deviceUdi(), QString());
}

void TestHalEngine::removalWithNoDeviceKnownDoesNothing()
{
    QVERIFY2(m_hal.startSimulator(HalDescription().addDisk("disk", folder("disk"))),
        qPrintable(m_hal.errorString()));
    setMountPoint(folder(QStringLiteral("opalo")));
    QSignalSpy removals(m_watcher, &RemovalWatcher::removed);
    QVERIFY(m_hal.unplug(QStringLiteral("disk")));
    QTRY_COMPARE(removals.count(), 3);
    QCOMPARE(mountPoint(), folder(QStringLiteral("opalo")));
    QCOMPARE(deviceUdi(), QString());
}

void TestHalEngine::unplugForgetsDevice()
{
    const QString opalo = folder(QStringLiteral("opalo"));
    QVERIFY2(
        m_hal.startSimulator(HalDescription().addOpalo("opalo", opalo)), qPrintable(m_hal.errorString()));
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), opalo);
    QVERIFY(m_engine->checkDeviceFolders());

    QSignalSpy removals(m_watcher, &RemovalWatcher::removed);
    QVERIFY(m_hal.unplug(QStringLiteral("opalo")));
    QTRY_COMPARE(removals.count(), 3);
    // Deepest first: volume, storage, then the USB node that identified it.
    QCOMPARE(removals.at(2).at(0).toString(), HalDescription::usbUdi(QStringLiteral("opalo")));
    QCOMPARE(mountPoint(), QString());
    QVERIFY(!m_engine->checkDeviceFolders());

    // Plugged again, it is found again.
    QVERIFY2(m_hal.plug(QStringLiteral("opalo")), qPrintable(m_hal.errorString()));
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), QString());
    QVERIFY(m_hal.mount(QStringLiteral("opalo")));
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), opalo);
}

void TestHalEngine::collectsAndForgetsSimulatedDevice()
{
    TestDir device;
    device.createFileOfSize(QStringLiteral("photo.JPG"), 2048);
    device.createFileOfSize(QStringLiteral("Holidays/song.mp3"), 300);
    QVERIFY2(m_hal.startSimulator(HalDescription().addOpalo("opalo", device.path(), false)),
        qPrintable(m_hal.errorString()));

    m_engine->findDeviceVolume();
    QVERIFY(!m_engine->checkDeviceFolders());
    m_engine->mountDevice();
    m_engine->findDeviceVolume();
    QVERIFY(m_engine->checkDeviceFolders());
    QVERIFY(!m_engine->isReadOnly());

    // Generous: the collection shares the machine with other test processes.
    QSignalSpy finished(m_engine, &TL09Engine::dataCollectionFinished);
    m_engine->startDataCollection();
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QCOMPARE(m_engine->countedBytes().pictures, 2048);
    QCOMPARE(m_engine->countedBytes().music, 300);
    QVERIFY(QFileInfo(device.filePath(QStringLiteral("IDS_VIDEO"))).isDir());

    QSignalSpy removals(m_watcher, &RemovalWatcher::removed);
    QVERIFY(m_hal.unplug(QStringLiteral("opalo")));
    QTRY_COMPARE(removals.count(), 3);
    m_engine->startDataCollection();
    m_engine->wait();
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 1);
}

// Disconnect takes the volume out, so that the status can say the netbook
// may be unplugged.
void TestHalEngine::safeRemovalUnmountsThroughHal()
{
    QVERIFY2(m_hal.startSimulator(HalDescription().addOpalo("opalo", folder(QStringLiteral("opalo")), true)),
        qPrintable(m_hal.errorString()));
    m_engine->findDeviceVolume();
    QVERIFY(!mountPoint().isEmpty());

    SafeRemoval *removal = m_engine->safelyRemoveDevice();
    QVERIFY(removal);
    QSignalSpy finished(removal, &SafeRemoval::finished);
    QVERIFY(finished.wait());
    QCOMPARE(finished.constFirst().constFirst().toString(), QString());
    QVERIFY(mountPoint().isEmpty());
    m_engine->findDeviceVolume();
    QVERIFY(mountPoint().isEmpty());
}

QTEST_GUILESS_MAIN(TestHalEngine)
#include "tst_halengine.moc"
