// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/Firefox.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/PlacesConnection.h"
#include "bookmarks/PlacesWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSettings>
#include <QSqlQuery>

#include <cstdio>

namespace {

const int firefoxRootId = 1;
const int bookmarkType = 1;
const int folderType = 2;

BookmarkItem *folderItem(const QString &title, qint64 id)
{
    return new BookmarkItem({ title, QString(), FolderItem, static_cast<int>(id), false, true });
}

// Today's Firefox stores its roots' internal names and shows names of its
// own; these are the ones it shows.
QString rootTitle(const QString &guid, const QString &stored)
{
    const struct
    {
        const char *guid;
        const char *key;
    } roots[] = { { "menu________", QT_TRANSLATE_NOOP("Firefox", "IDS_FIREFOX_MENU") },
        { "toolbar_____", QT_TRANSLATE_NOOP("Firefox", "IDS_FIREFOX_TOOLBAR") },
        { "tags________", QT_TRANSLATE_NOOP("Firefox", "IDS_FIREFOX_TAGS") },
        { "unfiled_____", QT_TRANSLATE_NOOP("Firefox", "IDS_FIREFOX_UNFILED") },
        { "mobile______", QT_TRANSLATE_NOOP("Firefox", "IDS_FIREFOX_MOBILE") } };
    for (const auto &root : roots) {
        if (guid == QLatin1String(root.guid))
            return QCoreApplication::translate("Firefox", root.key);
    }
    return stored;
}

// Profiles copied before a write in this run of the program.
QSet<QString> &backedUpProfiles()
{
    static QSet<QString> paths;
    return paths;
}

QMutex &backUpMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

QString Firefox::firefoxDir()
{
    return QDir::homePath() + QLatin1String("/.mozilla/firefox/");
}

bool Firefox::isInstalled() const
{
    return QDir(firefoxDir()).exists();
}

bool Firefox::isRunning() const
{
    return isProcessRunning(QStringLiteral("firefox"));
}

bool Firefox::findProfile()
{
    QSettings profiles(firefoxDir() + QLatin1String("profiles.ini"), QSettings::IniFormat);
    QString candidate;
    const QStringList groups = profiles.childGroups();
    for (const QString &group : groups) {
        profiles.beginGroup(group);
        candidate = firefoxDir() + profiles.value(QStringLiteral("Path")).toString();
        const bool isDefault = profiles.contains(QStringLiteral("Default"))
            && profiles.value(QStringLiteral("Default")).toInt() == 1;
        profiles.endGroup();
        if (isDefault)
            break;
    }
    if (candidate.isEmpty())
        return false;
    m_placesPath = candidate + QLatin1String("/places.sqlite");
    return true;
}

void Firefox::loadBookmarks()
{
    auto *root = new BookmarkItem(
        { QStringLiteral("Firefox"), QString(), BrowserRootItem, firefoxRootId, false, true });
    setOwnRoot(root);
    setLoaded(false);
    if (!findProfile())
        return;
    const PlacesConnection connection(m_placesPath, PlacesConnection::ReadOnly);
    if (!connection.isOpen())
        return;
    // A database Firefox holds locked fails here; a partial tree would be
    // taken for the whole one, so it is dropped.
    if (readRoots(connection.database(), root))
        setLoaded(true);
    else
        qDeleteAll(root->takeChildren());
}

bool Firefox::readRoots(const QSqlDatabase &db, BookmarkItem *root)
{
    QSqlQuery roots(db);
    if (db.tables().contains(QLatin1String("moz_bookmarks_roots"))) {
        roots.prepare(QStringLiteral("SELECT b.id, b.title FROM moz_bookmarks_roots r "
                                     "JOIN moz_bookmarks b ON b.id=r.folder_id WHERE r.root_name<>'places'"));
    } else {
        roots.prepare(QStringLiteral("SELECT id, title, guid FROM moz_bookmarks WHERE parent="
                                     "(SELECT id FROM moz_bookmarks WHERE guid=:root) ORDER BY position"));
        roots.bindValue(QStringLiteral(":root"), QStringLiteral("root________"));
    }
    if (!roots.exec())
        return false;
    while (roots.next())
        root->appendChild(folderItem(
            rootTitle(roots.value(2).toString(), roots.value(1).toString()), roots.value(0).toLongLong()));
    QSet<qint64> visited;
    for (BookmarkItem *folder : root->children()) {
        if (!readFolder(db, folder, visited))
            return false;
    }
    return true;
}

bool Firefox::readFolder(const QSqlDatabase &db, BookmarkItem *folder, QSet<qint64> &visited)
{
    // A folder met twice would be a loop in a damaged file.
    const qint64 folderId = folder->storedId();
    if (visited.contains(folderId))
        return true;
    visited.insert(folderId);
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT b.id, b.type, b.title, p.url FROM moz_bookmarks b "
                       "LEFT JOIN moz_places p ON p.id=b.fk WHERE b.parent=:parent ORDER BY b.position"));
    query.bindValue(QStringLiteral(":parent"), folderId);
    if (!query.exec())
        return false;
    QList<BookmarkItem *> subfolders;
    while (query.next()) {
        const int type = query.value(1).toInt();
        const QString title = query.value(2).toString();
        if (type == bookmarkType) {
            folder->appendChild(new BookmarkItem(
                { title, query.value(3).toString(), UrlItem, query.value(0).toInt(), false, true }));
        } else if (type == folderType) {
            subfolders << folderItem(title, query.value(0).toLongLong());
            folder->appendChild(subfolders.last());
        }
    }
    for (BookmarkItem *subfolder : qAsConst(subfolders)) {
        if (!readFolder(db, subfolder, visited))
            return false;
    }
    return true;
}

void Firefox::saveBookmarks()
{
    if (!isLoaded() || !root() || !PlacesWriter::hasNewItems(root()))
        return;
    if (m_placesPath.isEmpty() && !findProfile())
        return;
    const PlacesConnection connection(m_placesPath, PlacesConnection::ReadWrite);
    // A database Firefox holds locked takes nothing; its row then shows that
    // what the user sees there is not what Firefox has.
    if (!connection.isOpen() || !backUp(connection.database())
        || !PlacesWriter(connection.database()).insertNew(root()))
        setLoaded(false);
}

bool Firefox::backUp(const QSqlDatabase &db) const
{
    const QMutexLocker lock(&backUpMutex());
    if (backedUpProfiles().contains(m_placesPath))
        return true;
    const QString backup = m_placesPath + QLatin1String(".bak");
    const QString partial = backup + QLatin1String(".part");
    QFile::remove(partial);
    QSqlQuery vacuum(db);
    vacuum.prepare(QStringLiteral("VACUUM INTO :file"));
    vacuum.bindValue(QStringLiteral(":file"), partial);
    if (!vacuum.exec()
        || std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(backup).constData()) != 0) {
        QFile::remove(partial);
        return false;
    }
    backedUpProfiles().insert(m_placesPath);
    return true;
}
