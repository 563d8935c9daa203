// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/TL09Engine.h"
#include "ui/MainMenu.h"
#include "widgets/SkinBackground.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

class Browser;
struct MainWindowUi;

// The connection state of the main window. Codes 0 to 4 are also the codes of
// the connection status panel.
enum ConnectionState {
    Disconnected = 0,
    Connecting = 1,
    Connected = 2,
    ConnectionError = 3,
    ReadOnlyError = 4,
    MainMenuView = 5,
    MediaSyncView = 6
};

// The program's only top-level window. It polls the device engine for the
// device, starts the data collection, shows the storage gauge, and fills its
// content area with the status panel, the main menu or the media sync window
// according to its connection state.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // engine: the program's device engine, which outlives the window.
    explicit MainWindow(TL09Engine &engine, QWidget *parent = nullptr);
    ~MainWindow() override;

    ConnectionState connectionState() const { return state; }
    // How long an error shows before the window offers to connect again;
    // 5 s unless set.
    void setErrorShownMs(int ms);
    Browser *currentBrowser() const { return browser; }

    // The used share of the capacity in percent, with one decimal in the
    // language's own format; an unknown capacity reads as nothing used.
    static QString formatUsedPercent(quint64 used, quint64 total);
    // The gauge in words, for screen readers: each category's space and the
    // free space.
    static QString storageDescription(quint64 total, quint64 used, const TL09Engine::StorageShares &shares);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Enter connects while the window offers "Connect".
    void keyPressEvent(QKeyEvent *event) override;

public slots:
    void disconnectDevice();
    // Un-minimised, raised and activated where the window system allows:
    // the user started the program again.
    void bringForward();
    void showMainMenu();
    void showMediaSync();
    void updateFreeSpace();
    void showDisconnectMenu();
    void searchTimeout();
    void BrowserDestroyed();
    void dataCollectionFinished(bool success);

private:
    void setConnectionState(ConnectionState newState);
    void enterDisconnected();
    void enterConnecting();
    void enterConnected();
    void enterError(ConnectionState errorState);
    void enterMainMenuView();
    void enterMediaSyncView();
    void showStatusPanel(int code);
    void setConnectButton(bool connect);
    void setStatusText(const char *stateKey);
    void setStatusLine(const QString &stateText);
    void removeDeviceSafely();
    void showRemovalResult(const QString &error);
    void showSpace(quint64 total, quint64 used);
    void resetMemoryLabels();
    void hideCategoryRow();
    void updateSegments(quint64 total, quint64 used);
    void setGauge(quint64 total, quint64 used, const TL09Engine::StorageShares &shares);

    // The status of a device connected, read-only or not.
    const char *connectedKey() const;

    TL09Engine &m_engine;
    std::unique_ptr<MainWindowUi> ui;
    SkinBackground background;
    QTimer freeSpaceTimer;
    QTimer errorTimer;
    QTimer searchTimer;
    MainMenu mainMenu;
    Browser *browser = nullptr;
    ConnectionState state = Disconnected;
    int searchTicks = 0;
};
