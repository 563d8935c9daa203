// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/MainWindow.h"

#include "base/DeviceState.h"
#include "base/Logger.h"
#include "browser/panes/Browser.h"
#include "engine/TL09Engine.h"
#include "engine/device/SafeRemoval.h"
#include "ui/GraphicalStatus.h"
#include "ui/MainWindowUi.h"
#include "widgets/Announcer.h"
#include "widgets/Button.h"
#include "widgets/DataSize.h"
#include "widgets/ProgressBar.h"
#include "widgets/SkinStyle.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>

namespace {

const QSize windowSize(783, 559);
const QPoint backgroundCut(540, 391);
const int backgroundStep = 10;
const int searchInterval = 500;
const int freeSpaceInterval = 1000;
const int errorDelay = 5000;
const int searchTickLimit = 20;
const int gaugeMaximum = 1000;

void setButtonSkin(Button *button, const char *normal, const char *hover, const char *pressed)
{
    button->setStateImages(skinImage(QLatin1String(normal)), skinImage(QLatin1String(hover)),
        skinImage(QLatin1String(pressed)), QImage());
}

} // namespace

MainWindow::MainWindow(TL09Engine &engine, QWidget *parent)
    : QMainWindow(parent)
    , m_engine(engine)
    , ui(std::make_unique<MainWindowUi>())
{
    setWindowTitle(tr("IDS_PC_SYNC_TITLE"));
    setWindowIcon(QIcon(QStringLiteral(":/skin/res/icon_48px.png")));
    resize(windowSize);
    setMinimumSize(windowSize);
    ui->setupUi(this);
    ui->_contentHBox->addWidget(&mainMenu);

    setConnectionState(Disconnected);
    searchTicks = 0;

    background.cut(
        skinImage(QStringLiteral(":/skin/res/bg.png")), backgroundCut, backgroundStep, backgroundStep);

    setButtonSkin(ui->_disconnectPushButton, ":/skin/res/disconnect.png", ":/skin/res/disconnect_hover.png",
        ":/skin/res/disconnect_pressed.png");
    setButtonSkin(ui->_optionsPushButton, ":/skin/res/options.png", ":/skin/res/options_hover.png",
        ":/skin/res/options_pressed.png");
    setButtonSkin(ui->_back2MainPushButton, ":/skin/res/back2main.png", ":/skin/res/back2main-hover.png",
        ":/skin/res/back2main-pressed.png");
    ui->_optionsPushButton->hide();
    ui->_back2MainPushButton->hide();
    setGauge(0, 0, {});

    connect(ui->_disconnectPushButton, &QPushButton::clicked, this, &MainWindow::disconnectDevice);
    connect(ui->_back2MainPushButton, &QPushButton::clicked, this, &MainWindow::showMainMenu);
    connect(&mainMenu, &MainMenu::showMediaSync, this, &MainWindow::showMediaSync);

    state = Disconnected;
    resetMemoryLabels();

    freeSpaceTimer.setInterval(freeSpaceInterval);
    connect(&freeSpaceTimer, &QTimer::timeout, this, &MainWindow::updateFreeSpace);
    errorTimer.setInterval(errorDelay);
    errorTimer.setSingleShot(true);
    connect(&errorTimer, &QTimer::timeout, this, &MainWindow::showDisconnectMenu);
    connect(&searchTimer, &QTimer::timeout, this, &MainWindow::searchTimeout);

    connect(&m_engine, &TL09Engine::dataCollectionFinished, this, &MainWindow::dataCollectionFinished,
        Qt::QueuedConnection);
    m_engine.findDeviceVolume();
    if (m_engine.checkDeviceFolders())
        setConnectionState(Connecting);
    else
        setConnectionState(Disconnected); // now that the search has told whether one is there

    ui->_optionsPushButton->setTextOffset(-15, 0);
}

MainWindow::~MainWindow()
{
    // Browsers go with the window's other children; by then this window is no
    // longer a MainWindow that can take their destroyed() signal.
    const QList<Browser *> browsers = findChildren<Browser *>();
    for (Browser *child : browsers)
        child->disconnect(this);
}

