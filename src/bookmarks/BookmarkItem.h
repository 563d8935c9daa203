// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/BookmarkItemType.h"

#include <QList>
#include <QString>
#include <QVariant>

// One node of a bookmark tree. It owns its children; the parent pointer is a
// plain back pointer.
//
// storeData holds what the item's store keeps about it without showing it
// (the members of a Chrome node that only Chrome uses). It is never copied
// with the item: a copy is a new bookmark with an identity of its own.
class BookmarkItem
{
public:
    struct Record
    {
        QString title;
        QString url;
        int type = UrlItem;
        QVariant id;
        bool renamable = false;
        bool removable = true;
    };

    explicit BookmarkItem(const Record &record, BookmarkItem *parent = nullptr);
    ~BookmarkItem();
    BookmarkItem(const BookmarkItem &) = delete;
    BookmarkItem &operator=(const BookmarkItem &) = delete;

    QString title() const { return m_record.title; }
    void setTitle(const QString &title) { m_record.title = title; }
    QString url() const { return m_record.url; }
    int type() const { return m_record.type; }
    QVariant id() const { return m_record.id; }
    void setId(const QVariant &id) { m_record.id = id; }
    // The id as a number; -1 when the item has not been stored yet.
    qint64 storedId() const;
    bool isRenamable() const { return m_record.renamable; }
    void setRenamable(bool renamable) { m_record.renamable = renamable; }
    bool isRemovable() const { return m_record.removable; }
    const Record &record() const { return m_record; }
    QVariant storeData() const { return m_storeData; }
    void setStoreData(const QVariant &data) { m_storeData = data; }

    BookmarkItem *child(int row) const;
    int childCount() const { return m_children.size(); }
    const QList<BookmarkItem *> &children() const { return m_children; }
    // Position among the parent's children; 0 without a parent, -1 when the
    // parent does not hold it.
    int row() const;
    BookmarkItem *parent() const { return m_parent; }
    void setParent(BookmarkItem *parent) { m_parent = parent; }
    void appendChild(BookmarkItem *item);
    void insertChild(int row, BookmarkItem *item);
    // Hands the child at row over to the caller, who then owns it.
    BookmarkItem *takeChild(int row);
    // Hands every child over to the caller, in order.
    QList<BookmarkItem *> takeChildren();

private:
    Record m_record;
    QVariant m_storeData;
    BookmarkItem *m_parent = nullptr;
    QList<BookmarkItem *> m_children;
};
