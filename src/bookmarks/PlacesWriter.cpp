// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/PlacesWriter.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/PlacesUrl.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// moz_bookmarks.syncStatus of an item Sync has not seen yet.
const int syncStatusNew = 1;

std::optional<qint64> firstValue(QSqlQuery &query)
{
    if (!query.exec() || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool execute(QSqlDatabase &db, const char *statement)
{
    QSqlQuery query(db);
    return query.exec(QLatin1String(statement));
}

} // namespace

PlacesWriter::PlacesWriter(const QSqlDatabase &db)
    : m_db(db)
{
    const QStringList tables = db.tables();
    for (const char *table : { "moz_places", "moz_bookmarks", "moz_origins" }) {
        if (tables.contains(QLatin1String(table)))
            m_columns.insert(QLatin1String(table), db.record(QLatin1String(table)));
    }
}

bool PlacesWriter::hasNewItems(const BookmarkItem *root)
{
    for (const BookmarkItem *child : root->children()) {
        if ((child->type() == UrlItem || child->type() == FolderItem) && child->storedId() == -1)
            return true;
        if (child->type() == FolderItem && hasNewItems(child))
            return true;
    }
    return false;
}

bool PlacesWriter::insertNew(BookmarkItem *root)
{
    m_now = PlacesUrl::nowMicroseconds();
    m_given.clear();
    if (!execute(m_db, "BEGIN IMMEDIATE"))
        return false;
    const bool complete = insertChildren(root);
    if (execute(m_db, "COMMIT"))
        return complete;
    execute(m_db, "ROLLBACK");
    undoIds(0);
    return false;
}

void PlacesWriter::undoIds(int from)
{
    while (m_given.size() > from) {
        m_given.last().first->setId(m_given.last().second);
        m_given.removeLast();
    }
}

bool PlacesWriter::insertChildren(BookmarkItem *parent)
{
    bool complete = true;
    for (BookmarkItem *child : parent->children()) {
        if (child->type() != UrlItem && child->type() != FolderItem)
            continue;
        // A folder not stored takes its contents out with it.
        if (child->storedId() == -1 && !insertAlone(child, parent))
            complete = false;
        else if (child->type() == FolderItem && !insertChildren(child))
            complete = false;
    }
    return complete;
}

// Stores one new item, leaving no trace of it when any of its rows fails.
bool PlacesWriter::insertAlone(BookmarkItem *item, const BookmarkItem *parent)
{
    const int given = m_given.size();
    if (!execute(m_db, "SAVEPOINT item"))
        return false;
    if (insertItem(item, parent) && execute(m_db, "RELEASE item"))
        return true;
    execute(m_db, "ROLLBACK TO item");
    execute(m_db, "RELEASE item");
    undoIds(given);
    return false;
}

bool PlacesWriter::insertItem(BookmarkItem *item, const BookmarkItem *parent)
{
    // Firefox has no use for a bookmark without an address; it stays out.
    if (item->type() == UrlItem && item->url().isEmpty())
        return true;
    const qint64 parentId = parent->storedId();
    if (isTagFolder(parentId))
        return false;
    QVector<QPair<QString, QVariant>> values;
    if (item->type() == UrlItem) {
        const std::optional<qint64> place = placeFor(*item);
        if (!place)
            return false;
        values << qMakePair(QStringLiteral("type"), QVariant(bookmarkType))
               << qMakePair(QStringLiteral("fk"), QVariant(*place));
    } else {
        values << qMakePair(QStringLiteral("type"), QVariant(folderType));
    }
    const std::optional<qint64> position = nextPosition(parentId);
    if (!position)
        return false;
    values << qMakePair(QStringLiteral("parent"), QVariant(parentId))
           << qMakePair(QStringLiteral("position"), QVariant(*position))
           << qMakePair(QStringLiteral("title"), QVariant(item->title()))
           << qMakePair(QStringLiteral("dateAdded"), QVariant(m_now))
           << qMakePair(QStringLiteral("lastModified"), QVariant(m_now));
    if (hasColumn(QStringLiteral("moz_bookmarks"), QStringLiteral("guid")))
        values << qMakePair(QStringLiteral("guid"), QVariant(uniqueGuid(QStringLiteral("moz_bookmarks"))));
    if (hasColumn(QStringLiteral("moz_bookmarks"), QStringLiteral("syncStatus")))
        values << qMakePair(QStringLiteral("syncStatus"), QVariant(syncStatusNew));
    if (hasColumn(QStringLiteral("moz_bookmarks"), QStringLiteral("syncChangeCounter")))
        values << qMakePair(QStringLiteral("syncChangeCounter"), QVariant(1));
    const std::optional<qint64> id = insertRow(QStringLiteral("moz_bookmarks"), values);
    if (!id || !touchFolder(parentId))
        return false;
    m_given.append(qMakePair(item, item->id()));
    item->setId(*id);
    return true;
}

bool PlacesWriter::isTagFolder(qint64 folderId)
{
    QSqlQuery query(m_db);
    const bool hasGuids = hasColumn(QStringLiteral("moz_bookmarks"), QStringLiteral("guid"));
    query.prepare(
        QStringLiteral("SELECT COUNT(*) FROM moz_bookmarks WHERE id=:folder AND (id=(%1) OR parent=(%1))")
            .arg(hasGuids ? QStringLiteral("SELECT id FROM moz_bookmarks WHERE guid='tags________'")
                          : QStringLiteral("SELECT folder_id FROM moz_bookmarks_roots WHERE "
                                           "root_name='tags'")));
    query.bindValue(QStringLiteral(":folder"), folderId);
    // A folder that cannot be placed is not written into either.
    return firstValue(query).value_or(1) != 0;
}

std::optional<qint64> PlacesWriter::placeFor(const BookmarkItem &item)
{
    const QString url = PlacesUrl::normalized(item.url());
    // Firefox takes no address without a scheme.
    if (PlacesUrl::originPrefix(url).isEmpty())
        return std::nullopt;
    const std::optional<qint64> existing = existingPlace(url);
    if (!existing)
        return insertPlace(url, item.title());
    // The page keeps the title its history gave it.
    if (!hasColumn(QStringLiteral("moz_places"), QStringLiteral("foreign_count")))
        return existing;
    QSqlQuery update(m_db);
    update.prepare(QStringLiteral("UPDATE moz_places SET foreign_count=foreign_count+1 WHERE id=:id"));
    update.bindValue(QStringLiteral(":id"), *existing);
    if (!update.exec())
        return std::nullopt;
    return existing;
}

std::optional<qint64> PlacesWriter::existingPlace(const QString &url)
{
    QSqlQuery query(m_db);
    const bool hashed = hasColumn(QStringLiteral("moz_places"), QStringLiteral("url_hash"));
    query.prepare(hashed ? QStringLiteral("SELECT id FROM moz_places WHERE url_hash=:hash AND url=:url")
                         : QStringLiteral("SELECT id FROM moz_places WHERE url=:url"));
    if (hashed)
        query.bindValue(QStringLiteral(":hash"), PlacesUrl::hash(url));
    query.bindValue(QStringLiteral(":url"), url);
    return firstValue(query);
}

std::optional<qint64> PlacesWriter::insertPlace(const QString &url, const QString &title)
{
    QVector<QPair<QString, QVariant>> values { qMakePair(QStringLiteral("url"), QVariant(url)),
        qMakePair(QStringLiteral("title"), QVariant(title)),
        qMakePair(QStringLiteral("rev_host"), QVariant(PlacesUrl::reversedHost(url))),
        qMakePair(QStringLiteral("visit_count"), QVariant(0)),
        qMakePair(QStringLiteral("hidden"), QVariant(0)), qMakePair(QStringLiteral("typed"), QVariant(0)),
        qMakePair(QStringLiteral("frecency"), QVariant(-1)) };
    const QString places = QStringLiteral("moz_places");
    if (hasColumn(places, QStringLiteral("guid")))
        values << qMakePair(QStringLiteral("guid"), QVariant(uniqueGuid(places)));
    if (hasColumn(places, QStringLiteral("url_hash")))
        values << qMakePair(QStringLiteral("url_hash"), QVariant(PlacesUrl::hash(url)));
    if (hasColumn(places, QStringLiteral("foreign_count")))
        values << qMakePair(QStringLiteral("foreign_count"), QVariant(1));
    if (hasColumn(places, QStringLiteral("recalc_frecency")))
        values << qMakePair(QStringLiteral("recalc_frecency"), QVariant(1));
    if (hasColumn(places, QStringLiteral("origin_id"))) {
        const std::optional<qint64> origin = originFor(url);
        if (!origin)
            return std::nullopt;
        values << qMakePair(QStringLiteral("origin_id"), QVariant(*origin));
    }
    return insertRow(places, values);
}

std::optional<qint64> PlacesWriter::originFor(const QString &url)
{
    const QString prefix = PlacesUrl::originPrefix(url);
    const QString host = PlacesUrl::originHost(url);
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT id FROM moz_origins WHERE prefix=:prefix AND host=:host"));
    query.bindValue(QStringLiteral(":prefix"), prefix);
    query.bindValue(QStringLiteral(":host"), host);
    if (const std::optional<qint64> existing = firstValue(query))
        return existing;
    QVector<QPair<QString, QVariant>> values { qMakePair(QStringLiteral("prefix"), QVariant(prefix)),
        qMakePair(QStringLiteral("host"), QVariant(host)),
        qMakePair(QStringLiteral("frecency"), QVariant(0)) };
    if (hasColumn(QStringLiteral("moz_origins"), QStringLiteral("recalc_frecency")))
        values << qMakePair(QStringLiteral("recalc_frecency"), QVariant(1));
    return insertRow(QStringLiteral("moz_origins"), values);
}

std::optional<qint64> PlacesWriter::nextPosition(qint64 parentId)
{
    // Firefox numbers a folder's children from 0 without gaps.
    QSqlQuery query(m_db);
    query.prepare(
        QStringLiteral("SELECT COALESCE(MAX(position)+1, 0) FROM moz_bookmarks WHERE parent=:parent"));
    query.bindValue(QStringLiteral(":parent"), parentId);
    return firstValue(query);
}

bool PlacesWriter::touchFolder(qint64 folderId)
{
    QString statement = QStringLiteral("UPDATE moz_bookmarks SET lastModified=:now");
    if (hasColumn(QStringLiteral("moz_bookmarks"), QStringLiteral("syncChangeCounter")))
        statement += QLatin1String(", syncChangeCounter=syncChangeCounter+1");
    QSqlQuery query(m_db);
    query.prepare(statement + QLatin1String(" WHERE id=:id"));
    query.bindValue(QStringLiteral(":now"), m_now);
    query.bindValue(QStringLiteral(":id"), folderId);
    return query.exec();
}

std::optional<qint64> PlacesWriter::insertRow(
    const QString &table, const QVector<QPair<QString, QVariant>> &values)
{
    // Column names come from this file only; every value is bound.
    QStringList columns;
    QStringList placeholders;
    for (const auto &value : values) {
        columns << value.first;
        placeholders << QLatin1Char(':') + value.first;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, columns.join(QLatin1Char(',')), placeholders.join(QLatin1Char(','))));
    for (const auto &value : values)
        query.bindValue(QLatin1Char(':') + value.first, value.second);
    if (!query.exec())
        return std::nullopt;
    return query.lastInsertId().toLongLong();
}

QString PlacesWriter::uniqueGuid(const QString &table)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE guid=:guid").arg(table));
    // A clash is next to impossible; should the table not answer, the unique
    // index refuses the row and the save is undone.
    QString guid;
    for (int attempt = 0; attempt < 8; ++attempt) {
        guid = PlacesUrl::newGuid();
        query.bindValue(QStringLiteral(":guid"), guid);
        if (firstValue(query).value_or(1) == 0)
            break;
    }
    return guid;
}

bool PlacesWriter::hasColumn(const QString &table, const QString &column) const
{
    return m_columns.value(table).contains(column);
}
