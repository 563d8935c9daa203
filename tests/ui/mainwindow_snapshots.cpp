// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of the main window in each connection state, driven against
// the HAL simulator on a private bus, for looking at them:
//   QT_QPA_PLATFORM=offscreen mainwindow_snapshots OUTPUT_FOLDER [LANGUAGE]
// With OPALO_SNAPSHOT_DARK=1 set, in a dark colour scheme.
#include "HalFixture.h"
#include "SnapshotFolder.h"
#include "TestDir.h"
#include "TextContrast.h"
#include "engine/TL09Engine.h"
#include "ui/MainWindow.h"
#include "widgets/Button.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

namespace {

bool waitFor(const MainWindow &window, ConnectionState state)
{
    for (int i = 0; i < 100 && window.connectionState() != state; ++i)
        QTest::qWait(100);
    return window.connectionState() == state;
}

bool startDevice(HalFixture &hal, const TestDir &device, bool mounted)
{
    return hal.startSimulator(HalDescription().addOpalo(QStringLiteral("opalo"), device.path(), mounted));
}

void fillDevice(TestDir &device)
{
    device.createFileOfSize(QStringLiteral("Pictures/beach.jpg"), 300000);
    device.createFileOfSize(QStringLiteral("Music/song.mp3"), 200000);
    device.createFileOfSize(QStringLiteral("Videos/clip.mp4"), 500000);
    device.createFile(QStringLiteral(".opalo"), "Magno 2\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIntValue("OPALO_SNAPSHOT_DARK"))
        QApplication::setPalette(darkScheme());
    SnapshotFolder folder;
    if (!folder.open(QCoreApplication::arguments()))
        return 2;

    HalFixture hal;
    TestDir device;
    fillDevice(device);
    if (!hal.startBus() || !startDevice(hal, device, false)) {
        std::fprintf(stderr, "cannot start the HAL simulator: %s\n", qPrintable(hal.errorString()));
        return 1;
    }

    TL09Engine engine;
    bool ok = true;
    {
        MainWindow window(engine);
        window.show();
        ok &= folder.save(window, QStringLiteral("main_disconnected"));
        hal.unplug(QStringLiteral("opalo"));
        window.findChild<Button *>(QStringLiteral("_disconnectPushButton"))->click();
        ok &= folder.save(window, QStringLiteral("main_connecting"));
    }
    ok &= startDevice(hal, device, true);
    {
        MainWindow window(engine);
        window.show();
        window.searchTimeout();
        // Held in the connected state: the collection is stopped before it reports.
        engine.stopDataCollection();
        ok &= folder.save(window, QStringLiteral("main_connected"));
    }
    {
        MainWindow window(engine);
        window.show();
        ok &= waitFor(window, MediaSyncView) && folder.save(window, QStringLiteral("main_mediasync"));
        window.showMainMenu();
        ok &= folder.save(window, QStringLiteral("main_menu"));
        window.resize(1100, 780);
        ok &= folder.save(window, QStringLiteral("main_menu_large"));
        hal.unplug(QStringLiteral("opalo"));
        ok &= waitFor(window, ConnectionError)
            && folder.save(window, QStringLiteral("main_connection_error"));
    }
    // A file where a category folder should be makes the device read-only.
    QDir(device.filePath(QStringLiteral("Documents"))).removeRecursively();
    device.createFile(QStringLiteral("Documents"), "a file where a folder should be");
    ok &= startDevice(hal, device, true);
    {
        MainWindow window(engine);
        window.show();
        ok &= waitFor(window, ReadOnlyError) && folder.save(window, QStringLiteral("main_read_only_error"));
    }
    return ok ? 0 : 1;
}
