// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of the media sync window in each category at two zoom
// levels, both panes holding folders and files, for looking at them:
//   QT_QPA_PLATFORM=offscreen browser_snapshots OUTPUT_FOLDER [LANGUAGE]
#include "PaneTestHome.h"
#include "SnapshotFolder.h"

#include "browser/panes/Browser.h"
#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/panes/HostFrame.h"
#include "widgets/Button.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// Time for the thumbnail worker to fill the lists.
const int thumbnailTime = 1500;

void writePicture(const QString &path, const QColor &colour)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPoint(160, 120), 70, 70);
    painter.end();
    image.save(path);
}

void writeFile(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("sample");
}

// A few folders and files of every category in a category folder.
void fill(const QString &folder, int mode, const QString &prefix)
{
    QDir(folder).mkpath(QStringLiteral("Holidays 2024"));
    QDir(folder).mkpath(QStringLiteral("Family/Birthdays"));
    const char *const extensions[] = { "txt", "jpg", "mp3", "avi" };
    for (int i = 1; i <= 6; ++i) {
        const QString name
            = QStringLiteral("%1/%2 %3.%4").arg(folder, prefix).arg(i).arg(QLatin1String(extensions[mode]));
        if (mode == PicturesMode)
            writePicture(name, QColor::fromHsv(i * 50 % 360, 160, 220));
        else
            writeFile(name);
    }
    writeFile(folder + QStringLiteral("/a rather long file name that must wrap.")
        + QLatin1String(extensions[mode]));
    // Today's types beside those of old.
    const char *const todays[] = { "md", "webp", "flac", "webm" };
    const QString today = QStringLiteral("%1/%2 today.%3").arg(folder, prefix, QLatin1String(todays[mode]));
    if (mode == PicturesMode) {
        writePicture(today, Qt::darkCyan);
        writePicture(QStringLiteral("%1/%2 camera.JPEG").arg(folder, prefix), Qt::darkMagenta);
    } else {
        writeFile(today);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SnapshotFolder folder;
    if (!folder.open(QCoreApplication::arguments()))
        return 2;

    PaneTestHome home;
    writeFile(home.devicePath() + QStringLiteral("/.opalo"));
    for (int mode = DocumentsMode; mode <= MovieMode; ++mode) {
        fill(home.hostFolder(mode), mode, QStringLiteral("PC"));
        fill(home.deviceFolder(mode), mode, QStringLiteral("Device"));
    }

    Browser browser(home.engine());
    browser.resize(1100, 640);
    browser.show();
    const struct
    {
        const char *tab;
        const char *name;
    } tabs[] = { { "_pictureTabPushButton", "pictures" }, { "_musicTabPushButton", "music" },
        { "_videoTabPushButton", "videos" }, { "_documentsTabPushButton", "documents" } };
    bool ok = true;
    for (const auto &tab : tabs) {
        browser.findChild<Button *>(QLatin1String(tab.tab))->click();
        browser.hostFrame()->resetZoom();
        browser.deviceFrame()->resetZoom();
        ok &= folder.save(
            browser, QStringLiteral("media_%1_100").arg(QLatin1String(tab.name)), thumbnailTime);
        browser.hostFrame()->zoomIn();
        browser.deviceFrame()->zoomIn();
        browser.hostFrame()->zoomIn();
        browser.deviceFrame()->zoomIn();
        ok &= folder.save(
            browser, QStringLiteral("media_%1_200").arg(QLatin1String(tab.name)), thumbnailTime);
    }
    return ok ? 0 : 1;
}
