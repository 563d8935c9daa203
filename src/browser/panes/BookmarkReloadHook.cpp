// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/BookmarkReloadHook.h"

#include "bookmarks/BookmarkTreeModel.h"
#include "engine/TL09Engine.h"

BookmarkReloadHook::BookmarkReloadHook(BookmarkTreeModel *model, TL09Engine *engine)
    : QObject(model)
    , m_model(model)
{
    if (model->mode() == 1)
        engine->setDeviceBookmarkModel(this);
    else
        engine->setHostBookmarkModel(this);
    // Direct: the engine holds this back until a reload under way returns.
    connect(
        model, &BookmarkTreeModel::aboutToBeDeleted, this, [this, engine] { leave(engine); },
        Qt::DirectConnection);
}

void BookmarkReloadHook::reload()
{
    m_model->reload();
}

void BookmarkReloadHook::leave(TL09Engine *engine)
{
    if (engine->deviceBookmarkModel() == this)
        engine->setDeviceBookmarkModel(nullptr);
    if (engine->hostBookmarkModel() == this)
        engine->setHostBookmarkModel(nullptr);
}
