// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's connection states over an engine with the fake device
// back-end, with a real folder standing for the netbook's volume.
#include "FakeDeviceBackend.h"
#include "TestDir.h"
#include "TextContrast.h"
#include "TmpfsMount.h"
#include "UiTestHelpers.h"
#include "base/DeviceState.h"
#include "browser/panes/Browser.h"
#include "engine/TL09Engine.h"
#include "ui/GraphicalStatus.h"
#include "ui/MainWindow.h"
#include "widgets/Button.h"
#include "widgets/ProgressBar.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QtTest>

#include <memory>

namespace {

// Errors show for 5 s in use; the tests need not watch them that long.
const int shortErrorMs = 1000;

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void usedPercent_data();
    void usedPercent();
    void gaugeInWords_data();
    void gaugeInWords();
    void keyboardConnects();
    void stateChangesAreAnnounced();
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
    void readOnlyDeviceConnectsReadOnly();
    void textsReadableInEveryScheme_data();
    void textsReadableInEveryScheme();

private:
    void startDevice(bool mounted);
    QString statusText(const MainWindow &window) const;
    static Button *connectButton(const MainWindow &window);
    static GraphicalStatus *statusPanel(const MainWindow &window);

    FakeDeviceBackend *m_backend = nullptr;
    std::unique_ptr<TL09Engine> m_engine;
    QTranslator m_translator;
    TestDir *m_device = nullptr;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(installCatalogue(m_translator, QStringLiteral("en")));
}

void TestMainWindow::init()
{
    m_backend = new FakeDeviceBackend;
    m_engine = std::make_unique<TL09Engine>(m_backend);
    m_device = new TestDir;
    QVERIFY(!m_device->createFile(QStringLiteral("photo.jpg"), QByteArray(4096, 'p')).isEmpty());
    QVERIFY(!m_device->createFile(QStringLiteral(".opalo"), "Magno 2\n").isEmpty());
}

void TestMainWindow::cleanup()
{
    m_engine.reset();
    setMountPoint(QString());
    setDeviceUdi(QString());
    delete m_device;
    m_device = nullptr;
}

void TestMainWindow::startDevice(bool mounted)
{
    m_backend->plug(m_device->path(), mounted);
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

void TestMainWindow::usedPercent_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<quint64>("used");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<QString>("percentText");
    const quint64 gib = 1ULL << 30;
    QTest::newRow("1.5 of 8 GiB") << "en" << gib * 3 / 2 << gib * 8 << "18.8";
    QTest::newRow("1.5 of 8 GiB, German") << "de" << gib * 3 / 2 << gib * 8 << "18,8";
    QTest::newRow("empty device") << "en" << quint64(0) << gib * 16 << "0.0";
    QTest::newRow("unknown capacity") << "en" << quint64(0) << quint64(0) << "0.0";
    QTest::newRow("full") << "en" << gib * 2 << gib * 2 << "100.0";
    QTest::newRow("huge") << "en" << ~quint64(0) << ~quint64(0) << "100.0";
}

void TestMainWindow::usedPercent()
{
    QFETCH(QString, language);
    QFETCH(quint64, used);
    QFETCH(quint64, total);
    QFETCH(QString, percentText);
    QLocale::setDefault(QLocale(language));
    QCOMPARE(MainWindow::formatUsedPercent(used, total), percentText);
    QLocale::setDefault(QLocale::c());
}

void TestMainWindow::gaugeInWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<quint64>("used");
    QTest::addColumn<QList<double>>("percents");
    QTest::addColumn<QString>("words");
    const quint64 total = 20000000000ULL;
    QTest::newRow("a used device") << "en" << total << quint64(8000000000ULL) << QList<double> { 6, 17, 2.5 }
                                   << "Pictures 1.2 GB, Music 3.4 GB, Video 500 MB, Other 2.9 GB, free 12 GB";
    QTest::newRow("German") << "de" << total << quint64(8000000000ULL) << QList<double> { 6, 17, 2.5 }
                            << "Bilder 1,2 GB, Musik 3,4 GB, Video 500 MB, Sonstiges 2,9 GB, frei 12 GB";
    // Shares of the last complete collection may exceed what is used now.
    QTest::newRow("shares above the used space")
        << "en" << total << quint64(1000000000ULL) << QList<double> { 10, 0, 0 }
        << "Pictures 2.0 GB, Music 0 MB, Video 0 MB, Other 0 MB, free 19 GB";
    QTest::newRow("no device") << "en" << quint64(0) << quint64(0) << QList<double> { 0, 0, 0 }
                               << "Pictures 0 MB, Music 0 MB, Video 0 MB, Other 0 MB, free 0 MB";
}

