// SPDX-License-Identifier: GPL-2.0-or-later
// The media sync window's Bookmarks category: its panes, the arrows' state
// and the bookmark copies.
#include "browser/panes/Browser.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/BookmarkTreeModel.h"
#include "bookmarks/BookmarksListView.h"
#include "bookmarks/Chrome.h"
#include "bookmarks/ExternalDeviceBookmarkBrowser.h"
#include "bookmarks/FilteredBrowserModel.h"
#include "bookmarks/HostBookmarkBrowser.h"
#include "browser/panes/BookmarkReloadHook.h"
#include "browser/panes/ExternalDeviceFrame.h"
#include "browser/panes/HostFrame.h"
#include "engine/TL09Engine.h"
#include "widgets/MessageBox.h"

#include <QItemSelectionModel>
#include <QTreeView>

void Browser::connectBookmarkPanes()
{
    _bookmarkBrowserRight->model()->setDeviceModel(deviceModel());
    new BookmarkReloadHook(_bookmarkBrowserLeft->model(), &m_engine);
    new BookmarkReloadHook(_bookmarkBrowserRight->model(), &m_engine);
    connect(_bookmarkBrowserLeft->listView()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &Browser::LeftBrowserListViewSelectionChanged);
    connect(_bookmarkBrowserRight->listView()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &Browser::RightBrowserListViewSelectionChanged);
    connect(_bookmarkBrowserLeft->treeView()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &Browser::LeftBrowserTreeViewSelectionChanged);
    connect(_bookmarkBrowserRight->treeView()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &Browser::RightBrowserTreeViewSelectionChanged);
    // Told once the edit has closed: the box must not run inside the view's
    // commit of the new title.
    for (const BookmarkBrowser *pane :
        std::initializer_list<const BookmarkBrowser *> { _bookmarkBrowserLeft, _bookmarkBrowserRight }) {
        connect(
            pane->model(), &BookmarkTreeModel::renameNotSaved, this,
            [this](const QString &store, const QString &title) {
                showBookmarkProblem(BookmarkBrowser::notWrittenText(store, { title }));
            },
            Qt::QueuedConnection);
    }
}

void Browser::showBookmarkProblem(const QString &text)
{
    if (!text.isEmpty())
        runBox(new MessageBox(QMessageBox::Critical, text, QMessageBox::Ok, this));
}

void Browser::setURLMode()
{
    setUpdatesEnabled(false);
    urlMode = true;
    _hostFrame->hide();
    _targetFrame->hide();
    _bookmarkBrowserLeft->show();
    _bookmarkBrowserRight->show();
    setUpdatesEnabled(true);
    updateBookmarkBrowserLeftArrow();
    updateBookmarkBrowserRightArrow();
}

void Browser::LeftBrowserListViewSelectionChanged(const QItemSelection &, const QItemSelection &)
{
    updateBookmarkBrowserLeftArrow();
}

void Browser::RightBrowserTreeViewSelectionChanged(const QItemSelection &, const QItemSelection &)
{
    updateBookmarkBrowserLeftArrow();
}

void Browser::RightBrowserListViewSelectionChanged(const QItemSelection &, const QItemSelection &)
{
    updateBookmarkBrowserRightArrow();
}

void Browser::LeftBrowserTreeViewSelectionChanged(const QItemSelection &, const QItemSelection &)
{
    updateBookmarkBrowserRightArrow();
}

// The bookmark panes change their selection by themselves too (a reload, a
// browser found running); outside their category that must not touch the
// buttons the file panes use.
void Browser::updateBookmarkBrowserLeftArrow()
{
    if (!urlMode)
        return;
    const bool sourceValid = _bookmarkBrowserLeft->listView()->selectionModel()->hasSelection();
    const QTreeView *tree = _bookmarkBrowserRight->treeView();
    const QModelIndex current = tree->currentIndex();
    // Nothing may land directly under the device's own row.
    const bool destValid = sourceValid && current.isValid() && current != tree->model()->index(0, 0);
    emit LeftBrowserSelectionChanged(sourceValid, destValid);
}

void Browser::updateBookmarkBrowserRightArrow()
{
    if (!urlMode)
        return;
    const bool sourceValid = _bookmarkBrowserRight->listView()->selectionModel()->hasSelection();
    const QModelIndex current = _bookmarkBrowserLeft->treeView()->currentIndex();
    bool destValid = sourceValid && current.isValid();
    if (destValid && !current.parent().isValid()) {
        const QModelIndex row = _bookmarkBrowserLeft->proxy()->mapToSource(current);
        if (row.isValid()) {
            const QString name = _bookmarkBrowserLeft->model()->itemFromIndex(row)->title();
            destValid = name != QLatin1String("Firefox") && name != QLatin1String("Chrome");
        }
    }
    emit RightBrowserSelectionChanged(sourceValid, destValid);
}

void Browser::arrowToDevice()
{
    if (urlMode)
        copyBookmarksToDevice();
    else
        copy2ExternalDevice();
}

void Browser::arrowToHost()
{
    if (urlMode)
        copyBookmarksToHost();
    else
        copy2Host();
}

void Browser::copyBookmarksToDevice()
{
    if (!_bookmarkBrowserRight->canReceive(*_bookmarkBrowserLeft))
        return;
    if (!_bookmarkBrowserRight->model()->chrome()->isBookmarksFileWritable()) {
        runBox(new MessageBox(QMessageBox::Critical, tr("IDS_RIGHTS").arg(targetName(ExternalDeviceMode)),
            QMessageBox::Ok, this));
        return;
    }
    showBookmarkProblem(_bookmarkBrowserRight->receiveCopies(*_bookmarkBrowserLeft));
}

void Browser::copyBookmarksToHost()
{
    if (_bookmarkBrowserLeft->canReceive(*_bookmarkBrowserRight))
        showBookmarkProblem(_bookmarkBrowserLeft->receiveCopies(*_bookmarkBrowserRight));
}
