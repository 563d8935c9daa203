// SPDX-License-Identifier: GPL-2.0-or-later
// Makes a thumbnail of every file named on the command line through the
// file lists' pipeline, its helper processes included (as many as the
// machine has cores, at most four), and prints the thumbnails made and the
// seconds taken, helpers' start included:
//   bench_thumbnails pictures|videos FILE...
// The desktop's cache is left alone: saving to it is measured by the
// browser benchmark.
#include "base/BrowserMode.h"
#include "browser/thumbnails/ThumbLoaderWorker.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: bench_thumbnails pictures|videos FILE...\n");
        return 2;
    }
    const int mode = arguments.first() == QLatin1String("videos") ? MovieMode : PicturesMode;
    QList<QFileInfo> files;
    for (const QString &path : arguments.mid(1))
        files.append(QFileInfo(path));

    QElapsedTimer timer;
    timer.start();
    ThumbLoaderWorker worker;
    worker.setDesktopCache(QString());
    worker.setMemoryLimit(
        qint64(files.size() + 1) * ThumbLoaderWorker::iconEdge * ThumbLoaderWorker::iconEdge * 4);
    QObject::connect(&worker, &ThumbLoaderWorker::updateIcons, &application, &QCoreApplication::quit);
    worker.addFiles(files, mode);
    application.exec();
    const double seconds = timer.nsecsElapsed() / 1e9;
    const int made = int(std::count_if(files.cbegin(), files.cend(),
        [&worker](const QFileInfo &file) { return !worker.thumbnail(file.absoluteFilePath()).isNull(); }));
    std::printf("%d %.4f\n", made, seconds);
    return made == files.size() ? 0 : 1;
}