QString MainWindow::formatUsedPercent(quint64 used, quint64 total)
{
    const long double percent = total == 0 ? 0.0L : static_cast<long double>(used) / total * 100.0L;
    return QLocale().toString(static_cast<double>(percent), 'f', 1);
}

QString MainWindow::storageDescription(quint64 total, quint64 used, const TL09Engine::StorageShares &shares)
{
    const auto bytesOf = [total](double percent) {
        return percent <= 0 ? quint64(0) : quint64(static_cast<double>(total) * percent / 100.0);
    };
    const quint64 pictures = bytesOf(shares.pictures);
    const quint64 music = bytesOf(shares.music);
    const quint64 video = bytesOf(shares.video);
    // Documents are part of "other", as in the gauge.
    const quint64 counted = pictures + music + video;
    const quint64 other = used > counted ? used - counted : 0;
    const quint64 free = total > used ? total - used : 0;
    return tr("IDS_GAUGE_DESCRIPTION")
        .arg(DataSize::storage(pictures), DataSize::storage(music), DataSize::storage(video),
            DataSize::storage(other), DataSize::storage(free));
}

void MainWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    background.paint(painter, size());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    hide();
    if (m_engine.checkDeviceFolders())
        setConnectionState(Disconnected);
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state == Disconnected) {
        disconnectDevice();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::disconnectDevice()
{
    switch (state) {
    case Connecting:
        setConnectionState(Disconnected);
        break;
    case Connected:
    case MainMenuView:
    case MediaSyncView:
        setConnectionState(Disconnected);
        removeDeviceSafely();
        break;
    case Disconnected:
        setConnectionState(Connecting);
        break;
    case ConnectionError:
    case ReadOnlyError:
        break;
    }
}

void MainWindow::showMainMenu()
{
    setConnectionState(MainMenuView);
}

void MainWindow::showMediaSync()
{
    setConnectionState(MediaSyncView);
}

void MainWindow::bringForward()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    Logger::instance()->log("brought forward for a second start: %s",
        windowState() & Qt::WindowMinimized ? "still minimised" : "not minimised");
}

void MainWindow::setErrorShownMs(int ms)
{
    errorTimer.setInterval(ms);
}

void MainWindow::showDisconnectMenu()
{
    setConnectionState(Disconnected);
}

void MainWindow::searchTimeout()
{
    if (state == Connecting) {
        m_engine.findDeviceVolume();
        if (state == Connecting && m_engine.checkDeviceFolders()) {
            setConnectionState(Connected);
            searchTicks = 0;
            return;
        }
    }
    if (state != Connected && state != MainMenuView && state != MediaSyncView) {
        if (++searchTicks == searchTickLimit) {
            searchTimer.stop();
            setConnectionState(Disconnected);
        }
        return;
    }
    if (!m_engine.checkDeviceFolders()) {
        searchTimer.stop();
        setConnectionState(ConnectionError);
    } else if (m_engine.isReadOnly()) {
        searchTimer.stop();
        setConnectionState(ReadOnlyError);
    }
    searchTicks = 0;
}

void MainWindow::BrowserDestroyed()
{
    // A browser given up earlier may go after its successor was created.
    if (!sender() || sender() == browser)
        browser = nullptr;
}

void MainWindow::dataCollectionFinished(bool success)
{
    // A collection that ends after the session was given up changes nothing.
    if (state != Connected)
        return;
    if (!success) {
        setConnectionState(ConnectionError);
        return;
    }
    if (browser)
        ui->_contentHBox->addWidget(browser);
    // Fills the labels and, with no copy refresh running in a fresh session,
    // the gauge.
    updateFreeSpace();
    freeSpaceTimer.start();
    setConnectionState(MediaSyncView);
}

void MainWindow::updateFreeSpace()
{
    quint64 total;
    quint64 used;
    m_engine.spaceUsage(&total, &used);
    showSpace(total, used);
    if (!m_engine.isRefreshAfterCopy())
        updateSegments(total, used);
}

