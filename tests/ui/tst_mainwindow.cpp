// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's connection states against the HAL simulator on a private
// bus, with a real folder standing for the netbook's volume.
#include "HalFixture.h"
#include "TestDir.h"
#include "UiTestHelpers.h"
#include "base/DeviceState.h"
#include "browser/panes/Browser.h"
#include "engine/TL09Engine.h"
#include "ui/GraphicalStatus.h"
#include "ui/MainWindow.h"
#include "widgets/Button.h"
#include "widgets/ProgressBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QtTest>

#include <unistd.h>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void texts_data();
    void texts();
    void deviceMountedAtStartNeedsNoClick();
    void connectMountsTheDeviceForTheUser();
    void connectWithoutDeviceGivesUpAfterTwentyTicks();
    void unplugDuringSessionShowsErrorThenDisconnected();
    void clicksInErrorStatesDoNothing();
    void fileInPlaceOfCategoryFolderIsReadOnlyError();
    void failedCollectionShowsErrorThenDisconnected();
    void lateCollectionResultChangesNothing();
    void closingDuringSessionDisconnectsFirst();
    void mainMenuAndBack();
    void gaugeKeepsLastCompleteShares();

private:
    void startDevice(bool mounted);
    QString statusText(const MainWindow &window) const;
    static Button *connectButton(const MainWindow &window);
    static GraphicalStatus *statusPanel(const MainWindow &window);

    HalFixture m_hal;
    QTranslator m_translator;
    TestDir *m_device = nullptr;
};

void TestMainWindow::initTestCase()
{
    QVERIFY2(m_hal.startBus(), qPrintable(m_hal.errorString()));
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
}

void TestMainWindow::init()
{
    m_device = new TestDir;
    QVERIFY(!m_device->createFile(QStringLiteral("photo.jpg"), QByteArray(4096, 'p')).isEmpty());
    QVERIFY(!m_device->createFile(QStringLiteral(".opalo"), "Magno 2\n").isEmpty());
}

void TestMainWindow::cleanup()
{
    m_hal.stopSimulator();
    delete m_device;
    m_device = nullptr;
}

void TestMainWindow::startDevice(bool mounted)
{
    QVERIFY2(m_hal.startSimulator(HalDescription()
                                      .addDisk(QStringLiteral("disk"), QDir::tempPath())
                                      .addOpalo(QStringLiteral("opalo"), m_device->path(), mounted)),
        qPrintable(m_hal.errorString()));
}

QString TestMainWindow::statusText(const MainWindow &window) const
{
    return window.findChild<QLabel *>(QStringLiteral("_statusLabel"))->text();
}

Button *TestMainWindow::connectButton(const MainWindow &window)
{
    return window.findChild<Button *>(QStringLiteral("_disconnectPushButton"));
}

GraphicalStatus *TestMainWindow::statusPanel(const MainWindow &window)
{
    return window.findChild<GraphicalStatus *>(QStringLiteral("_graphicalStatus"));
}

void TestMainWindow::texts_data()
{
    QTest::addColumn<quint64>("used");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<QString>("usedText");
    QTest::addColumn<QString>("totalText");
    QTest::addColumn<QString>("percentText");
    const quint64 gib = 1ULL << 30;
    QTest::newRow("1.5 of 8 GiB") << gib * 3 / 2 << gib * 8 << "1.5"
                                  << "8.0"
                                  << "18.8";
    QTest::newRow("empty device") << quint64(0) << gib * 16 << "0.0"
                                  << "16.0"
                                  << "0.0";
    QTest::newRow("unknown capacity") << quint64(0) << quint64(0) << "0.0"
                                      << "0.0"
                                      << "0.0";
    QTest::newRow("full") << gib * 2 << gib * 2 << "2.0"
                          << "2.0"
                          << "100.0";
    QTest::newRow("huge") << ~quint64(0) << ~quint64(0) << "17179869184.0"
                          << "17179869184.0"
                          << "100.0";
}

void TestMainWindow::texts()
{
    QFETCH(quint64, used);
    QFETCH(quint64, total);
    QFETCH(QString, usedText);
    QFETCH(QString, totalText);
    QFETCH(QString, percentText);
    QCOMPARE(MainWindow::formatGigabytes(used), usedText);
    QCOMPARE(MainWindow::formatGigabytes(total), totalText);
    QCOMPARE(MainWindow::formatUsedPercent(used, total), percentText);
}

void TestMainWindow::deviceMountedAtStartNeedsNoClick()
{
    startDevice(true);
    MainWindow window;
    window.show();
    QCOMPARE(window.connectionState(), Connecting);
    QCOMPARE(statusText(window), QStringLiteral("Status:  Connecting…"));
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Disconnect"));

    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    QCOMPARE(statusText(window), QStringLiteral("Status:  Connected to OPALO™"));
    QVERIFY(window.currentBrowser());
    QVERIFY(window.currentBrowser()->isVisible());
    QVERIFY(!statusPanel(window)->isVisible());
    // The category folders were created on the device.
    for (const char *folder : { "Pictures", "Music", "Videos", "Documents" })
        QVERIFY2(QFileInfo(m_device->filePath(QLatin1String(folder))).isDir(), folder);
    const QString total = window.findChild<QLabel *>(QStringLiteral("_memoryTotalLabel"))->text();
    QVERIFY2(
        total.startsWith(QLatin1String("OPALO total space: ")) && !total.contains(QLatin1String(": 0.0 GB")),
        qPrintable(total));
}

