// SPDX-License-Identifier: GPL-2.0-or-later
// The engine where HAL cannot answer: run once with no bus at all, and once
// (OPALO_TEST_PRIVATE_BUS set) with a bus on which HAL is not running.
#include "HalFixture.h"
#include "TestDir.h"
#include "base/DeviceState.h"
#include "engine/TL09Engine.h"

#include <QtTest>

namespace {

// D-Bus gives up on a call after this long; no step may wait for more.
const qint64 busDefaultTimeoutMs = 25000;

} // namespace

class TestEngineNoHal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noDeviceIsFound();
    void mountRequestGoesNowhere();
    void removalStillClearsOnlyItsDevice();

private:
    HalFixture m_hal;
    TL09Engine *m_engine = nullptr;
};

void TestEngineNoHal::initTestCase()
{
    if (qEnvironmentVariableIsSet("OPALO_TEST_PRIVATE_BUS"))
        QVERIFY2(m_hal.startBus(), qPrintable(m_hal.errorString()));
    m_engine = new TL09Engine(this);
}

void TestEngineNoHal::noDeviceIsFound()
{
    TestDir dir;
    setMountPoint(dir.path());
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(m_engine->deviceVolumeUdi(), QString());
    QVERIFY(!m_engine->isDeviceNode(QStringLiteral("/org/freedesktop/Hal/devices/computer")));
    m_engine->findDeviceVolume();
    QVERIFY2(timer.elapsed() < busDefaultTimeoutMs, "a call waited for the bus time-out");
    QCOMPARE(mountPoint(), QString());
    QCOMPARE(deviceUdi(), QString());
    QVERIFY(!m_engine->checkDeviceFolders());
}

void TestEngineNoHal::mountRequestGoesNowhere()
{
    QElapsedTimer timer;
    timer.start();
    m_engine->mountDevice();
    QVERIFY2(timer.elapsed() < busDefaultTimeoutMs, "a call waited for the bus time-out");
    m_engine->findDeviceVolume();
    QCOMPARE(mountPoint(), QString());
}

void TestEngineNoHal::removalStillClearsOnlyItsDevice()
{
    TestDir dir;
    setDeviceUdi(QStringLiteral("/org/freedesktop/Hal/devices/usb_device_525_a4a5"));
    setMountPoint(dir.path());
    m_engine->delDevice(QStringLiteral("/org/freedesktop/Hal/devices/other"));
    QCOMPARE(mountPoint(), dir.path());
    m_engine->delDevice(QStringLiteral("/org/freedesktop/Hal/devices/usb_device_525_a4a5"));
    QCOMPARE(mountPoint(), QString());
}

QTEST_GUILESS_MAIN(TestEngineNoHal)
#include "tst_enginenohal.moc"
