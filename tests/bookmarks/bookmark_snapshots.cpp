// SPDX-License-Identifier: GPL-2.0-or-later
// Saves pictures of the media sync window's Bookmarks category, both panes
// filled from test stores (Firefox and Chromium on the PC, the device's own
// file), reached through its tab as --bookmarks shows it, for looking at
// them:
//   QT_QPA_PLATFORM=offscreen bookmark_snapshots OUTPUT_FOLDER [LANGUAGE]
#include "BookmarkStores.h"
#include "PaneTestHome.h"
#include "SnapshotFolder.h"

#include "base/LayoutSettings.h"
#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"
#include "bookmarks/BookmarksListView.h"
#include "bookmarks/Chrome.h"
#include "bookmarks/ExternalDeviceBookmarkBrowser.h"
#include "bookmarks/FilteredBrowserModel.h"
#include "bookmarks/HostBookmarkBrowser.h"
#include "bookmarks/IBrowser.h"
#include "browser/panes/Browser.h"
#include "widgets/Button.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPushButton>
#include <QTreeView>

using namespace BookmarkStores;

namespace {

void selectInTree(BookmarkBrowser &pane, BookmarkItem *item)
{
    const QModelIndex index = pane.proxy()->mapFromSource(pane.model()->indexFromItem(item));
    pane.treeView()->expand(index.parent());
    pane.treeView()->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void selectInList(BookmarkBrowser &pane, int row)
{
    const QModelIndex index = pane.model()->index(row, 0, pane.listView()->rootIndex());
    pane.listView()->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SnapshotFolder folder;
    if (!folder.open(QCoreApplication::arguments()))
        return 2;

    // The pictures do not depend on the browsers running on this machine.
    IBrowser::setProcessProbe(nothingRuns);
    PaneTestHome home;
    QFile model(home.devicePath() + QStringLiteral("/.opalo"));
    if (model.open(QIODevice::WriteOnly))
        model.write("TL09");
    model.close();
    createFirefoxProfile(CurrentSchema);
    writeChromeFile(0, QJsonDocument(currentChromeFile()).toJson());
    writeChromeFile(1, QJsonDocument(currentChromeFile()).toJson());

    LayoutSettings::setBookmarksTabRequested(true);
    Browser browser(home.engine());
    browser.resize(1100, 640);
    browser.show();
    HostBookmarkBrowser &host = *browser.hostBookmarkBrowser();
    ExternalDeviceBookmarkBrowser &device = *browser.deviceBookmarkBrowser();
    host.model()->reload();
    device.model()->reload();

    bool ok = folder.save(browser, QStringLiteral("bookmarks_tab_offered"));
    browser.findChild<Button *>(QStringLiteral("_urlTabPushButton"))->click();
    ok &= folder.save(browser, QStringLiteral("bookmarks_loaded"));

    // A bookmark chosen on the PC, a device folder to receive it.
    selectInTree(host, host.model()->headerItem()->child(0)->child(1)->child(0));
    selectInList(host, 1);
    selectInTree(device, device.model()->headerItem()->child(0)->child(0)->child(0));
    ok &= folder.save(browser, QStringLiteral("bookmarks_selected"));

    // After the copy, and a new folder being named on the device.
    browser.findChild<QPushButton *>(QStringLiteral("_copy2ExternalDevice"))->click();
    selectInTree(device, device.model()->headerItem()->child(0)->child(1));
    device.createFolder();
    ok &= folder.save(browser, QStringLiteral("bookmarks_copied_new_folder"));

    // A copy that the device's file cannot take, told to the user.
    MessageBox::setAnswerer([&folder, &ok](MessageBox &box) {
        ok &= folder.save(box, QStringLiteral("bookmarks_not_written"));
        return int(QMessageBox::Ok);
    });
    selectInTree(device, device.model()->headerItem()->child(0)->child(0));
    QFile::remove(Chrome::bookmarksDir(1) + QStringLiteral("Bookmarks.bak"));
    QDir().mkpath(Chrome::bookmarksDir(1) + QStringLiteral("Bookmarks.bak/in the way"));
    browser.findChild<QPushButton *>(QStringLiteral("_copy2ExternalDevice"))->click();

    // Firefox running: its row emptied and red, and the question on a click.
    IBrowser::setProcessProbe([](const QString &name) { return name == QLatin1String("firefox"); });
    host.onMonitorBrowsersTimer();
    ok &= folder.save(browser, QStringLiteral("bookmarks_firefox_running"));
    MessageBox::setAnswerer([&folder, &ok](MessageBox &box) {
        ok &= folder.save(box, QStringLiteral("bookmarks_close_firefox"));
        return int(QMessageBox::Cancel);
    });
    host.browserListClicked(host.proxy()->index(0, 0));
    return ok ? 0 : 1;
}
