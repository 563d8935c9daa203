// SPDX-License-Identifier: GPL-2.0-or-later
// The pane's side of the desktop context-menu plug-ins: the list's context
// menu, the codes the menus return, and opening files under KDE.
#include "browser/panes/BaseFrame.h"

#include "base/LayoutSettings.h"
#include "base/SessionFlags.h"
#include "browser/plugins/VerifyPasteDone.h"
#include "browser/views/BrowserTreeModel.h"
#include "browser/views/BrowserTreeView.h"
#include "browser/views/FolderListModel.h"
#include "browser/views/QVideoList.h"
#include "plugins/ShellMenuApi.h"
#include "widgets/MessageBox.h"

#include <QTimer>

namespace {

// Codes of the GNOME menu besides the arrangement columns 0 to 3.
enum GnomeMenuCode {
    ZoomInCode = 10,
    ZoomOutCode = 11,
    NormalSizeCode = 12,
    NewFolderCode = 13,
    RenameCode = 20,
    LinkMadeCode = 30,
    PasteDoneCode = 50,
    CutCode = 51,
};

} // namespace

void BaseFrame::listContextMenu(const QPoint &pos)
{
    // pos is in the view the files are shown in.
    const QAbstractItemView *shown = list->shownView();
    const QModelIndex item = shown->indexAt(pos);
    QVector<QString> paths { list->folderPath() };
    if (item.isValid()) {
        paths = list->selectedPaths();
        // Right-clicking an item selects it; a menu asked for by other means
        // still gets the item under the cursor.
        if (list->selectionWasEmpty())
            paths = { FolderListModel::filePathOf(item) };
    }
    runMenu(shown->viewport()->mapToGlobal(pos), paths, item.isValid(), QModelIndex());
}

void BaseFrame::treeContextMenu(const QPoint &pos)
{
    const QModelIndex row = tree->indexAt(pos);
    const QString path = row.data(BrowserTreeModel::FullPathRole).toString();
    // Label rows stand for no folder.
    if (path.isEmpty())
        return;
    runMenu(tree->viewport()->mapToGlobal(pos), { path }, true, row);
}

void BaseFrame::runMenu(
    const QPoint &global, const QVector<QString> &paths, bool onItems, const QModelIndex &treeRow)
{
    if (kde3Session)
        return showKde3Message();
    menuTreeRow = treeRow;
    menuFolder = treeRow.isValid() ? treeRow.parent() : tree->currentIndex();
    if (kde4Session)
        runKdeMenu(global, paths, onItems);
    else if (gnomeSession)
        runGnomeMenu(global, paths, onItems);
}

void BaseFrame::showKde3Message()
{
    MessageBox box(QMessageBox::Information, tr("IDS_KDE3"), QMessageBox::Ok, this);
    box.setWindowTitle(QString());
    box.exec();
}

void BaseFrame::runKdeMenu(const QPoint &global, const QVector<QString> &paths, bool onItems)
{
    // Never no menu: where KDE's plug-in cannot serve (none installed, or one
    // built on KDE Frameworks this process cannot load), the GIO menu can.
    if (!kdePlugin.open()) {
        kdePlugin.reportStandIn("cannot be loaded");
        runGnomeMenu(global, paths, onItems);
        return;
    }
    const auto show = kdePlugin.resolve<ShellMenuApi::KdeShowContextMenu>("KDEshowContextMenu");
    if (!show) {
        kdePlugin.reportStandIn("has no KDEshowContextMenu");
        runGnomeMenu(global, paths, onItems);
        return;
    }
    // The menu runs its own event loop, in which the window may go.
    const QPointer<QVideoList> guard(list);
    QWidget *menu = nullptr;
    const qint32 code = show(global, paths, onItems, &menu);
    if (!guard)
        return;
    popupMenu = menu;
    actOnKdeCode(code, paths);
}

void BaseFrame::actOnKdeCode(qint32 code, const QVector<QString> &paths)
{
    switch (code) {
    case ShellMenuApi::kdeCut:
        cutIndex = menuFolder;
        cutFiles = paths;
        break;
    case ShellMenuApi::kdeCopy:
        cutIndex = QPersistentModelIndex();
        break;
    case ShellMenuApi::kdePaste:
        refreshBrowserTreeSlot(paths);
        break;
    default:
        // Rename, trash, delete and properties were carried out by the plug-in.
        break;
    }
}

void BaseFrame::runGnomeMenu(const QPoint &global, const QVector<QString> &paths, bool onItems)
{
    if (!gtkPlugin.open())
        return;
    const auto show = gtkPlugin.resolve<ShellMenuApi::ShowGtkShellMenu>("ShowGtkShellMenu");
    if (!show)
        return;
    const QPointer<QVideoList> guard(list);
    const QSize icon = list->iconSize();
    const int code
        = show(global.x(), global.y(), paths, onItems, arrangeBy, icon.width(), icon.height(), list);
    if (!guard)
        return;
    lastMenuCode = code;
    actOnGnomeCode(code);
    if (!guard)
        return;
    refreshTree();
    LayoutSettings::instance()->setValue(
        QLatin1String(side == HostMode ? LayoutSettings::leftArrangeBy : LayoutSettings::rightArrangeBy),
        arrangeBy);
}

void BaseFrame::actOnGnomeCode(int code)
{
    const bool hasSelection = !list->selectionModel()->selectedIndexes().isEmpty();
    switch (code) {
    case 0:
    case 1:
    case 2:
    case 3:
        return arrange(code);
    case ZoomInCode:
        return zoomIn();
    case ZoomOutCode:
        return zoomOut();
    case NormalSizeCode:
        return resetZoom();
    case NewFolderCode:
        createFolder(tr("IDS_FOLDER"), false);
        return;
    case RenameCode:
        if (menuTreeRow.isValid())
            renameTreeRowLater();
        else if (hasSelection)
            list->editFirstSelected(this);
        return;
    case LinkMadeCode:
        if (hasSelection)
            refreshTree();
        return;
    case PasteDoneCode:
        if (cutIndex.isValid())
            treeModel->refresh(cutIndex);
        return;
    case CutCode:
        cutIndex = menuFolder;
        return;
    default:
        return;
    }
}

void BaseFrame::renameTreeRowLater()
{
    // The tree lists its folder again once the menu has closed, which ends
    // any editor: the row is found anew after that.
    const QPersistentModelIndex folder = menuTreeRow.parent();
    const QFileInfo renamed(menuTreeRow.data(BrowserTreeModel::FullPathRole).toString());
    QTimer::singleShot(0, tree, [this, folder, renamed] {
        const QModelIndex row = treeModel->findLoadedPath(renamed, folder);
        if (row.isValid())
            tree->edit(row);
    });
}

void BaseFrame::refreshBrowserTreeSlot(const QVector<QString> &paths)
{
    if (!cutIndex.isValid() || cutIndex.data().toString().isEmpty() || paths.isEmpty())
        return;
    auto *verifier = new VerifyPasteDone(cutFiles, cutIndex, this);
    // Reported in this thread: a queued index could outlive its row.
    connect(verifier, &VerifyPasteDone::done, treeModel,
        qOverload<const QModelIndex &>(&BrowserTreeModel::refresh));
    connect(verifier, &QThread::finished, verifier, &QObject::deleteLater);
    verifier->start();
}

void BaseFrame::openWithKde(const QString &path)
{
    if (!kdePlugin.open())
        return;
    if (const auto open = kdePlugin.resolve<ShellMenuApi::KdeOpenFile>("KDEopen_file")) {
        QString copy = path;
        open(copy, this);
    }
}
