// SPDX-License-Identifier: GPL-2.0-or-later
// Showing a large device folder: 20,000 files of mixed categories and 5,000
// sub-folders in the device's Pictures folder. Measures the time from the
// pane's row selection to the list holding every matching row, and the
// longest stall of the event loop meanwhile and while the list is scrolled
// to its end (a 10 ms probe timer), against "ls -f" of the same folder,
// interleaved, warm cache; then the time and the longest stall until a
// burst of 1,000 pictures copied into the shown folder by another program
// ("cp") is in the list.
//
// With --photos DIR, also a folder of PHOTOS (5,000) photos linked from the
// JPEG files in DIR: the time until every file in view has its thumbnail,
// the peak memory over the same pane showing an empty folder, and the time
// again for a new pane once the desktop's thumbnail cache is filled;
// --photos-only leaves the large folder out.
//   QT_QPA_PLATFORM=offscreen bench_browser [WORK_FOLDER] [--photos DIR [--photos-only]]
#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/BrowserTreeView.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"
#include "engine/storage/StorageAccounting.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The device's category folders, as the engine makes them on connect.
void makeCategoryFolders()
{
    const std::atomic<bool> running { false };
    StorageAccounting(running).checkDeviceFolders();
}

const int fileCount = 20000;
const int folderCount = 5000;
const int rounds = 5;
const char *const suffixes[] = { "jpg", "mp3", "avi", "txt" };
// Pictures and every folder match the Pictures category.
const int matchingRows = fileCount / int(std::size(suffixes)) + folderCount;
const int burstCount = 1000;
const qint64 giveUpMs = 60000;
const qint64 savingLimitMs = 20000;

bool makeEmptyFile(const QByteArray &path)
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

QString burstName(int i)
{
    return QStringLiteral("burst%1.jpg").arg(i);
}

bool makeBurst(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < burstCount; ++i) {
        if (!makeEmptyFile(QFile::encodeName(folder + QLatin1Char('/') + burstName(i))))
            return false;
    }
    return true;
}

bool fill(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < fileCount; ++i) {
        const QByteArray path = QFile::encodeName(folder) + "/file" + QByteArray::number(i) + '.'
            + suffixes[i % std::size(suffixes)];
        if (!makeEmptyFile(path))
            return false;
    }
    for (int i = 0; i < folderCount; ++i) {
        if (!QDir().mkdir(folder + QStringLiteral("/folder%1").arg(i)))
            return false;
    }
    return true;
}

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Stall
{
    double wallMs = 0;
    // The processor time the window's thread spent in the longest gap
    // between two ticks: what the stall costs on a machine of its own,
    // whatever else runs on this one.
    double cpuMs = 0;
};

// The longest time between two ticks of a 10 ms timer while it runs.
class StallProbe
{
public:
    StallProbe()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const double cpu = threadCpuMs();
            m_longest.wallMs = std::max(m_longest.wallMs, m_sinceTick.nsecsElapsed() / 1e6);
            m_longest.cpuMs = std::max(m_longest.cpuMs, cpu - m_cpuAtTick);
            m_cpuAtTick = cpu;
            m_sinceTick.restart();
        });
        m_sinceTick.start();
        m_cpuAtTick = threadCpuMs();
        m_timer.start();
    }
    // Returns the longest stall so far and starts over.
    Stall take()
    {
        const Stall longest = m_longest;
        m_longest = Stall();
        return longest;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    double m_cpuAtTick = 0;
    Stall m_longest;
};

