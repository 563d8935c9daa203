// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/CollectionHook.h"

#include <QObject>

class BookmarkTreeModel;
class TL09Engine;

// Has the engine's thread read a bookmark pane's stores after each data
// collection. A child of its model: it leaves the engine as the model starts
// to go, while a reload under way still finds the stores whole.
class BookmarkReloadHook : public QObject, public CollectionHook
{
    Q_OBJECT

public:
    BookmarkReloadHook(BookmarkTreeModel *model, TL09Engine *engine);

    void reload() override;

private:
    void leave(TL09Engine *engine);

    BookmarkTreeModel *const m_model;
};