void TestMainWindow::gaugeInWords()
{
    QFETCH(QString, language);
    QFETCH(quint64, total);
    QFETCH(quint64, used);
    QFETCH(QList<double>, percents);
    QFETCH(QString, words);
    QTranslator catalogue;
    QVERIFY(installCatalogue(catalogue, language));
    QLocale::setDefault(QLocale(language));
    TL09Engine::StorageShares shares;
    shares.pictures = percents.at(0);
    shares.music = percents.at(1);
    shares.video = percents.at(2);
    QCOMPARE(MainWindow::storageDescription(total, used, shares), words);
    QLocale::setDefault(QLocale::c());
}

void TestMainWindow::keyboardConnects()
{
    startDevice(false);
    MainWindow window(*m_engine);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    // Where the keyboard starts: Enter there connects.
    QTRY_COMPARE(QApplication::focusWidget(), connectButton(window));
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(window.connectionState(), Connecting);
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    // Enter elsewhere never disconnects.
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(window.connectionState(), MediaSyncView);
    // Tab goes from the category tabs round to "Disconnect" and back.
    auto *pictures = window.findChild<Button *>(QStringLiteral("_pictureTabPushButton"));
    QTRY_COMPARE(QApplication::focusWidget(), pictures);
    QWidget *last = nullptr;
    for (int step = 0; step < 20 && QApplication::focusWidget() != connectButton(window); ++step) {
        last = QApplication::focusWidget();
        QTest::keyClick(last, Qt::Key_Tab);
    }
    QCOMPARE(last->objectName(), QStringLiteral("_OpaloAddPushButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), pictures);
}

void TestMainWindow::stateChangesAreAnnounced()
{
    startDevice(true);
    MainWindow window(*m_engine);
    const auto announced = [&window] {
        auto *announcer = window.findChild<QWidget *>(QStringLiteral("_announcer"));
        return announcer ? QAccessible::queryAccessibleInterface(announcer)->text(QAccessible::Name)
                         : QString();
    };
    QCOMPARE(announced(), QStringLiteral("Connecting…"));
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    QCOMPARE(announced(), QStringLiteral("Connected to OPALO™"));
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(announced(), QStringLiteral("No OPALO™ device detected"));
    // Nothing measured, not "0 MB (0.0 %)".
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("_memoryTotalLabel"))->text(), QString());
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("_usedMemoryLabel"))->text(), QString());
}

void TestMainWindow::deviceMountedAtStartNeedsNoClick()
{
    startDevice(true);
    MainWindow window(*m_engine);
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
        total.startsWith(QLatin1String("OPALO total space: ")) && !total.contains(QLatin1String(": 0 MB")),
        qPrintable(total));
}

void TestMainWindow::connectMountsTheDeviceForTheUser()
{
    startDevice(false);
    MainWindow window(*m_engine);
    window.show();
    QCOMPARE(window.connectionState(), Disconnected);
    QCOMPARE(statusText(window), QStringLiteral("Status:  OPALO™ found, not connected: Connect mounts it"));
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Connect"));

    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(window.connectionState(), Connecting);
    QCOMPARE(m_backend->mountRequests(), 1);
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
}

void TestMainWindow::connectWithoutDeviceGivesUpAfterTwentyTicks()
{
    MainWindow window(*m_engine);
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
    MainWindow window(*m_engine);
    window.setErrorShownMs(shortErrorMs);
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    QPointer<Browser> browser = window.currentBrowser();

    m_backend->unplug();
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
    MainWindow window(*m_engine);
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    m_backend->unplug();
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), ConnectionError, 2000);
    QCOMPARE(connectButton(window)->text(), QStringLiteral("Connect"));
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QCOMPARE(window.connectionState(), ConnectionError);
}

void TestMainWindow::fileInPlaceOfCategoryFolderIsReadOnlyError()
{
    QVERIFY(!m_device->createFile(QStringLiteral("Pictures"), "not a folder").isEmpty());
    startDevice(true);
    QSignalSpy collections(m_engine.get(), &TL09Engine::dataCollectionFinished);
    MainWindow window(*m_engine);
    window.setErrorShownMs(shortErrorMs);
    window.show();
    QTRY_COMPARE(window.connectionState(), ReadOnlyError);
    QCOMPARE(statusPanel(window)->status(), int(ReadOnlyError));
    QCOMPARE(statusText(window), QStringLiteral("Status:  Connection error"));
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), Disconnected, 7000);
    // No collection started in all the time the error was shown.
    QCOMPARE(collections.count(), 0);
}

