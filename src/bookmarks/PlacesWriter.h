// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QHash>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <optional>

class BookmarkItem;

// Adds the items of a tree that are not stored yet (id -1 or invalid) to a
// Firefox places.sqlite, filling what Firefox itself fills for a new
// bookmark on whichever schema the file has: the place's guid, url_hash,
// rev_host, origin and foreign_count, the bookmark's guid and sync state,
// and the parent folder's lastModified.
//
// A URL Firefox knows already keeps its place, with the title its history
// has; the new bookmark only points at it. Nothing is ever written into the
// Tags folder, whose folders are Firefox's tags.
//
// One save is one transaction, and each new item goes in on its own within
// it: an item that cannot be stored (nor, for a folder, its contents) leaves
// no row and keeps the id -1, and the others are stored all the same.
class PlacesWriter
{
public:
    // moz_bookmarks.type of a bookmark and of a folder.
    static constexpr int bookmarkType = 1;
    static constexpr int folderType = 2;

    explicit PlacesWriter(const QSqlDatabase &db);

    // Whether any item below root still has to be stored.
    static bool hasNewItems(const BookmarkItem *root);
    // False when any new item could not be stored.
    bool insertNew(BookmarkItem *root);

private:
    bool insertChildren(BookmarkItem *parent);
    bool insertAlone(BookmarkItem *item, const BookmarkItem *parent);
    bool insertItem(BookmarkItem *item, const BookmarkItem *parent);
    bool isTagFolder(qint64 folderId);
    std::optional<qint64> placeFor(const BookmarkItem &item);
    std::optional<qint64> existingPlace(const QString &url);
    std::optional<qint64> insertPlace(const QString &url, const QString &title);
    std::optional<qint64> originFor(const QString &url);
    std::optional<qint64> nextPosition(qint64 parentId);
    bool touchFolder(qint64 folderId);
    std::optional<qint64> insertRow(const QString &table, const QVector<QPair<QString, QVariant>> &values);
    QString uniqueGuid(const QString &table);
    bool hasColumn(const QString &table, const QString &column) const;
    void undoIds(int from);

    QSqlDatabase m_db;
    QHash<QString, QSqlRecord> m_columns;
    qint64 m_now = 0;
    // Ids given during this save, with the ids they replaced.
    QVector<QPair<BookmarkItem *, QVariant>> m_given;
};
