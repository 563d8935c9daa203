// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/IBrowser.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include <optional>

class BookmarkFolder;

// A Chrome or Chromium "Bookmarks" file: the PC user's (mode 0) or the
// device's own copy (mode 1), read and replaced through BookmarkFolder.
//
// Saving rewrites the whole file from the tree, so renames, deletions and
// additions all reach it, but nothing else is lost: every root the file had
// is written back (with the "synced" root Chromium needs, added when it was
// missing), every member of a node that this program does not manage is
// kept, nodes of kinds it does not know stay where they were, and ids keep
// their JSON type. New nodes get what Chromium gives its own: a "guid" and
// "date_added". "checksum" is dropped, as it no longer matches. The previous
// file is kept as Bookmarks.bak.
//
// A file of another "version" than 1, or without an object of roots, is
// shown but never written.
class Chrome : public IBrowser
{
public:
    explicit Chrome(int mode);
    ~Chrome() override;

    bool isInstalled() const override;
    bool isRunning() const override;
    void loadBookmarks() override;
    bool saveBookmarks() override;
    bool isWritable() const override;

    static QString bookmarksDir(int mode);
    // The name the user knows the store by: Google's build where its profile
    // is the one in use, Chromium's everywhere else (the device's included).
    QString label() const;
    QString bookmarksPath() const;
    // The file is a regular file that this program may replace.
    bool isBookmarksFileWritable() const;
    qint64 lastId() const { return m_lastId; }
    int version() const { return m_version; }

    // The deepest level below the browser's row (its root folders are on
    // level 1) at which Chromium still loads an item: its reader refuses a
    // file nested deeper than 200 JSON containers, and an item on level L
    // takes 2 L + 2 of them.
    static const int maxItemLevel;

private:
    struct Given
    {
        BookmarkItem *item;
        qint64 id;
        QJsonObject node;
    };

    BookmarkFolder folder() const;
    void readRoots(const QJsonObject &roots);
    void readChildren(BookmarkItem *parent, const QJsonArray &children);
    std::optional<QJsonObject> serialisedRoots();
    std::optional<QJsonObject> node(BookmarkItem *item);
    std::optional<QJsonArray> childNodes(BookmarkItem *folder);
    QJsonValue idValue(qint64 id, const QJsonObject &original) const;
    std::optional<QJsonObject> newRootFolder(const QString &name);
    std::optional<qint64> nextId();
    bool write(const QJsonObject &document);

    int m_mode;
    qint64 m_lastId = 2;
    int m_version = 1;
    bool m_understood = false;
    // The file as read, for the members written back untouched.
    QJsonObject m_document;
    // The key in "roots" of each root folder.
    QHash<const BookmarkItem *, QString> m_rootKeys;
    // Ids and nodes given in the save running, kept once it has written.
    QVector<Given> m_given;
    // Chrome writes ids as text; files of older writers hold numbers.
    bool m_textIds = true;
};
