// SPDX-License-Identifier: GPL-2.0-or-later
// Makes a thumbnail of every file named on the command line the way the
// thumbnail worker does, without its pauses, and prints the thumbnails made
// per second: bench_thumbnails pictures|videos FILE...
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
    const bool videos = arguments.first() == QLatin1String("videos");
    QElapsedTimer timer;
    timer.start();
    int made = 0;
    for (const QString &path : arguments.mid(1)) {
        QImage image;
        if (videos) {
            image = ThumbLoaderWorker::videoFrame(path);
        } else {
            image = ThumbLoaderWorker::exifThumbnail(path);
            if (image.isNull())
                image = ThumbLoaderWorker::scaledPicture(path);
        }
        if (!image.isNull())
            ++made;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("%d %.4f\n", made, seconds);
    return made == arguments.size() - 1 ? 0 : 1;
}
