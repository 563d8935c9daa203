// SPDX-License-Identifier: GPL-2.0-or-later
// The UDisks2 back-end against the real UDisks2 service, on a private system
// bus with polkitd and udevd, over loop disks that udev gives the netbook's
// USB identifiers (or others). Needs root and loop devices.
#include "UDisks2Fixture.h"
#include "engine/DeviceState.h"
#include "engine/UDisks2Backend.h"

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
    void prefersTheMountedVolume();
    void removalOfTheNetbookIsReported();

private:
    QString plugNetbook();

    UDisks2Fixture m_udisks;
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
}

void TestUDisks2::cleanup()
{
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

void TestUDisks2::prefersTheMountedVolume()
{
    const QString first = plugNetbook();
    const QString second = plugNetbook();
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    // Whichever UDisks2 lists first, the mounted one is the device.
    for (const QString &device : { first, second }) {
        const QString mounted = m_udisks.mountThroughUDisks2(device);
        QVERIFY2(!mounted.isEmpty(), qPrintable(m_udisks.errorString()));
        m_backend->findDeviceVolume();
        QCOMPARE(mountPoint(), mounted);
        QCOMPARE(deviceUdi(), UDisks2Fixture::blockObject(device));
        QVERIFY(QProcess::execute(QStringLiteral("umount"), { mounted }) == 0);
    }
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

QTEST_GUILESS_MAIN(TestUDisks2)
#include "tst_udisks2.moc"
