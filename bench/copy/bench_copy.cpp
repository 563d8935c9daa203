// SPDX-License-Identifier: GPL-2.0-or-later
// Copy speed of the engine against "cp -r" and "rsync -a" on three
// generated sets: one 1 GiB file, 200 files of 5 MiB, and 10,000 files of
// 4 to 64 KiB in nested folders. Runs are interleaved round by round; each
// run gets a fresh destination, starts after a sync (and, with "cold", with
// an empty page cache) and ends when its data is on the disk: the engine
// flushes by itself, the peers get a syncfs of the destination.
//
// The copies of many small files stay until the set is done: on ext4
// without a journal, files created right after thousands were deleted take
// several times longer (recently freed inodes are skipped), which would blur
// every later run. Large copies go at once: the disk's blocks written for
// the first time are far slower here than reused ones, and the result would
// depend on the number of rounds.
#include "base/DeviceState.h"
#include "base/MediaCategories.h"
#include "engine/TL09Engine.h"
#include "engine/copy/CopyJob.h"
#include "engine/copy/CopySelection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {

const qint64 mib = 1048576;

struct Set
{
    const char *name;
    std::function<bool(const QString &)> generate;
    // Whether its copies stay until the set is done; see above.
    bool manyFiles;
};

// Incompressible enough and cheap: a xorshift stream.
void fillPattern(QByteArray &buffer, quint64 seed)
{
    quint64 state = seed * 2654435761u + 1;
    auto *words = reinterpret_cast<quint64 *>(buffer.data());
    for (int i = 0; i < buffer.size() / 8; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        words[i] = state;
    }
}

bool writeFile(const QString &path, qint64 size, quint64 seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk(int(qMin(size, 4 * mib)), Qt::Uninitialized);
    for (qint64 done = 0; done < size; done += chunk.size()) {
        fillPattern(chunk, seed + quint64(done));
        if (file.write(chunk.constData(), qMin<qint64>(chunk.size(), size - done)) < 0)
            return false;
    }
    return true;
}

bool oneLargeFile(const QString &root)
{
    return QDir().mkpath(root) && writeFile(root + QStringLiteral("/large.jpg"), 1024 * mib, 1);
}

bool mediumFiles(const QString &root)
{
    if (!QDir().mkpath(root))
        return false;
    for (int i = 0; i < 200; ++i) {
        if (!writeFile(root + QStringLiteral("/medium%1.jpg").arg(i), 5 * mib, quint64(i)))
            return false;
    }
    return true;
}

// 10 x 10 folders of 100 files each, sizes spread over 4..64 KiB.
bool smallFilesInFolders(const QString &root)
{
    int counter = 0;
    for (int top = 0; top < 10; ++top) {
        for (int sub = 0; sub < 10; ++sub) {
            const QString folder = root + QStringLiteral("/t%1/s%2").arg(top).arg(sub);
            if (!QDir().mkpath(folder))
                return false;
            for (int i = 0; i < 100; ++i, ++counter) {
                const qint64 size = 4096 + (qint64(counter) * 7919) % (60 * 1024 + 1);
                if (!writeFile(folder + QStringLiteral("/small%1.jpg").arg(counter), size, quint64(counter)))
                    return false;
            }
        }
    }
    return true;
}

bool flushFileSystem(const QString &path)
{
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = fd >= 0 && syncfs(fd) == 0;
    if (fd >= 0)
        close(fd);
    return flushed;
}

// Empties the page cache when asked to and allowed; returns whether it did.
bool settle(bool cold)
{
    sync();
    if (!cold)
        return true;
    QFile dropCaches(QStringLiteral("/proc/sys/vm/drop_caches"));
    return dropCaches.open(QIODevice::WriteOnly) && dropCaches.write("3\n") == 2;
}

qint64 timeEngine(TL09Engine &engine, const QString &source, const QString &dest)
{
    QDir().mkpath(dest);
    QEventLoop loop;
    bool ok = false;
    // The set's entries land in a folder that is there, as photos go into
    // the device's Pictures folder: each file under a temporary name first.
    const QFileInfoList entries = QDir(source).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const std::unique_ptr<CopyJob> job(
        engine.makeCopy({ entries, ExternalDeviceMode, dest, PicturesMode }, nullptr));
    QObject::connect(job.get(), &CopyJob::finished, &loop, [&](bool b) {
        ok = b;
        loop.quit();
    });
    QObject::connect(job.get(), &CopyJob::questionAsked, &loop, [&](const CopyQuestion &question) {
        std::fprintf(stderr, "unexpected question about %s\n", qPrintable(question.fileName));
        job->answer(AnswerOk);
    });
    QElapsedTimer timer;
    timer.start();
    if (!job->start())
        return -1;
    loop.exec();
    const qint64 elapsed = timer.nsecsElapsed();
    engine.stopDataCollection();
    return ok ? elapsed : -1;
}