void MainWindow::showSpace(quint64 total, quint64 used)
{
    ui->_memoryTotalLabel->setText(tr("IDS_TOTAL_DEVICE_SPACE").arg(DataSize::storage(total)));
    ui->_usedMemoryLabel->setText(
        tr("IDS_DEVICE_USED_SPACE").arg(DataSize::storage(used), formatUsedPercent(used, total)));
    ui->_legendFreeLabel->setText(
        tr("IDS_FREE_FIGURE").arg(DataSize::storage(total > used ? total - used : 0)));
}

void MainWindow::updateSegments(quint64 total, quint64 used)
{
    // A collection running meanwhile does not show its partial figures.
    setGauge(total, used, m_engine.storageShares());
}

void MainWindow::setGauge(quint64 total, quint64 used, const TL09Engine::StorageShares &shares)
{
    const double usedPercent = total == 0 ? 0.0 : static_cast<double>(used) / total * 100.0;
    // Documents have no segment of their own: they are part of "other".
    const double other = usedPercent - shares.pictures - shares.music - shares.video;
    ProgressBar *gauge = ui->_mainProgressBar;
    gauge->setSegments(float(shares.pictures), float(shares.music), float(shares.video), float(other));
    // What a screen reader gives of it: the figures in words, and the used
    // share as its value.
    gauge->setValue(qBound(0, qRound(usedPercent * gaugeMaximum / 100.0), gaugeMaximum));
    // Each new name is announced: the same figures every second are not news.
    const QString words = storageDescription(total, used, shares);
    if (gauge->accessibleName() != words)
        gauge->setAccessibleName(words);
}

void MainWindow::setConnectionState(ConnectionState newState)
{
    switch (newState) {
    case Disconnected:
        enterDisconnected();
        break;
    case Connecting:
        enterConnecting();
        break;
    case Connected:
        enterConnected();
        break;
    case ConnectionError:
    case ReadOnlyError:
        enterError(newState);
        break;
    case MainMenuView:
        enterMainMenuView();
        break;
    case MediaSyncView:
        enterMediaSyncView();
        break;
    }
    state = newState;
}

void MainWindow::enterDisconnected()
{
    m_engine.stopDataCollection();
    searchTimer.stop();
    errorTimer.stop();
    m_engine.cancelCopies();
    freeSpaceTimer.stop();
    if (browser) {
        browser->hide();
        browser->dismissDialog();
        browser->deleteLater();
    }
    mainMenu.hide();
    showStatusPanel(Disconnected);
    setGauge(0, 0, {});
    resetMemoryLabels();
    setConnectButton(true);
    // A device the system found but has not mounted is there all the same.
    const bool foundUnmounted = !deviceUdi().isEmpty() && mountPoint().isEmpty();
    setStatusText(foundUnmounted ? QT_TR_NOOP("IDS_CX_NOT_MOUNTED") : QT_TR_NOOP("IDS_CX_NOT_FOUND"));
    hideCategoryRow();
    // Enter or Space connects again at once.
    ui->_disconnectPushButton->setFocus();
}

void MainWindow::enterConnecting()
{
    errorTimer.stop();
    if (!m_engine.checkDeviceFolders())
        m_engine.mountDevice();
    searchTimer.start(searchInterval);
    searchTicks = 0;
    if (browser)
        browser->hide();
    mainMenu.hide();
    showStatusPanel(Connecting);
    setConnectButton(false);
    setStatusText(QT_TR_NOOP("IDS_CX_CONNECTING"));
    hideCategoryRow();
}

void MainWindow::enterConnected()
{
    errorTimer.stop();
    if (browser) {
        browser->hide();
        browser->deleteLater();
    }
    browser = new Browser(m_engine, this);
    browser->setDeviceReadOnly(m_engine.isMountedReadOnly());
    browser->hide();
    connect(browser, &QObject::destroyed, this, &MainWindow::BrowserDestroyed);
    if (!m_engine.isReadOnly())
        m_engine.startDataCollection();
    mainMenu.hide();
    showStatusPanel(Connected);
    setConnectButton(false);
    setStatusText(connectedKey());
    hideCategoryRow();
}