// Waits as a window's thread does, asleep until the next event: with a time
// limit, processEvents() would not wait but spin, and take a core from the
// threads the list waits for. The timer bounds each wait.
void waitUntil(const std::function<bool()> &done, qint64 limitMs = giveUpMs)
{
    QTimer tick;
    tick.start(10);
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Scrolls the list a page at a time until its last row is in view, letting
// each page paint (rows are laid out in batches meanwhile).
void scrollToEnd(QVideoList *list)
{
    const QAbstractItemModel *shown = list->model();
    // Taken anew each time: rows may still arrive and move it.
    const auto lastRow = [shown, list] {
        return shown->index(shown->rowCount(list->rootIndex()) - 1, 0, list->rootIndex());
    };
    QScrollBar *bar = list->verticalScrollBar();
    QElapsedTimer clock;
    clock.start();
    while (!list->viewport()->rect().intersects(list->visualRect(lastRow())) && clock.elapsed() < giveUpMs) {
        bar->setValue(bar->value() + bar->pageStep());
        QElapsedTimer page;
        page.start();
        waitUntil([&page] { return page.elapsed() >= 30; });
    }
}

// Runs a program as another would be, beside this one: spawned without a
// copy of this process (QProcess forks it, and every page of the window's
// memory written after a fork faults once, which the stall measure would
// take for the list's work). Standard output goes nowhere. Returns its
// process id, 0 when it could not start.
pid_t spawn(const QStringList &arguments)
{
    QList<QByteArray> encoded;
    std::vector<char *> argv;
    for (const QString &argument : arguments)
        encoded.append(QFile::encodeName(argument));
    for (QByteArray &argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv.front(), &actions, nullptr, argv.data(), environ) != 0)
        pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void waitForExit(pid_t pid)
{
    int status = 0;
    while (pid > 0 && waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
}

struct Round
{
    double shownMs = -1;
    Stall stall;
    Stall scrollStall;
    double burstMs = -1;
    Stall burstStall;
};

// The burst from burst copied into the shown folder, then taken out again.
void copyBurst(const QString &burst, const QString &folder, const std::function<int()> &rows, Round *round)
{
    StallProbe probe;
    QElapsedTimer clock;
    clock.start();
    const pid_t copy
        = spawn({ QStringLiteral("cp"), QStringLiteral("-r"), burst + QStringLiteral("/."), folder });
    waitUntil([&] { return rows() >= matchingRows + burstCount; });
    if (rows() >= matchingRows + burstCount)
        round->burstMs = clock.nsecsElapsed() / 1e6;
    round->burstStall = probe.take();
    waitForExit(copy);
    for (int i = 0; i < burstCount; ++i)
        QFile::remove(folder + QLatin1Char('/') + burstName(i));
}

Round showFolder(const QString &burst)
{
    Round round;
    ExternalDeviceFrame pane { QString() };
    pane.resize(1000, 700);
    pane.show();
    QApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    StallProbe probe;
    // Counted from the tick the selection starts in, so its own work counts
    // as a stall.
    QTimer::singleShot(0, &pane, [&pane] { pane.SelectMode(PicturesMode); });
    const QAbstractItemModel *shown = pane.listView()->model();
    waitUntil([&] { return shown->rowCount(pane.listView()->rootIndex()) >= matchingRows; });
    if (shown->rowCount(pane.listView()->rootIndex()) >= matchingRows)
        round.shownMs = clock.nsecsElapsed() / 1e6;
    round.stall = probe.take();
    scrollToEnd(pane.listView());
    round.scrollStall = probe.take();
    if (!burst.isEmpty()) {
        copyBurst(
            burst, MediaCategories::folder(ExternalDeviceMode, PicturesMode),
            [&] { return shown->rowCount(pane.listView()->rootIndex()); }, &round);
    }
    return round;
}

struct PhotoRound
{
    double coldMs = -1;
    double warmMs = -1;
    double peakMiB = 0;
    Stall stall;
};

// A field of /proc/self/status, in KiB.
qint64 statusKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

bool linkPhotos(const QString &sourceFolder, const QString &folder, int count)
{
    const QFileInfoList sources = QDir(sourceFolder).entryInfoList({ QStringLiteral("*.jpg") }, QDir::Files);
    if (sources.isEmpty() || !QDir().mkpath(folder))
        return false;
    for (int i = 0; i < count; ++i) {
        const QString source = sources.at(i % sources.size()).absoluteFilePath();
        const QString target = folder + QStringLiteral("/photo%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
        if (link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0
            && !QFile::copy(source, target))
            return false;
    }
    return true;
}

bool visibleHaveThumbnails(const QVideoList *list)
{
    const VideoModel *model = list->fileModel();
    const QStringList paths = list->visibleFiles();
    return !paths.isEmpty() && std::all_of(paths.cbegin(), paths.cend(), [model](const QString &path) {
        return !model->thumbnail(path).isNull();
    });
}

// Shows the photos; returns when those in view have their thumbnails.
double openPhotos(ExternalDeviceFrame &pane)
{
    pane.resize(1000, 700);
    pane.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(0, &pane, [&pane] { pane.SelectMode(PicturesMode); });
    waitUntil([&pane] { return visibleHaveThumbnails(pane.listView()); });
    return visibleHaveThumbnails(pane.listView()) ? clock.nsecsElapsed() / 1e6 : -1;
}

qint64 emptyFolderMemoryKiB()
{
    ExternalDeviceFrame pane { QString() };
    pane.resize(1000, 700);
    pane.show();
    pane.SelectMode(PicturesMode);
    waitUntil([] { return false; }, 500);
    return statusKiB("VmRSS");
}

// The thumbnails saved in the desktop cache under cacheHome (their
// temporary files are hidden).
int savedEntries(const QString &cacheHome)
{
    int saved = 0;
    for (const char *size : { "normal", "large" }) {
        saved += QDir(cacheHome + QStringLiteral("/thumbnails/") + QLatin1String(size))
                     .entryList({ QStringLiteral("*.png") }, QDir::Files)
                     .size();
    }
    return saved;
}

PhotoRound showPhotos(const QString &cacheHome, int count, qint64 baselineKiB)
{
    // Every round starts with an empty desktop cache of its own.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome));
    PhotoRound round;
    resetPeakMemory();
    {
        ExternalDeviceFrame pane { QString() };
        StallProbe probe;
        round.coldMs = openPhotos(pane);
        // The rest of the folder is made meanwhile, and saved.
        scrollToEnd(pane.listView());
        const VideoModel *model = pane.listView()->fileModel();
        QStringList photos;
        for (int i = 0; i < count; ++i)
            photos.append(model->rootPath() + QStringLiteral("/photo%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        waitUntil([&] {
            return model->rowCount(model->index(model->rootPath())) >= count
                && std::none_of(photos.cbegin(), photos.cend(),
                    [model](const QString &path) { return model->isAwaited(path); });
        });
        round.stall = probe.take();
        round.peakMiB = (statusKiB("VmHWM") - baselineKiB) / 1024.0;
        // The helpers save the last entries after handing their icons over.
        waitUntil([&] { return savedEntries(cacheHome) >= count; }, savingLimitMs);
    }
    ExternalDeviceFrame warm { QString() };
    round.warmMs = openPhotos(warm);
    return round;
}

double listing(const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    waitForExit(spawn({ QStringLiteral("ls"), QStringLiteral("-f"), folder }));
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printStall(const char *what, const std::vector<Stall> &stalls, const char *target)
{
    std::vector<double> wall, cpu;
    for (const Stall &stall : stalls) {
        wall.push_back(stall.wallMs);
        cpu.push_back(stall.cpuMs);
    }
    std::printf("%s median %8.1f ms, worst %.1f ms; window thread busy %.1f ms, worst %.1f ms  (target %s)\n",
        what, median(wall), *std::max_element(wall.begin(), wall.end()), median(cpu),
        *std::max_element(cpu.begin(), cpu.end()), target);
}

int benchPhotos(const QString &work, const QString &sourceFolder)
{
    const int count
        = qEnvironmentVariableIntValue("PHOTOS") > 0 ? qEnvironmentVariableIntValue("PHOTOS") : 5000;
    const QString device = work + QStringLiteral("/photo-device");
    QDir().mkpath(device);
    setMountPoint(device);
    makeCategoryFolders();
    const qint64 baselineKiB = emptyFolderMemoryKiB();
    if (!linkPhotos(sourceFolder, MediaCategories::folder(ExternalDeviceMode, PicturesMode), count)) {
        std::fprintf(stderr, "cannot link the photos of %s\n", qPrintable(sourceFolder));
        return 1;
    }
    std::vector<double> cold, warm, peak;
    std::vector<Stall> stalls;
    for (int i = 0; i < rounds; ++i) {
        const PhotoRound round = showPhotos(work + QStringLiteral("/cache%1").arg(i), count, baselineKiB);
        if (round.coldMs < 0 || round.warmMs < 0) {
            std::fprintf(stderr, "the photos in view never all got thumbnails\n");
            return 1;
        }
        cold.push_back(round.coldMs);
        warm.push_back(round.warmMs);
        peak.push_back(round.peakMiB);
        stalls.push_back(round.stall);
    }
    std::printf(
        "\n%d photos, %d rounds, empty-folder baseline %.1f MiB\n", count, rounds, baselineKiB / 1024.0);
    std::printf("thumbnails in view:    median %8.1f ms, max %.1f ms  (target < 500 ms)\n", median(cold),
        *std::max_element(cold.begin(), cold.end()));
    std::printf("  desktop cache filled: median %7.1f ms, max %.1f ms  (target < 50 ms)\n", median(warm),
        *std::max_element(warm.begin(), warm.end()));
    std::printf("peak memory over base: median %8.1f MiB, max %.1f MiB  (target < 150 MiB)\n", median(peak),
        *std::max_element(peak.begin(), peak.end()));
    printStall("longest stall:        ", stalls, "< 50 ms");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool photosOnly = arguments.removeAll(QStringLiteral("--photos-only")) > 0;
    const int photosAt = arguments.indexOf(QStringLiteral("--photos"));
    const QString photos = photosAt >= 0 ? arguments.value(photosAt + 1) : QString();
    if (photosAt >= 0)
        arguments.erase(
            arguments.begin() + photosAt, arguments.begin() + qMin(photosAt + 2, arguments.size()));
    QTemporaryDir work(arguments.value(0, QDir::tempPath()) + QStringLiteral("/bench-browser-XXXXXX"));
    const QString home = work.filePath(QStringLiteral("home"));
    const QString device = work.filePath(QStringLiteral("device"));
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    BrowserTreeModel::setMountTables({ work.filePath(QStringLiteral("no-mtab")) });
    if (photosOnly && !photos.isEmpty())
        return benchPhotos(work.path(), photos);
    setMountPoint(device);
    QDir().mkpath(device);
    makeCategoryFolders();
    const QString folder = MediaCategories::folder(ExternalDeviceMode, PicturesMode);
    if (!fill(folder)) {
        std::fprintf(stderr, "cannot fill %s\n", qPrintable(folder));
        return 1;
    }

    const QString burst = work.filePath(QStringLiteral("burst"));
    if (!makeBurst(burst)) {
        std::fprintf(stderr, "cannot fill %s\n", qPrintable(burst));
        return 1;
    }

    showFolder(QString());
    listing(folder);
    std::vector<double> shown, ls, bursts;
    std::vector<Stall> stalls, scrollStalls, burstStalls;
    for (int i = 0; i < rounds; ++i) {
        const Round round = showFolder(burst);
        if (round.shownMs < 0 || round.burstMs < 0) {
            std::fprintf(stderr, "the list never showed every row\n");
            return 1;
        }
        shown.push_back(round.shownMs);
        stalls.push_back(round.stall);
        scrollStalls.push_back(round.scrollStall);
        bursts.push_back(round.burstMs);
        burstStalls.push_back(round.burstStall);
        ls.push_back(listing(folder));
    }
    const double shownMedian = median(shown);
    const double lsMedian = median(ls);
    std::printf(
        "%d files, %d folders, %d rows shown, %d rounds\n", fileCount, folderCount, matchingRows, rounds);
    std::printf("pane shows all rows:   median %8.1f ms, min %.1f ms, max %.1f ms  (target < 10 x ls -f)\n",
        shownMedian, *std::min_element(shown.begin(), shown.end()),
        *std::max_element(shown.begin(), shown.end()));
    // One frame.
    const char *frame = "< 16 ms, worst < 25 ms";
    printStall("longest stall listing:", stalls, frame);
    printStall("longest stall to end: ", scrollStalls, frame);
    std::printf("burst of %d shown:    median %8.1f ms, max %.1f ms\n", burstCount, median(bursts),
        *std::max_element(bursts.begin(), bursts.end()));
    printStall("longest stall in burst:", burstStalls, frame);
    std::printf("ls -f:                 median %8.1f ms\n", lsMedian);
    std::printf("ratio pane / ls -f:    %8.1f\n", shownMedian / lsMedian);
    return photos.isEmpty() ? 0 : benchPhotos(work.path(), photos);
}
