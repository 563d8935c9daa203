// SPDX-License-Identifier: GPL-2.0-or-later
// The UDisks2 back-end, and the engine and main window over it, against the
// real UDisks2 service on a private system bus with polkitd and udevd, over
// loop disks that udev gives the netbook's USB identifiers (or others).
// Needs root and loop devices.
#include "UDisks2Fixture.h"
#include "UiTestHelpers.h"
#include "base/DeviceState.h"
#include "browser/panes/Browser.h"
#include "engine/TL09Engine.h"
#include "engine/device/SafeRemoval.h"
#include "engine/device/UDisks2Backend.h"
#include "ui/MainWindow.h"
#include "widgets/Button.h"

#include <QLabel>
#include <QtTest>

#include <unistd.h>

namespace {

const int netbookVendor = 0x0525;
const int netbookProduct = 0xA4A5;

} // namespace

class TestUDisks2 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void mountOptions_data();
    void mountOptions();
    void findsTheNetbookAmongOtherDisks_data();
    void findsTheNetbookAmongOtherDisks();
    void mountsTheNetbookOnRequest();
    void prefersTheMountedVolume_data();
    void prefersTheMountedVolume();
    void removalOfTheNetbookIsReported();
    void halAnswersWhileItHasAnOwner();
    void mountedAtStartNeedsNoClick();
    void connectMountsAndShowsTheMedia();
    void pullDuringSessionShowsErrorThenDisconnected();
    void refusedMountEndsDisconnected();
    void disconnectUnmountsAndConnectMountsAgain();
    void disconnectWithAFileOpenSaysWhy();
    void systemMountIsLeftMounted();
    void safeRemovalReports_data();
    void safeRemovalReports();

private:
    QString plugNetbook();
    // Plugs the netbook in and mounts it as the desktop does; returns the
    // mount point, empty on failure.
    QString plugMountedNetbook(QString *device);
    static QString statusText(const MainWindow &window);
    static Button *connectButton(const MainWindow &window);

    UDisks2Fixture m_udisks;
    QTranslator m_translator;
    QStringList m_otherDisks;
    UDisks2Backend *m_backend = nullptr;
};

void TestUDisks2::initTestCase()
{
    if (!m_udisks.start()) {
        if (!m_udisks.skipReason().isEmpty())
            QSKIP(qPrintable(m_udisks.skipReason()));
        QFAIL(qPrintable(m_udisks.errorString()));
    }
    // A stick with the netbook's product but another vendor, and a disk with
    // no USB identity at all, stay plugged in throughout.
    m_otherDisks << m_udisks.plug(QStringLiteral("stranger"), 0x1234, netbookProduct)
                 << m_udisks.plug(QStringLiteral("plain"));
    QVERIFY2(!m_otherDisks.contains(QString()), qPrintable(m_udisks.errorString()));
    m_backend = new UDisks2Backend(this);
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
}

void TestUDisks2::cleanup()
{
    QVERIFY2(m_udisks.allowAuthorizations(), qPrintable(m_udisks.errorString()));
    m_udisks.unplugAll(m_otherDisks);
    setMountPoint(QString());
    setDeviceUdi(QString());
}

QString TestUDisks2::plugNetbook()
{
    const QString device = m_udisks.plug(QStringLiteral("netbook"), netbookVendor, netbookProduct);
    if (device.isEmpty())
        qWarning("%s", qPrintable(m_udisks.errorString()));
    return device;
}

QString TestUDisks2::statusText(const MainWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("_statusLabel"))->text();
}

Button *TestUDisks2::connectButton(const MainWindow &window)
{
    return window.findChild<Button *>(QStringLiteral("_disconnectPushButton"));
}

QString TestUDisks2::plugMountedNetbook(QString *device)
{
    *device = plugNetbook();
    const QString mounted = device->isEmpty() ? QString() : m_udisks.mountThroughUDisks2(*device);
    if (mounted.isEmpty())
        qWarning("%s", qPrintable(m_udisks.errorString()));
    return mounted;
}

