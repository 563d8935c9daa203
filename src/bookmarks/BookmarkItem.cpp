// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/BookmarkItem.h"

BookmarkItem::BookmarkItem(const Record &record, BookmarkItem *parent)
    : m_record(record)
    , m_parent(parent)
{ }

BookmarkItem::~BookmarkItem()
{
    qDeleteAll(m_children);
}

qint64 BookmarkItem::storedId() const
{
    bool ok = false;
    const qint64 value = m_record.id.toLongLong(&ok);
    return ok ? value : -1;
}

BookmarkItem *BookmarkItem::child(int row) const
{
    if (row < 0 || row >= m_children.size())
        return nullptr;
    return m_children.at(row);
}

int BookmarkItem::row() const
{
    if (!m_parent)
        return 0;
    return m_parent->m_children.indexOf(const_cast<BookmarkItem *>(this));
}

void BookmarkItem::appendChild(BookmarkItem *item)
{
    item->m_parent = this;
    m_children.append(item);
}

void BookmarkItem::insertChild(int row, BookmarkItem *item)
{
    item->m_parent = this;
    m_children.insert(row, item);
}

BookmarkItem *BookmarkItem::takeChild(int row)
{
    BookmarkItem *item = m_children.takeAt(row);
    item->m_parent = nullptr;
    return item;
}

QList<BookmarkItem *> BookmarkItem::takeChildren()
{
    QList<BookmarkItem *> taken;
    taken.swap(m_children);
    for (BookmarkItem *item : qAsConst(taken))
        item->m_parent = nullptr;
    return taken;
}
