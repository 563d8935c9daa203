// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of the GNOME plug-in at work in the media sync window, for
// looking at them: a picture copied in the PC pane with Ctrl+C and pasted
// with Ctrl+V into a device folder that has it already (the overwrite
// question), then a folder pasted into itself (the refusal); then the
// plug-in's item menu on the picture, its background menu, the properties
// of the picture and of the folder, and the open-with dialog. Run it under
// Xvfb with DISPLAY set, so that the copy goes through the X clipboard; it
// prints what another program reads from the clipboard.
//   plugin_snapshots OUTPUT_FOLDER [LANGUAGE]
#include "ModalDriver.h"
#include "PaneTestHome.h"
#include "SnapshotFolder.h"

#include "base/SessionFlags.h"
#include "browser/panes/Browser.h"
#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/panes/HostFrame.h"
#include "browser/views/FolderListModel.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {

const char *const readClipboard = "--read-clipboard";

// Another X client reading the clipboard, as a file manager would.
int printClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    for (const QString &format : data->formats())
        std::printf("  %s: %s\n", qPrintable(format), data->data(format).replace('\n', "\\n").constData());
    return 0;
}

bool makePicture(const QString &path, const QColor &colour)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(colour);
    QPainter(&image).drawEllipse(60, 40, 200, 160);
    return image.save(path, "JPG");
}

// Saves the window alone and over the main window, as the user sees it.
bool saveShot(const SnapshotFolder &folder, QWidget &window, const QString &name)
{
    const QString screen = QDir(QCoreApplication::arguments().at(1)).filePath(name + "_screen.png");
    const bool saved
        = folder.save(window, name, 200) && QGuiApplication::primaryScreen()->grabWindow(0).save(screen);
    if (saved)
        std::printf("%s\n", qPrintable(screen));
    return saved;
}

// The plug-in's next message box, saved and answered with the button given.
ModalDriver::Step shootBox(
    const SnapshotFolder &folder, const QString &name, QMessageBox::StandardButton answer, bool &shot)
{
    return [&folder, name, answer, &shot](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        shot = saveShot(folder, *box, name);
        std::printf("%s: title \"%s\", text \"%s\"\n", qPrintable(name), qPrintable(box->windowTitle()),
            qPrintable(box->text()));
        box->button(answer)->click();
    };
}

// The plug-in's next menu, saved, in which the entry of that object name is
// then chosen.
ModalDriver::Step shootMenu(
    const SnapshotFolder &folder, const QString &name, const QString &entry, bool &shot)
{
    return [&folder, name, entry, &shot](QWidget *menu) {
        shot = saveShot(folder, *menu, name);
        ModalDriver::chooseMenuEntry(entry)(menu);
    };
}

// The plug-in's next dialog, each of its tabs, then closed.
ModalDriver::Step shootDialog(const SnapshotFolder &folder, const QString &name, bool &shot)
{
    return [&folder, name, &shot](QWidget *window) {
        shot = saveShot(folder, *window, name);
        auto *tabs = window->findChild<QTabWidget *>();
        for (int i = 1; tabs && i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            shot = saveShot(folder, *window, name + QLatin1Char('_') + QString::number(i)) && shot;
        }
        ModalDriver::dismiss()(window);
    };
}

bool selectOnly(BaseFrame &pane, const QString &path)
{
    QVideoList *list = pane.listView();
    QModelIndex row;
    for (int i = 0; i < 100 && !row.isValid(); ++i) {
        QTest::qWait(20);
        row = pane.listViewModel()->index(path);
    }
    if (!row.isValid()) {
        std::fprintf(stderr, "%s is not listed\n", qPrintable(path));
        return false;
    }
    list->clearSelection();
    list->selectionModel()->select(row, QItemSelectionModel::Select);
    list->setFocus();
    return true;
}

bool showFolder(BaseFrame &pane, const QString &path)
{
    pane.listViewModel()->setFolder(path);
    pane.listView()->setRootIndex(pane.listViewModel()->index(path));
    pane.listView()->clearSelection();
    return true;
}