void TestUDisks2::mountOptions_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("takesUid");
    QTest::newRow("vfat") << "vfat" << true;
    QTest::newRow("exfat") << "exfat" << true;
    QTest::newRow("ntfs") << "ntfs" << true;
    QTest::newRow("ext4") << "ext4" << false;
    QTest::newRow("unknown") << "" << false;
}

void TestUDisks2::mountOptions()
{
    QFETCH(QString, type);
    QFETCH(bool, takesUid);
    const QVariantMap expected = takesUid
        ? QVariantMap { { QStringLiteral("options"), QStringLiteral("uid=%1").arg(getuid()) } }
        : QVariantMap();
    QCOMPARE(UDisks2Backend::mountOptions(type), expected);
}

void TestUDisks2::findsTheNetbookAmongOtherDisks_data()
{
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("product");
    QTest::addColumn<bool>("found");
    QTest::newRow("product A4A5, vendor 0525") << 0x0525 << 0xA4A5 << true;
    QTest::newRow("product 3307, vendor 03F0") << 0x03F0 << 0x3307 << true;
    QTest::newRow("product 0151, vendor 0457") << 0x0457 << 0x0151 << true;
    QTest::newRow("product 0151, vendor 03F0") << 0x03F0 << 0x0151 << true;
    QTest::newRow("product A4A5, vendor 1234") << 0x1234 << 0xA4A5 << false;
    QTest::newRow("product 1111, vendor 0525") << 0x0525 << 0x1111 << false;
}

void TestUDisks2::findsTheNetbookAmongOtherDisks()
{
    QFETCH(int, vendor);
    QFETCH(int, product);
    QFETCH(bool, found);
    const QString device = m_udisks.plug(QStringLiteral("candidate"), vendor, product);
    QVERIFY2(!device.isEmpty(), qPrintable(m_udisks.errorString()));
    m_backend->findDeviceVolume();
    QCOMPARE(deviceUdi(), found ? UDisks2Fixture::blockObject(device) : QString());
    QCOMPARE(mountPoint(), QString());

    // Mounted, as a desktop's automounter would, it is found with its
    // mount point.
    const QString mounted = m_udisks.mountThroughUDisks2(device);
    QVERIFY2(!mounted.isEmpty(), qPrintable(m_udisks.errorString()));
    m_backend->findDeviceVolume();
    QCOMPARE(mountPoint(), found ? mounted : QString());
}

void TestUDisks2::mountsTheNetbookOnRequest()
{
    const QString device = plugNetbook();
    QVERIFY(!device.isEmpty());
    m_backend->mountDevice();
    QCOMPARE(deviceUdi(), UDisks2Fixture::blockObject(device));
    QTRY_VERIFY(!UDisks2Fixture::mountPointOf(device).isEmpty());
    m_backend->findDeviceVolume();
    QCOMPARE(mountPoint(), UDisks2Fixture::mountPointOf(device));
    QVERIFY(QFileInfo(mountPoint()).isWritable());

    // Asked again while mounted, it leaves the mount as it is.
    m_backend->mountDevice();
    m_backend->findDeviceVolume();
    QCOMPARE(mountPoint(), UDisks2Fixture::mountPointOf(device));
}

void TestUDisks2::prefersTheMountedVolume_data()
{
    QTest::addColumn<int>("mountedOne");
    QTest::newRow("first plugged in mounted") << 0;
    QTest::newRow("second plugged in mounted") << 1;
}

void TestUDisks2::prefersTheMountedVolume()
{
    QFETCH(int, mountedOne);
    const QStringList devices = { plugNetbook(), plugNetbook() };
    QVERIFY(!devices.contains(QString()));
    // Whichever UDisks2 lists first, the mounted one is the device.
    const QString mounted = m_udisks.mountThroughUDisks2(devices.at(mountedOne));
    QVERIFY2(!mounted.isEmpty(), qPrintable(m_udisks.errorString()));
    m_backend->findDeviceVolume();
    QCOMPARE(mountPoint(), mounted);
    QCOMPARE(deviceUdi(), UDisks2Fixture::blockObject(devices.at(mountedOne)));
}

