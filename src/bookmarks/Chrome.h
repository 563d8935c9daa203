// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/IBrowser.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

// A Chrome or Chromium "Bookmarks" file: the PC user's (mode 0) or the
// device's own copy (mode 1).
//
// Saving rewrites the whole file from the tree, so renames, deletions and
// additions all reach it, but nothing else is lost: every root the file had
// is written back (with the "synced" root Chromium needs, added when it was
// missing), every member of a node that this program does not manage is
// kept, and ids keep their JSON type. New nodes get what Chromium gives its
// own: a "guid" and "date_added". "checksum" is dropped, as it no longer
// matches. The file is replaced atomically and the previous one kept as
// Bookmarks.bak.
class Chrome : public IBrowser
{
public:
    explicit Chrome(int mode);

    bool isInstalled() const override;
    bool isRunning() const override;
    void loadBookmarks() override;
    void saveBookmarks() override;

    static QString bookmarksDir(int mode);
    QString bookmarksPath() const;
    // The file exists and this program may replace it.
    bool isBookmarksFileWritable() const;
    int lastId() const { return m_lastId; }
    int version() const { return m_version; }

private:
    void readChildren(BookmarkItem *parent, const QJsonArray &children);
    QJsonObject serialisedRoots();
    QJsonObject node(BookmarkItem *item);
    QJsonArray childNodes(BookmarkItem *folder);
    QJsonValue idValue(int id, const QJsonObject &original) const;
    QJsonObject newRootFolder(const QString &name);

    int m_mode;
    int m_lastId = 2;
    int m_version = 1;
    // The file as read, for the members written back untouched.
    QJsonObject m_document;
    // The key in "roots" of each root folder, by id.
    QMap<int, QString> m_rootKeys;
    // Chrome writes ids as text; files of older writers hold numbers.
    bool m_textIds = true;
};
