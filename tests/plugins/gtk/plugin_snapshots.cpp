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
#include "PaneTestHome.h"
#include "SnapshotFolder.h"

#include "base/SessionFlags.h"
#include "browser/panes/Browser.h"
#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/panes/HostFrame.h"
#include "browser/views/CategoryFilterModel.h"
#include "browser/views/QVideoList.h"
#include "browser/views/VideoModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QEventLoop>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

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

// Waits for the next window of a kind the plug-in shows, saves it alone and
// over the main window, as the user sees it, then lets it go on.
class Shooter : public QObject
{
public:
    Shooter(const SnapshotFolder &folder, const QString &name)
        : m_name(name)
        , m_folder(folder)
    {
        connect(&m_timer, &QTimer::timeout, this, &Shooter::poll);
        m_timer.start(50);
    }
    bool shot() const { return m_shot; }

protected:
    // The window waited for, or null while it has not appeared.
    virtual QWidget *target() const = 0;
    // Answers or closes the window once it is saved; false when a further
    // picture of it could not be saved.
    virtual bool finish(QWidget *window) = 0;

    bool save(QWidget &window, const QString &name) const
    {
        const QString screen = QDir(QCoreApplication::arguments().at(1)).filePath(name + "_screen.png");
        const bool saved = m_folder.save(window, name, 200)
            && QGuiApplication::primaryScreen()->grabWindow(0).save(screen);
        if (saved)
            std::printf("%s\n", qPrintable(screen));
        return saved;
    }

    const QString m_name;

private:
    void poll()
    {
        QWidget *window = target();
        if (!window)
            return;
        m_timer.stop();
        m_shot = save(*window, m_name);
        m_shot = finish(window) && m_shot;
    }

    const SnapshotFolder &m_folder;
    QTimer m_timer;
    bool m_shot = false;
};

// The plug-in's next message box, answered with the button given.
class BoxShooter : public Shooter
{
public:
    BoxShooter(const SnapshotFolder &folder, const QString &name, QMessageBox::StandardButton answer)
        : Shooter(folder, name)
        , m_answer(answer)
    { }

private:
    QWidget *target() const override
    {
        return qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    }
    bool finish(QWidget *window) override
    {
        auto *box = static_cast<QMessageBox *>(window);
        std::printf("%s: title \"%s\", text \"%s\"\n", qPrintable(m_name), qPrintable(box->windowTitle()),
            qPrintable(box->text()));
        box->button(m_answer)->click();
        return true;
    }

    QMessageBox::StandardButton m_answer;
};

// The plug-in's next menu, in which the entry of that object name is then
// chosen.
class MenuShooter : public Shooter
{
public:
    MenuShooter(const SnapshotFolder &folder, const QString &name, const QString &entry)
        : Shooter(folder, name)
        , m_entry(entry)
    { }

private:
    QWidget *target() const override { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); }
    bool finish(QWidget *window) override
    {
        if (QAction *chosen = window->findChild<QAction *>(m_entry))
            chosen->trigger();
        else
            window->hide();
        return true;
    }

    QString m_entry;
};

// The plug-in's next dialog, each of its tabs, then closed.
class DialogShooter : public Shooter
{
public:
    using Shooter::Shooter;

private:
    QWidget *target() const override { return qobject_cast<QDialog *>(QApplication::activeModalWidget()); }
    bool finish(QWidget *window) override
    {
        auto *tabs = window->findChild<QTabWidget *>();
        bool saved = true;
        for (int i = 1; tabs && i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            saved = save(*window, m_name + QLatin1Char('_') + QString::number(i)) && saved;
        }
        static_cast<QDialog *>(window)->reject();
        return saved;
    }
};

bool selectOnly(BaseFrame &pane, const QString &path)
{
    QVideoList *list = pane.listView();
    QModelIndex row;
    for (int i = 0; i < 100 && !row.isValid(); ++i) {
        QTest::qWait(20);
        row = pane.listViewModel()->shownFiles()->indexOf(path);
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
    pane.listView()->setRootIndex(pane.listViewModel()->shownFiles()->indexOf(path));
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
        point = list->visualRect(pane.listViewModel()->shownFiles()->indexOf(path)).center();
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
    Browser browser;
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

    BoxShooter overwrite(folder, QStringLiteral("gnome_paste_overwrite"), QMessageBox::Yes);
    device.listView()->setFocus();
    QTest::keyClick(device.listView(), Qt::Key_V, Qt::ControlModifier);
    const bool replaced = QImage(onDevice).pixelColor(5, 5).blue() > QImage(onDevice).pixelColor(5, 5).red();
    std::printf("device copy replaced: %s\n", replaced ? "yes" : "no");
    folder.save(browser, QStringLiteral("gnome_paste_done"));

    if (!selectOnly(host, album))
        return 1;
    QTest::keyClick(host.listView(), Qt::Key_C, Qt::ControlModifier);
    showFolder(host, album + QStringLiteral("/Summer"));
    BoxShooter itself(folder, QStringLiteral("gnome_paste_itself"), QMessageBox::Ok);
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
        MenuShooter menu(folder, QLatin1String(shot.menu), QLatin1String(shot.entry));
        DialogShooter dialog(folder, QLatin1String(shot.dialog));
        rightClick(host, shot.onItem ? picture : QString());
        menusShot = menusShot && menu.shot() && dialog.shot();
    }
    return overwrite.shot() && replaced && itself.shot() && menusShot ? 0 : 1;
}