void TestUDisks2::removalOfTheNetbookIsReported()
{
    const QString device = plugNetbook();
    const QString other = m_udisks.plug(QStringLiteral("other"), 0x1234, 0x5678);
    QVERIFY(!device.isEmpty() && !other.isEmpty());
    QVERIFY(!m_udisks.mountThroughUDisks2(device).isEmpty());
    m_backend->findDeviceVolume();
    QCOMPARE(deviceUdi(), UDisks2Fixture::blockObject(device));

    QSignalSpy removed(m_backend, &UDisks2Backend::deviceRemoved);
    QVERIFY(m_udisks.unplug(other));
    QVERIFY(m_udisks.unplug(device));
    // The other disk went first; only the netbook's removal is reported.
    QTRY_VERIFY(!removed.isEmpty());
    for (const QList<QVariant> &arguments : qAsConst(removed))
        QCOMPARE(arguments.constFirst().toString(), UDisks2Fixture::blockObject(device));
}

void TestUDisks2::halAnswersWhileItHasAnOwner()
{
    QString device;
    const QString mounted = plugMountedNetbook(&device);
    QVERIFY(!mounted.isEmpty());
    TL09Engine engine;
    engine.findDeviceVolume();
    QCOMPARE(mountPoint(), mounted);

    // The owner is asked at every call: while HAL has one, HAL answers (and
    // knows no device), and once it is gone UDisks2 answers again.
    const QString hal = QStringLiteral("org.freedesktop.Hal");
    QVERIFY(m_udisks.connection().registerService(hal));
    engine.findDeviceVolume();
    QCOMPARE(mountPoint(), QString());
    QVERIFY(m_udisks.connection().unregisterService(hal));
    engine.findDeviceVolume();
    QCOMPARE(mountPoint(), mounted);
}

void TestUDisks2::mountedAtStartNeedsNoClick()
{
    QString device;
    const QString mounted = plugMountedNetbook(&device);
    QVERIFY(!mounted.isEmpty());
    TL09Engine engine;
    MainWindow window(engine);
    window.show();
    QCOMPARE(window.connectionState(), Connecting);
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), MediaSyncView, 10000);
    QVERIFY(window.currentBrowser() && window.currentBrowser()->isVisible());
    QCOMPARE(mountPoint(), mounted);
    QVERIFY(QFileInfo(mounted + QLatin1String("/Pictures")).isDir());
}

void TestUDisks2::connectMountsAndShowsTheMedia()
{
    const QString device = plugNetbook();
    QVERIFY(!device.isEmpty());
    TL09Engine engine;
    MainWindow window(engine);
    window.show();
    QCOMPARE(window.connectionState(), Disconnected);
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(window.connectionState(), Connecting);
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), MediaSyncView, 10000);
    QCOMPARE(statusText(window), QStringLiteral("Status:  Connected to OPALO™"));
    QVERIFY(!UDisks2Fixture::mountPointOf(device).isEmpty());
    QCOMPARE(mountPoint(), UDisks2Fixture::mountPointOf(device));
}

void TestUDisks2::pullDuringSessionShowsErrorThenDisconnected()
{
    QString device;
    QVERIFY(!plugMountedNetbook(&device).isEmpty());
    TL09Engine engine;
    MainWindow window(engine);
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), MediaSyncView, 10000);

    QVERIFY(m_udisks.unplug(device));
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), ConnectionError, 2000);
    QCOMPARE(statusText(window), QStringLiteral("Status:  Connection error"));
    QCOMPARE(deviceUdi(), QString());
    QCOMPARE(mountPoint(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), Disconnected, 7000);
    QCOMPARE(statusText(window), QStringLiteral("Status:  No OPALO™ device detected"));
}