// Right-clicks the list on the item at path, or on empty space when path
// is empty.
void rightClick(BaseFrame &pane, const QString &path)
{
    QVideoList *list = pane.listView();
    QPoint point(list->viewport()->width() - 5, list->viewport()->height() - 5);
    if (!path.isEmpty()) {
        selectOnly(pane, path);
        point = list->visualRect(pane.listViewModel()->index(path)).center();
    }
    Q_EMIT list->customContextMenuRequested(point);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().contains(QLatin1String(readClipboard)))
        return printClipboard();
    SnapshotFolder folder;
    if (!folder.open(QCoreApplication::arguments()))
        return 2;
    if (qEnvironmentVariableIsEmpty("OPALO_PLUGIN_DIR"))
        qputenv("OPALO_PLUGIN_DIR", OPALO_BUILD_PLUGIN_DIR);
    gnomeSession = true;

    PaneTestHome home;
    const QString name = QStringLiteral("Beach at sunset #2.jpg");
    const QString picture = home.hostFolder(PicturesMode) + QLatin1Char('/') + name;
    const QString onDevice = home.deviceFolder(PicturesMode) + QLatin1Char('/') + name;
    const QString album = home.hostFolder(PicturesMode) + QStringLiteral("/Albums 2009");
    if (!makePicture(picture, Qt::darkCyan) || !makePicture(onDevice, Qt::darkRed)
        || !QDir().mkpath(album + QStringLiteral("/Summer"))) {
        std::fprintf(stderr, "cannot create the pictures\n");
        return 1;
    }

    // It opens on the pictures.
    Browser browser(home.engine());
    browser.resize(1100, 640);
    browser.show();
    QTest::qWait(500);

    HostFrame &host = *browser.hostFrame();
    ExternalDeviceFrame &device = *browser.deviceFrame();
    if (!selectOnly(host, picture))
        return 1;
    QTest::keyClick(host.listView(), Qt::Key_C, Qt::ControlModifier);
    std::printf("clipboard as another program reads it:\n");
    std::fflush(stdout);
    // This program owns the clipboard and must answer while the other reads.
    QProcess reader;
    reader.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop readerEnd;
    QObject::connect(
        &reader, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &readerEnd, &QEventLoop::quit);
    reader.start(QCoreApplication::applicationFilePath(), { QLatin1String(readClipboard) });
    readerEnd.exec();

    ModalDriver driver;
    bool overwriteShot = false;
    driver.then(shootBox(folder, QStringLiteral("gnome_paste_overwrite"), QMessageBox::Yes, overwriteShot),
        ModalDriver::MessageBoxOnly);
    device.listView()->setFocus();
    QTest::keyClick(device.listView(), Qt::Key_V, Qt::ControlModifier);
    const bool replaced = QImage(onDevice).pixelColor(5, 5).blue() > QImage(onDevice).pixelColor(5, 5).red();
    std::printf("device copy replaced: %s\n", replaced ? "yes" : "no");
    folder.save(browser, QStringLiteral("gnome_paste_done"));

    if (!selectOnly(host, album))
        return 1;
    QTest::keyClick(host.listView(), Qt::Key_C, Qt::ControlModifier);
    showFolder(host, album + QStringLiteral("/Summer"));
    bool itselfShot = false;
    driver.then(shootBox(folder, QStringLiteral("gnome_paste_itself"), QMessageBox::Ok, itselfShot),
        ModalDriver::MessageBoxOnly);
    QTest::keyClick(host.listView(), Qt::Key_V, Qt::ControlModifier);

    // The plug-in's own menus and dialogs, in the language of LANG.
    showFolder(host, home.hostFolder(PicturesMode));
    bool menusShot = true;
    const struct
    {
        const char *menu;
        const char *entry;
        const char *dialog;
        bool onItem;
    } shots[] = {
        { "gnome_item_menu", "_properties", "gnome_properties_file", true },
        { "gnome_background_menu", "_properties", "gnome_properties_folder", false },
        { "gnome_item_menu_again", "_openWithOther", "gnome_open_with", true },
    };
    for (const auto &shot : shots) {
        bool menuShot = false;
        bool dialogShot = false;
        driver.then(shootMenu(folder, QLatin1String(shot.menu), QLatin1String(shot.entry), menuShot));
        driver.then(shootDialog(folder, QLatin1String(shot.dialog), dialogShot));
        rightClick(host, shot.onItem ? picture : QString());
        menusShot = menusShot && menuShot && dialogShot;
    }
    return overwriteShot && replaced && itselfShot && menusShot ? 0 : 1;
}