void MainWindow::enterError(ConnectionState errorState)
{
    m_engine.cancelCopies();
    errorTimer.start();
    freeSpaceTimer.stop();
    if (browser) {
        browser->hide();
        browser->dismissDialog();
    }
    mainMenu.hide();
    showStatusPanel(errorState);
    setConnectButton(true);
    setStatusText(QT_TR_NOOP("IDS_CX_ERROR"));
    hideCategoryRow();
}

void MainWindow::enterMainMenuView()
{
    errorTimer.stop();
    freeSpaceTimer.start();
    if (browser)
        browser->hide();
    ui->_graphicalStatus->hide();
    mainMenu.show();
    ui->_cathegoryMainLabel->setUpdatesEnabled(false);
    ui->_cathegoryMainLabel->setText(tr("IDS_MAIN"));
    ui->_cathegoryMainLabel->show();
    ui->_cathegoryMainLabel->setUpdatesEnabled(true);
    setConnectButton(false);
    setStatusText(connectedKey());
}

void MainWindow::enterMediaSyncView()
{
    errorTimer.stop();
    freeSpaceTimer.start();
    mainMenu.hide();
    ui->_graphicalStatus->hide();
    if (browser)
        browser->show();
    ui->_cathegoryMainLabel->setUpdatesEnabled(false);
    ui->_cathegoryMainLabel->setPixmap(skinPixmap(QStringLiteral(":/skin/res/media.png")));
    ui->_cathegoryMainLabel->show();
    ui->_cathegoryLabel->show();
    ui->_cathegoryMainLabel->setUpdatesEnabled(true);
    setConnectButton(false);
    setStatusText(connectedKey());
}

void MainWindow::showStatusPanel(int code)
{
    ui->_graphicalStatus->show();
    ui->_graphicalStatus->setStatus(code);
}

void MainWindow::setConnectButton(bool connect)
{
    ui->_disconnectPushButton->setText(connect ? tr("IDS_CONNECT") : tr("IDS_DISCONNECT"));
    ui->_disconnectPushButton->setToolTip(connect ? tr("IDS_CONNECT_TIP") : tr("IDS_DISCONNECT_TIP"));
}

const char *MainWindow::connectedKey() const
{
    return m_engine.isMountedReadOnly() ? QT_TR_NOOP("IDS_CX_CONNECTED_READ_ONLY")
                                        : QT_TR_NOOP("IDS_CX_CONNECTED");
}

void MainWindow::setStatusText(const char *stateKey)
{
    setStatusLine(tr(stateKey));
}

void MainWindow::setStatusLine(const QString &stateText)
{
    ui->_statusLabel->setText(tr("IDS_CX_STATUS") + QLatin1String("  ") + stateText);
    Announcer::announce(this, stateText);
}

void MainWindow::removeDeviceSafely()
{
    if (const SafeRemoval *removal = m_engine.safelyRemoveDevice())
        connect(removal, &SafeRemoval::finished, this, &MainWindow::showRemovalResult);
}

void MainWindow::showRemovalResult(const QString &error)
{
    // A session started meanwhile has its own status line.
    if (state != Disconnected)
        return;
    // UDisks2's error names are long; their last part says what went wrong.
    const QString reason = error.section(QLatin1Char('.'), -1);
    if (error.isEmpty())
        setStatusLine(tr("IDS_CX_UNPLUG_READY"));
    else if (reason == QLatin1String("DeviceBusy"))
        setStatusLine(tr("IDS_CX_UNPLUG_BUSY").arg(reason));
    else
        setStatusLine(tr("IDS_CX_UNPLUG_FAILED").arg(reason));
}

void MainWindow::resetMemoryLabels()
{
    // Without a device there is nothing to measure, not even a zero.
    ui->_memoryTotalLabel->clear();
    ui->_usedMemoryLabel->clear();
    ui->_legendFreeLabel->setText(tr("IDS_FREE"));
}

void MainWindow::hideCategoryRow()
{
    ui->_back2MainPushButton->hide();
    ui->_cathegoryMainLabel->hide();
    ui->_cathegoryLabel->hide();
}
