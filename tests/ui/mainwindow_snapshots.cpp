// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of the main window in each connection state, driven against
// the HAL simulator on a private bus, for looking at them:
//   QT_QPA_PLATFORM=offscreen mainwindow_snapshots OUTPUT_FOLDER [LANGUAGE]
#include "HalFixture.h"
#include "TestDir.h"
#include "engine/TL09Engine.h"
#include "ui/Button.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTranslator>

#include <cstdio>

namespace {

bool save(MainWindow &window, const QDir &folder, const QString &name)
{
    QTest::qWait(500); // animations reach a later frame
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

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
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [LANGUAGE]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    QTranslator translator;
    translator.load(QStringLiteral(":/translation/lang/OpaloSync_%1.qm")
                        .arg(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("en")));
    QCoreApplication::installTranslator(&translator);

    HalFixture hal;
    TestDir device;
    fillDevice(device);
    if (!hal.startBus() || !startDevice(hal, device, false)) {
        std::fprintf(stderr, "cannot start the HAL simulator: %s\n", qPrintable(hal.errorString()));
        return 1;
    }

    bool ok = true;
    {
        MainWindow window;
        window.show();
        ok &= save(window, folder, QStringLiteral("main_disconnected"));
        hal.unplug(QStringLiteral("opalo"));
        window.findChild<Button *>(QStringLiteral("_disconnectPushButton"))->click();
        ok &= save(window, folder, QStringLiteral("main_connecting"));
    }
    ok &= startDevice(hal, device, true);
    {
        MainWindow window;
        window.show();
        window.searchTimeout();
        // Held in the connected state: the collection is stopped before it reports.
        TL09Engine::instance()->stopDataCollection();
        ok &= save(window, folder, QStringLiteral("main_connected"));
    }
    {
        MainWindow window;
        window.show();
        ok &= waitFor(window, MediaSyncView) && save(window, folder, QStringLiteral("main_mediasync"));
        window.showMainMenu();
        ok &= save(window, folder, QStringLiteral("main_menu"));
        window.resize(1100, 780);
        ok &= save(window, folder, QStringLiteral("main_menu_large"));
        hal.unplug(QStringLiteral("opalo"));
        ok &= waitFor(window, ConnectionError)
            && save(window, folder, QStringLiteral("main_connection_error"));
    }
    // A file where a category folder should be makes the device read-only.
    QDir(device.filePath(QStringLiteral("Documents"))).removeRecursively();
    device.createFile(QStringLiteral("Documents"), "a file where a folder should be");
    ok &= startDevice(hal, device, true);
    {
        MainWindow window;
        window.show();
        ok &= waitFor(window, ReadOnlyError) && save(window, folder, QStringLiteral("main_read_only_error"));
    }
    return ok ? 0 : 1;
}
