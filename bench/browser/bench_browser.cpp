// SPDX-License-Identifier: GPL-2.0-or-later
// Showing a large device folder: 20,000 files of mixed categories and 5,000
// sub-folders in the device's Pictures folder. Measures the time from the
// pane's row selection to the list holding every matching row, and the
// longest stall of the event loop meanwhile (a 10 ms probe timer), against
// "ls -f" of the same folder, interleaved, warm cache.
//   QT_QPA_PLATFORM=offscreen bench_browser [WORK_FOLDER]
#include "browser/BrowserTreeModel.h"
#include "browser/BrowserTreeView.h"
#include "browser/ExternalDeviceFrame.h"
#include "browser/QVideoList.h"
#include "engine/DeviceState.h"
#include "engine/TL09Engine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int fileCount = 20000;
const int folderCount = 5000;
const int rounds = 5;
const char *const suffixes[] = { "jpg", "mp3", "avi", "txt" };
// Pictures and every folder match the Pictures category.
const int matchingRows = fileCount / int(std::size(suffixes)) + folderCount;
const qint64 giveUpMs = 60000;

bool fill(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < fileCount; ++i) {
        const QByteArray path = QFile::encodeName(folder) + "/file" + QByteArray::number(i) + '.'
            + suffixes[i % std::size(suffixes)];
        const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        close(fd);
    }
    for (int i = 0; i < folderCount; ++i) {
        if (!QDir().mkdir(folder + QStringLiteral("/folder%1").arg(i)))
            return false;
    }
    return true;
}

struct Round
{
    double shownMs = -1;
    double stallMs = 0;
};

Round showFolder()
{
    Round round;
    ExternalDeviceFrame pane;
    pane.resize(1000, 700);
    pane.show();
    QApplication::processEvents();

    QElapsedTimer sinceTick;
    QTimer probe;
    probe.setInterval(10);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        round.stallMs = std::max(round.stallMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });

    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    probe.start();
    // Counted from the tick the selection starts in, so its own work counts
    // as a stall.
    QTimer::singleShot(0, &pane, [&pane] { pane.SelectMode(PicturesMode); });
    const QAbstractItemModel *shown = pane.listView()->model();
    while (clock.elapsed() < giveUpMs) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (shown->rowCount(pane.listView()->rootIndex()) >= matchingRows) {
            round.shownMs = clock.nsecsElapsed() / 1e6;
            break;
        }
    }
    probe.stop();
    return round;
}

double listing(const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    QProcess ls;
    ls.setStandardOutputFile(QProcess::nullDevice());
    ls.start(QStringLiteral("ls"), { QStringLiteral("-f"), folder });
    ls.waitForFinished(-1);
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir work(
        QApplication::arguments().value(1, QDir::tempPath()) + QStringLiteral("/bench-browser-XXXXXX"));
    const QString home = work.filePath(QStringLiteral("home"));
    const QString device = work.filePath(QStringLiteral("device"));
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    BrowserTreeModel::setMountTables({ work.filePath(QStringLiteral("no-mtab")) });
    setMountPoint(device);
    QDir().mkpath(device);
    TL09Engine::instance()->checkDeviceFolders();
    const QString folder = TL09Engine::picturesFolder(ExternalDeviceMode);
    if (!fill(folder)) {
        std::fprintf(stderr, "cannot fill %s\n", qPrintable(folder));
        return 1;
    }

    showFolder();
    listing(folder);
    std::vector<double> shown, stalls, ls;
    for (int i = 0; i < rounds; ++i) {
        const Round round = showFolder();
        if (round.shownMs < 0) {
            std::fprintf(stderr, "the list never showed %d rows\n", matchingRows);
            return 1;
        }
        shown.push_back(round.shownMs);
        stalls.push_back(round.stallMs);
        ls.push_back(listing(folder));
    }
    const double shownMedian = median(shown);
    const double lsMedian = median(ls);
    std::printf(
        "%d files, %d folders, %d rows shown, %d rounds\n", fileCount, folderCount, matchingRows, rounds);
    std::printf("pane shows all rows:   median %8.1f ms, min %.1f ms, max %.1f ms  (target < 2000 ms)\n",
        shownMedian, *std::min_element(shown.begin(), shown.end()),
        *std::max_element(shown.begin(), shown.end()));
    std::printf("longest stall:         median %8.1f ms, worst %.1f ms  (target < 150 ms)\n", median(stalls),
        *std::max_element(stalls.begin(), stalls.end()));
    std::printf("ls -f:                 median %8.1f ms\n", lsMedian);
    std::printf("ratio pane / ls -f:    %8.1f\n", shownMedian / lsMedian);
    return 0;
}