void TestMainWindow::failedCollectionShowsErrorThenDisconnected()
{
    startDevice(false);
    MainWindow window(*m_engine);
    window.setErrorShownMs(shortErrorMs);
    QTest::mouseClick(connectButton(window), Qt::LeftButton);
    QVERIFY(m_backend->isMounted());
    window.searchTimeout();
    QCOMPARE(window.connectionState(), Connected);
    QCOMPARE(statusPanel(window)->status(), int(Connected));
    // Whatever the running collection finds, this session's collection failed.
    m_engine.get()->stopDataCollection();
    window.dataCollectionFinished(false);
    QCOMPARE(window.connectionState(), ConnectionError);
    QCOMPARE(statusPanel(window)->status(), int(ConnectionError));
    QTRY_COMPARE_WITH_TIMEOUT(window.connectionState(), Disconnected, 7000);
}

void TestMainWindow::lateCollectionResultChangesNothing()
{
    startDevice(false);
    MainWindow window(*m_engine);
    auto *content = window.findChild<QHBoxLayout *>(QStringLiteral("_contentHBox"));
    const int items = content->count();
    window.dataCollectionFinished(true);
    QCOMPARE(window.connectionState(), Disconnected);
    QCOMPARE(content->count(), items);
}

void TestMainWindow::closingDuringSessionDisconnectsFirst()
{
    startDevice(true);
    MainWindow window(*m_engine);
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
    MainWindow window(*m_engine);
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
    MainWindow window(*m_engine);
    window.show();
    QTRY_COMPARE(window.connectionState(), MediaSyncView);
    const auto *gauge = window.findChild<ProgressBar *>(QStringLiteral("_mainProgressBar"));
    const float pictures = gauge->segment(ProgressBar::Pictures);
    QVERIFY(pictures > 0);

    // A collection that starts (after a delete, say) and does not complete:
    // its figures are not a set to show.
    const QString device = mountPoint();
    setMountPoint(QString());
    QVERIFY(!m_engine.get()->collectData());
    setMountPoint(device);
    window.updateFreeSpace();
    QCOMPARE(gauge->segment(ProgressBar::Pictures), pictures);
}

void TestMainWindow::readOnlyDeviceConnectsReadOnly()
{
    const QString root = m_device->createFolder(QStringLiteral("ro"));
    TmpfsMount device(root, QStringLiteral("size=1m"));
    if (!device.isMounted())
        QSKIP("mounting a tmpfs is not allowed here");
    for (const char *folder : { "Pictures", "Music", "Videos", "Documents" })
        QVERIFY(QDir(root).mkdir(QLatin1String(folder)));
    QCOMPARE(QProcess::execute(QStringLiteral("mount"), { "-o", "remount,ro", root }), 0);
    m_backend->plug(root);
    {
        MainWindow window(*m_engine);
        window.show();
        // Readable, so a session like any other, said to be read-only.
        QTRY_COMPARE(window.connectionState(), MediaSyncView);
        QCOMPARE(statusText(window), QStringLiteral("Status:  Connected to OPALO™, read-only"));
        for (const char *writing :
            { "_copy2ExternalDevice", "_OpaloAddPushButton", "_OpaloRemovePushButton" })
            QVERIFY2(!window.findChild<Button *>(QLatin1String(writing))->isEnabled(), writing);
        window.disconnectDevice();
    }
    QVERIFY(device.unmount());
}

void TestMainWindow::textsReadableInEveryScheme_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("mainMenu");
    QTest::newRow("light, connected") << false << true << false;
    QTest::newRow("dark, connected") << true << true << false;
    QTest::newRow("dark, main menu") << true << true << true;
    QTest::newRow("dark, no device") << true << false << false;
}

// Texts on the skin keep the skin's colours; the rest follows the palette.
void TestMainWindow::textsReadableInEveryScheme()
{
    QFETCH(bool, dark);
    QFETCH(bool, connected);
    QFETCH(bool, mainMenu);
    const QPalette before = QApplication::palette();
    if (dark)
        QApplication::setPalette(darkScheme());
    if (connected)
        startDevice(true);
    MainWindow window(*m_engine);
    window.resize(1000, 720);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.connectionState(), connected ? MediaSyncView : Disconnected);
    if (mainMenu)
        window.showMainMenu();
    const QStringList unreadable = unreadableTexts(&window);
    QApplication::setPalette(before);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
