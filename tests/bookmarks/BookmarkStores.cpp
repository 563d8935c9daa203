// SPDX-License-Identifier: GPL-2.0-or-later
#include "BookmarkStores.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/Chrome.h"
#include "bookmarks/Firefox.h"
#include "bookmarks/PlacesUrl.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <sys/stat.h>

namespace {

const char *const oldSchema[] = {
    "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, rev_host "
    "LONGVARCHAR,"
    " visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0 NOT NULL, typed INTEGER DEFAULT 0 NOT NULL,"
    " favicon_id INTEGER, frecency INTEGER DEFAULT -1 NOT NULL, last_visit_date INTEGER)",
    "CREATE UNIQUE INDEX moz_places_url_uniqueindex ON moz_places (url)",
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, parent "
    "INTEGER,"
    " position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT, dateAdded INTEGER,"
    " lastModified INTEGER)",
    "CREATE TABLE moz_bookmarks_roots (root_name VARCHAR(16) UNIQUE, folder_id INTEGER)",
    "INSERT INTO moz_bookmarks_roots VALUES ('places',1),('menu',2),('toolbar',3),('tags',4),('unfiled',5)",
    "INSERT INTO moz_bookmarks (id,type,parent,position,title) VALUES (1,2,0,0,''),"
    " (2,2,1,0,'Bookmarks Menu'),(3,2,1,1,'Bookmarks Toolbar'),(4,2,1,2,'Tags'),(5,2,1,3,'Unsorted "
    "Bookmarks')",
};

const char *const currentSchema[] = {
    "CREATE TABLE moz_origins (id INTEGER PRIMARY KEY, prefix TEXT NOT NULL, host TEXT NOT NULL,"
    " frecency INTEGER NOT NULL, recalc_frecency INTEGER NOT NULL DEFAULT 0, alt_frecency INTEGER,"
    " recalc_alt_frecency INTEGER NOT NULL DEFAULT 0, UNIQUE (prefix, host))",
    "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, rev_host "
    "LONGVARCHAR,"
    " visit_count INTEGER DEFAULT 0, hidden INTEGER DEFAULT 0 NOT NULL, typed INTEGER DEFAULT 0 NOT NULL,"
    " frecency INTEGER DEFAULT -1 NOT NULL, last_visit_date INTEGER, guid TEXT,"
    " foreign_count INTEGER DEFAULT 0 NOT NULL, url_hash INTEGER DEFAULT 0 NOT NULL, description TEXT,"
    " preview_image_url TEXT, site_name TEXT, origin_id INTEGER REFERENCES moz_origins(id),"
    " recalc_frecency INTEGER NOT NULL DEFAULT 0, alt_frecency INTEGER,"
    " recalc_alt_frecency INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX moz_places_url_hashindex ON moz_places (url_hash)",
    "CREATE UNIQUE INDEX moz_places_guid_uniqueindex ON moz_places (guid)",
    "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT NULL, parent "
    "INTEGER,"
    " position INTEGER, title LONGVARCHAR, keyword_id INTEGER, folder_type TEXT, dateAdded INTEGER,"
    " lastModified INTEGER, guid TEXT, syncStatus INTEGER NOT NULL DEFAULT 0,"
    " syncChangeCounter INTEGER NOT NULL DEFAULT 1)",
    "CREATE UNIQUE INDEX moz_bookmarks_guid_uniqueindex ON moz_bookmarks (guid)",
    "INSERT INTO moz_bookmarks (id,type,parent,position,title,guid) VALUES (1,2,0,0,'','root________'),"
    " (2,2,1,0,'menu','menu________'),(3,2,1,1,'toolbar','toolbar_____'),(4,2,1,2,'tags','tags________'),"
    " (5,2,1,3,'unfiled','unfiled_____'),(6,2,1,4,'mobile','mobile______')",
    "INSERT INTO moz_origins (id,prefix,host,frecency) VALUES (1,'https://','www.debian.org',100),"
    " (2,'https://','www.kernel.org',100)",
};

// The same bookmarks in both schemas; guid columns are filled where they exist.
const char *const sampleRows[] = {
    "INSERT INTO moz_places (id,url,title) VALUES (1,'https://www.debian.org/','Debian'),"
    " (2,'https://www.kernel.org/','Kernel')",
    "INSERT INTO moz_bookmarks (id,type,fk,parent,position,title) VALUES"
    " (7,2,NULL,3,0,'Linux'),(8,1,1,7,0,'Debian'),(9,3,NULL,7,1,''),(10,1,2,7,2,'Kernel'),"
    " (11,1,1,2,0,'Debian in the menu')",
};

const char *const currentSampleRows[] = {
    "UPDATE moz_places SET guid='place' || id || '______', origin_id=id, foreign_count=CASE id WHEN 1 THEN 2 "
    "ELSE 1 END,"
    " rev_host=CASE id WHEN 1 THEN 'gro.naibed.www.' ELSE 'gro.lenrek.www.' END",
    "UPDATE moz_bookmarks SET guid='bookmark' || id || (CASE WHEN id<10 THEN '___' ELSE '__' END)"
    " WHERE guid IS NULL",
};

template<size_t N> void append(QStringList &list, const char *const (&statements)[N])
{
    for (const char *statement : statements)
        list << QLatin1String(statement);
}

QString chromeGuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QJsonObject rootFolder(const char *id, const char *name, const QJsonArray &children)
{
    return QJsonObject { { QStringLiteral("children"), children },
        { QStringLiteral("date_added"), QStringLiteral("13360000000000000") },
        { QStringLiteral("date_last_used"), QStringLiteral("0") },
        { QStringLiteral("date_modified"), QStringLiteral("13360000000000001") },
        { QStringLiteral("guid"), chromeGuid() }, { QStringLiteral("id"), QLatin1String(id) },
        { QStringLiteral("name"), QLatin1String(name) },
        { QStringLiteral("type"), QStringLiteral("folder") } };
}

QJsonObject currentNode(const char *id, const char *name, const char *url)
{
    return QJsonObject { { QStringLiteral("date_added"), QStringLiteral("13360000000000123") },
        { QStringLiteral("date_last_used"), QStringLiteral("13360000000000456") },
        { QStringLiteral("guid"), chromeGuid() }, { QStringLiteral("id"), QLatin1String(id) },
        { QStringLiteral("meta_info"), QJsonObject { { QStringLiteral("power_bookmark_meta"), QString() } } },
        { QStringLiteral("name"), QString::fromUtf8(name) },
        { QStringLiteral("type"), QStringLiteral("url") }, { QStringLiteral("url"), QLatin1String(url) } };
}

} // namespace