void TestUDisks2::refusedMountEndsDisconnected()
{
    const QString device = plugNetbook();
    QVERIFY(!device.isEmpty());
    QVERIFY2(m_udisks.denyAuthorizations(), qPrintable(m_udisks.errorString()));
    TL09Engine engine;
    MainWindow window(engine);
    window.show();
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(window.connectionState(), Connecting);
    QTRY_VERIFY(m_udisks.refusedAuthorizations() > 0);
    // No mount point comes; the window gives up after its twenty ticks, the
    // timer's or these.
    for (int tick = 0; tick < 20 && window.connectionState() == Connecting; ++tick)
        window.searchTimeout();
    QCOMPARE(window.connectionState(), Disconnected);
    // Still there, and Connect may try again.
    QCOMPARE(statusText(window), QStringLiteral("Status:  OPALO™ found, not connected: Connect mounts it"));
    QCOMPARE(UDisks2Fixture::mountPointOf(device), QString());
}

void TestUDisks2::disconnectUnmountsAndConnectMountsAgain()
{
    const QString device = plugNetbook();
    QVERIFY(!device.isEmpty());
    TL09Engine engine;
    MainWindow window(engine);
    window.show();
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), MediaSyncView, 10000);

    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(window.connectionState(), Disconnected);
    QTRY_COMPARE_WITH_TIMEOUT(statusText(window), QStringLiteral("Status:  OPALO™ can be unplugged"), 10000);
    QCOMPARE(UDisks2Fixture::mountPointOf(device), QString());
    QCOMPARE(mountPoint(), QString());

    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), MediaSyncView, 10000);
    QVERIFY(!UDisks2Fixture::mountPointOf(device).isEmpty());
}

void TestUDisks2::disconnectWithAFileOpenSaysWhy()
{
    QString device;
    const QString mounted = plugMountedNetbook(&device);
    QVERIFY(!mounted.isEmpty());
    TL09Engine engine;
    MainWindow window(engine);
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), MediaSyncView, 10000);

    QFile openFile(mounted + QLatin1String("/Documents/open.txt"));
    QVERIFY(openFile.open(QIODevice::WriteOnly));
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(
        statusText(window), QStringLiteral("Status:  Files in use (DeviceBusy)"), 10000);
    QCOMPARE(UDisks2Fixture::mountPointOf(device), mounted);
}

void TestUDisks2::systemMountIsLeftMounted()
{
    const QString device = plugNetbook();
    QVERIFY(!device.isEmpty());
    QTemporaryDir folder;
    QVERIFY(m_udisks.mountDirectly(device, folder.path()));
    TL09Engine engine;
    engine.findDeviceVolume();
    QCOMPARE(mountPoint(), folder.path());
    // Only mounts made through UDisks2, by this program or the desktop, are
    // undone.
    QVERIFY(!engine.safelyRemoveDevice());
    QCOMPARE(UDisks2Fixture::mountPointOf(device), folder.path());
    QVERIFY(QProcess::execute(QStringLiteral("umount"), { folder.path() }) == 0);
}

void TestUDisks2::safeRemovalReports_data()
{
    QTest::addColumn<bool>("volumeExists");
    QTest::addColumn<bool>("unpluggable");
    // Unmounted meanwhile, say from the file manager: UDisks2 answers
    // NotMounted, and the device may be unplugged all the same.
    QTest::newRow("unmounted meanwhile") << true << true;
    QTest::newRow("volume unknown to UDisks2") << false << false;
}

void TestUDisks2::safeRemovalReports()
{
    QFETCH(bool, volumeExists);
    QFETCH(bool, unpluggable);
    const QString device = plugNetbook();
    QVERIFY(!device.isEmpty());
    QTemporaryDir folder;
    UDisks2Backend::Volume volume;
    volume.block = volumeExists ? UDisks2Fixture::blockObject(device)
                                : QStringLiteral("/org/freedesktop/UDisks2/block_devices/none");
    volume.mountPoint = folder.path();
    auto *removal = new SafeRemoval(volume.mountPoint, UDisks2Backend::removalCalls(volume), this);
    QSignalSpy finished(removal, &SafeRemoval::finished);
    removal->start();
    QVERIFY(finished.wait());
    QCOMPARE(finished.constFirst().constFirst().toString().isEmpty(), unpluggable);
}

QTEST_MAIN(TestUDisks2)
#include "tst_udisks2.moc"