qint64 timeTool(const QString &program, const QStringList &arguments, const QString &dest)
{
    QDir().mkpath(dest);
    QElapsedTimer timer;
    timer.start();
    const int status = QProcess::execute(program, arguments);
    const bool flushed = flushFileSystem(dest);
    const qint64 elapsed = timer.nsecsElapsed();
    return status == 0 && flushed ? elapsed : -1;
}

double median(QVector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString base = arguments.value(1, QDir::tempPath());
    const int rounds = qMax(1, arguments.value(2, QStringLiteral("5")).toInt());
    const bool cold = arguments.value(3) == QLatin1String("cold");
    const QString chosen = arguments.value(4, QStringLiteral("abc"));
    const QString stamp = QStringLiteral("/opalo-bench-copy-%1").arg(QDateTime::currentMSecsSinceEpoch());
    const QString work = base + stamp;
    // Copies go to another file system when asked, as they do to the device.
    const QString copies = arguments.size() > 5 ? arguments.at(5) + stamp : work;

    // The copies go to "the device", mounted there, which has the engine
    // record its temporary names there as it does on a device.
    QDir().mkpath(copies);
    setMountPoint(copies);
    TL09Engine engine;
    const Set sets[] = {
        { "(a) one 1 GiB file", oneLargeFile, false },
        { "(b) 200 files of 5 MiB", mediumFiles, false },
        { "(c) 10,000 files of 4-64 KiB", smallFilesInFolders, true },
    };
    const char *const tools[] = { "engine", "cp -r", "rsync -a" };
    int run = 0;
    for (const Set &set : sets) {
        if (!chosen.contains(QLatin1Char(set.name[1])))
            continue;
        const QString source = work + QStringLiteral("/source");
        std::printf("%s: generating under %s\n", set.name, qPrintable(source));
        if (!set.generate(source)) {
            std::fprintf(stderr, "cannot create the set under %s\n", qPrintable(source));
            return 1;
        }
        const qint64 bytes = CopySelection::size(
            { QFileInfo(source) }, FileNameMatcher(MediaCategories::nameFilters(PicturesMode)));
        QVector<qint64> times[3];
        const int firstRun = run;
        // Round 0 warms up and is not counted.
        for (int round = 0; round <= rounds; ++round) {
            for (int tool = 0; tool < 3; ++tool) {
                const QString dest = copies + QStringLiteral("/dest%1").arg(run++);
                if (!settle(cold) && round == 0 && tool == 0)
                    std::printf("  (page cache not emptied: not allowed here)\n");
                qint64 elapsed = -1;
                if (tool == 0)
                    elapsed = timeEngine(engine, source, dest);
                else if (tool == 1)
                    elapsed = timeTool(QStringLiteral("cp"), { QStringLiteral("-r"), source, dest }, dest);
                else
                    elapsed = timeTool(QStringLiteral("rsync"), { QStringLiteral("-a"), source, dest }, dest);
                if (!set.manyFiles)
                    QDir(dest).removeRecursively();
                if (elapsed < 0) {
                    std::fprintf(stderr, "%s failed\n", tools[tool]);
                    QDir(work).removeRecursively();
                    QDir(copies).removeRecursively();
                    return 1;
                }
                if (round > 0)
                    times[tool] << elapsed;
            }
        }
        QDir(source).removeRecursively();
        for (int done = firstRun; done < run; ++done)
            QDir(copies + QStringLiteral("/dest%1").arg(done)).removeRecursively();
        for (int tool = 0; tool < 3; ++tool) {
            const double seconds = median(times[tool]);
            std::printf("  %-9s median %7.3f s  %8.1f MiB/s\n", tools[tool], seconds, bytes / seconds / mib);
        }
        const double engineSeconds = median(times[0]);
        std::printf("  throughput engine / cp: %.2f   engine / rsync: %.2f\n\n",
            median(times[1]) / engineSeconds, median(times[2]) / engineSeconds);
    }
    QDir(work).removeRecursively();
    QDir(copies).removeRecursively();
    std::printf("target: engine / cp at least 1.0 on each set\n");
    return 0;
}