void TestMainWindow::connectMountsTheDeviceForTheUser()
{
    startDevice(false);
    MainWindow window;
    window.show();
    QCOMPARE(window.connectionState(), Disconnected);
    QCOMPARE(statusText(window), QStringLiteral("Status:  No OPALO™ device detected"));
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Connect"));

    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(window.connectionState(), Connecting);
    QTRY_COMPARE(
        m_hal.mountOptions(QStringLiteral("opalo")), QStringList(QStringLiteral("uid=%1").arg(getuid())));
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
}

void TestMainWindow::connectWithoutDeviceGivesUpAfterTwentyTicks()
{
    QVERIFY(m_hal.startSimulator(HalDescription().addDisk(QStringLiteral("disk"), QDir::tempPath())));
    MainWindow window;
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(window.connectionState(), Connecting);
    for (int tick = 1; tick < 20; ++tick) {
        window.searchTimeout();
        QCOMPARE(window.connectionState(), Connecting);
    }
    window.searchTimeout();
    QCOMPARE(window.connectionState(), Disconnected);
    QCOMPARE(statusText(window), QStringLiteral("Status:  No OPALO™ device detected"));
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Connect"));
    QCOMPARE(statusPanel(window)->status(), int(Disconnected));
}

void TestMainWindow::unplugDuringSessionShowsErrorThenDisconnected()
{
    startDevice(true);
    MainWindow window;
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    QPointer<Browser> browser = window.currentBrowser();

    QVERIFY(m_hal.unplug(QStringLiteral("opalo")));
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), ConnectionError, 2000);
    QCOMPARE(statusText(window), QStringLiteral("Status:  Connection error"));
    QCOMPARE(statusPanel(window)->status(), int(ConnectionError));
    QVERIFY(statusPanel(window)->isVisible());
    QVERIFY(browser && !browser->isVisible());

    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), Disconnected, 7000);
    QTRY_VERIFY(!browser);
    QVERIFY(!window.currentBrowser());
}

void TestMainWindow::clicksInErrorStatesDoNothing()
{
    startDevice(true);
    MainWindow window;
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    QVERIFY(m_hal.unplug(QStringLiteral("opalo")));
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), ConnectionError, 2000);
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Connect"));
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(window.connectionState(), ConnectionError);
}

void TestMainWindow::fileInPlaceOfCategoryFolderIsReadOnlyError()
{
    QVERIFY(!m_device->createFile(QStringLiteral("Pictures"), "not a folder").isEmpty());
    startDevice(true);
    QSignalSpy collections(TL09Engine::instance(), &TL09Engine::dataCollectionFinished);
    MainWindow window;
    window.show();
    QTRY_COMPARE(window.connectionState(), ReadOnlyError);
    QCOMPARE(statusPanel(window)->status(), int(ReadOnlyError));
    QCOMPARE(statusText(window), QStringLiteral("Status:  Connection error"));
    QTest::qWait(200);
    QCOMPARE(collections.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), Disconnected, 7000);
}

void TestMainWindow::failedCollectionShowsErrorThenDisconnected()
{
    startDevice(false);
    MainWindow window;
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QTRY_VERIFY(m_hal.list().join(QLatin1Char('\n')).contains(QLatin1String("opalo\tplugged\tmounted")));
    window.searchTimeout();
    QCOMPARE(window.connectionState(), Connected);
    QCOMPARE(statusPanel(window)->status(), int(Connected));
    // Whatever the running collection finds, this session's collection failed.
    TL09Engine::instance()->stopDataCollection();
    window.dataCollectionFinished(false);
    QCOMPARE(window.connectionState(), ConnectionError);
    QCOMPARE(statusPanel(window)->status(), int(ConnectionError));
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), Disconnected, 7000);
}

void TestMainWindow::lateCollectionResultChangesNothing()
{
    startDevice(false);
    MainWindow window;
    auto *content = window.findChild<QHBoxLayout *>(QStringLiteral("_contentHBox"));
    const int items = content->count();
    window.dataCollectionFinished(true);
    QCOMPARE(window.connectionState(), Disconnected);
    QCOMPARE(content->count(), items);
}

void TestMainWindow::closingDuringSessionDisconnectsFirst()
{
    startDevice(true);
    MainWindow window;
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    QPointer<Browser> browser = window.currentBrowser();
    QVERIFY(window.close());
    QCOMPARE(window.connectionState(), Disconnected);
    QVERIFY(!window.isVisible());
    QTRY_VERIFY(!browser);
}

void TestMainWindow::mainMenuAndBack()
{
    startDevice(true);
    MainWindow window;
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    window.showMainMenu();
    QCOMPARE(window.connectionState(), MainMenuView);
    QVERIFY(!window.currentBrowser()->isVisible());
    auto *media = window.findChild<Button *>(QStringLiteral("_mediaPushButton"));
    QVERIFY(media && media->isVisible());
    QTest::mouseClick(media, Qt::LeftButton);
    QCOMPARE(window.connectionState(), MediaSyncView);
    QVERIFY(window.currentBrowser()->isVisible());
}

void TestMainWindow::gaugeKeepsLastCompleteShares()
{
    startDevice(true);
    MainWindow window;
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    const auto *gauge = window.findChild<ProgressBar *>(QStringLiteral("_mainProgressBar"));
    const float pictures = gauge->segment(ProgressBar::Pictures);
    QVERIFY(pictures > 0);

    // A collection that starts (after a delete, say) and does not complete:
    // its figures are not a set to show.
    const QString device = mountPoint();
    setMountPoint(QString());
    QVERIFY(!TL09Engine::instance()->collectData());
    setMountPoint(device);
    window.updateFreeSpace();
    QCOMPARE(gauge->segment(ProgressBar::Pictures), pictures);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
