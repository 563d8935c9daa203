// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of the device pane while the thumbnails of a large photo
// folder fill in: right after the folder opens, then after each scroll, a
// moment later and once they are made, for looking at the order they come
// in and at the list staying still meanwhile:
//   thumbnail_snapshots OUTPUT_FOLDER PHOTO_FOLDER [COUNT]
// links COUNT (5,000) photos from the JPEG files of PHOTO_FOLDER into the
// device's Pictures folder.
#include "PaneTestHome.h"
#include "SnapshotFolder.h"

#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/views/QVideoList.h"

#include <QApplication>
#include <QScrollBar>

#include <cstdio>
#include <unistd.h>

namespace {

bool linkPhotos(const QString &from, const QString &to, int count)
{
    const QFileInfoList photos = QDir(from).entryInfoList({ QStringLiteral("*.jpg") }, QDir::Files);
    for (int i = 0; i < count && !photos.isEmpty(); ++i) {
        const QByteArray source = QFile::encodeName(photos.at(i % photos.size()).absoluteFilePath());
        const QByteArray target
            = QFile::encodeName(to + QStringLiteral("/photo%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        if (link(source.constData(), target.constData()) != 0)
            return false;
    }
    return !photos.isEmpty();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    SnapshotFolder folder;
    if (arguments.size() < 3 || !folder.open(arguments.mid(0, 2))) {
        std::fprintf(stderr, "usage: thumbnail_snapshots OUTPUT_FOLDER PHOTO_FOLDER [COUNT]\n");
        return 2;
    }
    PaneTestHome home;
    const int count = arguments.value(3, QStringLiteral("5000")).toInt();
    if (!linkPhotos(arguments.at(2), home.deviceFolder(PicturesMode), count)) {
        std::fprintf(stderr, "cannot link the photos of %s\n", qPrintable(arguments.at(2)));
        return 1;
    }

    ExternalDeviceFrame pane { QString() };
    pane.resize(900, 600);
    pane.show();
    pane.SelectMode(PicturesMode);
    bool ok = folder.save(pane, QStringLiteral("photos_opened"), 100);
    ok &= folder.save(pane, QStringLiteral("photos_opened_later"), 1000);
    QScrollBar *bar = pane.listView()->verticalScrollBar();
    const struct
    {
        const char *name;
        int position;
    } scrolls[] = { { "middle", 50 }, { "end", 100 }, { "back_to_top", 0 } };
    for (const auto &scroll : scrolls) {
        bar->setValue(bar->maximum() * scroll.position / 100);
        ok &= folder.save(pane, QStringLiteral("photos_%1").arg(QLatin1String(scroll.name)), 50);
        ok &= folder.save(pane, QStringLiteral("photos_%1_later").arg(QLatin1String(scroll.name)), 1000);
    }
    return ok ? 0 : 1;
}