namespace BookmarkStores {

QString createFirefoxProfile(Schema schema)
{
    const QString dir = Firefox::firefoxDir();
    QDir().mkpath(dir + QLatin1String("abc.default"));
    QFile ini(dir + QLatin1String("profiles.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return QString();
    ini.write(
        "[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\n");
    ini.close();
    const QString path = dir + QLatin1String("abc.default/places.sqlite");
    QFile::remove(path);
    QStringList all;
    if (schema == OldSchema) {
        append(all, oldSchema);
        append(all, sampleRows);
    } else {
        append(all, currentSchema);
        append(all, sampleRows);
        append(all, currentSampleRows);
        for (const char *url : { "https://www.debian.org/", "https://www.kernel.org/" }) {
            all << QStringLiteral("UPDATE moz_places SET url_hash=%1 WHERE url='%2'")
                       .arg(PlacesUrl::hash(QLatin1String(url)))
                       .arg(QLatin1String(url));
        }
    }
    return execute(path, all) ? path : QString();
}

bool execute(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-setup"));
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString &statement : statements) {
            if (!ok)
                break;
            QSqlQuery query(db);
            ok = query.exec(statement);
            if (!ok)
                qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-setup"));
    return ok;
}

QVariantList column(const QString &path, const QString &statement)
{
    QVariantList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-read"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
            while (query.next())
                values << query.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-read"));
    return values;
}

QString writeChromeFile(int mode, const QByteArray &data)
{
    const QString dir = Chrome::bookmarksDir(mode);
    QDir().mkpath(dir);
    QFile file(dir + QLatin1String("Bookmarks"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        return QString();
    return file.fileName();
}

QJsonObject currentChromeFile()
{
    QJsonObject folder = rootFolder("4", "Linux",
        { currentNode("5", "Debian", "https://www.debian.org/"),
            currentNode("6", "Kernel", "https://www.kernel.org/") });
    folder.remove(QStringLiteral("date_last_used"));
    const QJsonObject roots {
        { QStringLiteral("bookmark_bar"),
            rootFolder("1", "Bookmarks bar",
                { folder, currentNode("7", "Ünïcode ✓", "https://example.org/?q=\"x\"") }) },
        { QStringLiteral("other"), rootFolder("2", "Other bookmarks", {}) },
        { QStringLiteral("synced"), rootFolder("3", "Mobile bookmarks", {}) }
    };
    return QJsonObject { { QStringLiteral("checksum"), QStringLiteral("0123456789abcdef0123456789abcdef") },
        { QStringLiteral("roots"), roots }, { QStringLiteral("sync_metadata"), QStringLiteral("CgQIARAB") },
        { QStringLiteral("version"), 1 } };
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject chromeNode(int id, const QString &name, const QString &url)
{
    QJsonObject node { { QStringLiteral("id"), id }, { QStringLiteral("name"), name } };
    if (url.isEmpty()) {
        node.insert(QStringLiteral("type"), QStringLiteral("folder"));
        node.insert(QStringLiteral("children"), QJsonArray());
    } else {
        node.insert(QStringLiteral("type"), QStringLiteral("url"));
        node.insert(QStringLiteral("url"), url);
    }
    return node;
}

QJsonObject withChildren(QJsonObject folder, const QJsonArray &children)
{
    folder.insert(QStringLiteral("children"), children);
    return folder;
}

DatabaseLock::DatabaseLock(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
    db.setDatabaseName(path);
    m_locked = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
}

DatabaseLock::~DatabaseLock()
{
    {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("lock"), false);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lock"));
}

QStringList treeState(const QString &folder)
{
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info;
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            continue;
        QString what;
        if (S_ISLNK(info.st_mode)) {
            what = QFile::symLinkTarget(path);
        } else if (S_ISREG(info.st_mode)) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                what = QString::fromLatin1(
                    QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        }
        lines << QStringLiteral("%1 %2 %3 %4.%5 %6")
                     .arg(path.mid(folder.size()))
                     .arg(info.st_mode, 0, 8)
                     .arg(info.st_size)
                     .arg(info.st_mtim.tv_sec)
                     .arg(info.st_mtim.tv_nsec)
                     .arg(what);
    }
    lines.sort();
    return lines;
}

bool nothingRuns(const QString &)
{
    return false;
}

QStringList childTitles(const BookmarkItem *item)
{
    QStringList titles;
    for (const BookmarkItem *child : item->children())
        titles << child->title();
    return titles;
}

} // namespace BookmarkStores
