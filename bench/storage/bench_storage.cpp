// SPDX-License-Identifier: GPL-2.0-or-later
// Storage accounting over a generated tree of 100,000 files in 2,000
// folders, against "du -sb" on the same tree, interleaved, warm cache:
// medians and worst of five rounds, and their ratios.
#include "engine/TL09Engine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int topFolders = 40;
const int foldersPerTop = 49; // with the top folders: 2,000 folders
const int filesPerFolder = 50;
const int rounds = 5;
const char *const suffixes[] = { "jpg", "JPG", "png", "mp3", "ogg", "wav", "mp4", "mkv", "avi", "txt", "pdf",
    "doc", "odt", "csv", "dat", "" };

bool createFile(const QByteArray &path, off_t size)
{
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool sized = ftruncate(fd, size) == 0;
    close(fd);
    return sized;
}

bool fillFolder(const QString &folder, int *counter)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < filesPerFolder; ++i, ++*counter) {
        const char *suffix = suffixes[*counter % std::size(suffixes)];
        const QByteArray path = QFile::encodeName(folder) + "/file" + QByteArray::number(*counter)
            + (*suffix ? QByteArray(".") + suffix : QByteArray());
        if (!createFile(path, (*counter * 7919) % 8192))
            return false;
    }
    return true;
}

bool generateTree(const QString &root)
{
    int counter = 0;
    for (int top = 0; top < topFolders; ++top) {
        const QString topFolder = root + QStringLiteral("/t%1").arg(top);
        if (!fillFolder(topFolder, &counter))
            return false;
        for (int sub = 0; sub < foldersPerTop; ++sub) {
            if (!fillFolder(topFolder + QStringLiteral("/s%1").arg(sub), &counter))
                return false;
        }
    }
    return true;
}

qint64 timeEngine(TL09Engine &engine, const QString &root)
{
    QElapsedTimer timer;
    timer.start();
    engine.sumFolder(root);
    return timer.nsecsElapsed();
}

qint64 timeDu(const QString &root)
{
    QProcess du;
    du.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    du.start(QStringLiteral("du"), { QStringLiteral("-sb"), root });
    du.waitForFinished(-1);
    return timer.nsecsElapsed();
}

double medianMs(QVector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2) / 1e6;
}

double worstMs(const QVector<qint64> &samples)
{
    return *std::max_element(samples.begin(), samples.end()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString base = app.arguments().value(1, QDir::tempPath());
    // A fresh name each run: recreating a just-deleted tree under the same
    // name is much slower on some file systems and would skew nothing here
    // but the set-up time.
    const QString root
        = base + QStringLiteral("/opalo-bench-storage-%1").arg(QDateTime::currentMSecsSinceEpoch());
    std::printf("Generating 100000 files in 2000 folders under %s ...\n", qPrintable(root));
    if (!generateTree(root)) {
        std::fprintf(stderr, "cannot create the tree under %s\n", qPrintable(root));
        return 1;
    }

    TL09Engine engine;
    timeEngine(engine, root);
    timeDu(root);
    QVector<qint64> engineTimes;
    QVector<qint64> duTimes;
    for (int round = 0; round < rounds; ++round) {
        engineTimes << timeEngine(engine, root);
        duTimes << timeDu(root);
    }
    QDir(root).removeRecursively();

    std::printf("storage accounting: median %.1f ms, worst %.1f ms over %d rounds\n", medianMs(engineTimes),
        worstMs(engineTimes), rounds);
    std::printf("du -sb:             median %.1f ms, worst %.1f ms over %d rounds\n", medianMs(duTimes),
        worstMs(duTimes), rounds);
    std::printf("ratio accounting / du: median %.2f, worst %.2f (target: at most 0.50)\n",
        medianMs(engineTimes) / medianMs(duTimes), worstMs(engineTimes) / worstMs(duTimes));
    return 0;
}
