// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/Firefox.h"

#include "bookmarks/BookmarkItem.h"
#include "bookmarks/PlacesConnection.h"
#include "bookmarks/PlacesWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVector>

#include <cstdio>

namespace {

const int firefoxRootId = 1;

BookmarkItem *folderItem(const QString &title, qint64 id)
{
    return new BookmarkItem({ title, QString(), FolderItem, id, false, true });
}

struct IniSection
{
    QString name;
    QHash<QString, QString> values;
};

// profiles.ini as Firefox reads it: sections in the file's order, UTF-8
// "key=value" lines, ';' and '#' starting comments. (QSettings would sort the
// sections, and take a path with a comma for a list.)
QVector<IniSection> readIni(const QString &path)
{
    QVector<IniSection> sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            sections.append({ line.mid(1, line.size() - 2), {} });
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')) || equals <= 0
            || sections.isEmpty())
            continue;
        sections.last().values.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return sections;
}

// A profile's folder: its Path, relative to the profiles' folder unless the
// profile says otherwise.
QString profileFolder(const QString &dir, const QString &path, const QString &isRelative)
{
    if (QDir::isAbsolutePath(path) && isRelative != QLatin1String("1"))
        return path;
    return dir + path;
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
    // Firefox started in a home without the older folder makes today's.
    const QString dirs[] = { QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QLatin1String("/mozilla/firefox/"),
        QDir::homePath() + QLatin1String("/.mozilla/firefox/") };
    for (const QString &dir : dirs) {
        if (QFile::exists(dir + QLatin1String("profiles.ini")))
            return dir;
    }
    for (const QString &dir : dirs) {
        if (QDir(dir).exists())
            return dir;
    }
    return dirs[1];
}

bool Firefox::isInstalled() const
{
    return QDir(firefoxDir()).exists();
}

bool Firefox::isRunning() const
{
    // Debian's Firefox runs as "firefox-esr", Mozilla's own builds as
    // "firefox" (started through "firefox-bin" in older ones).
    return isProcessRunning(
        { QStringLiteral("firefox"), QStringLiteral("firefox-esr"), QStringLiteral("firefox-bin") });
}

bool Firefox::findProfile()
{
    const QString dir = firefoxDir();
    const QVector<IniSection> sections = readIni(dir + QLatin1String("profiles.ini"));
    QString chosen;
    // Since Firefox 67 each installation names the profile it uses; Default=1
    // then marks the older profile, often an empty one.
    for (const IniSection &section : sections) {
        const QString inUse = section.values.value(QStringLiteral("Default"));
        if (section.name.startsWith(QLatin1String("Install")) && !inUse.isEmpty()) {
            chosen = profileFolder(dir, inUse, QString());
            break;
        }
    }
    QVector<const IniSection *> profiles;
    for (const IniSection &section : sections) {
        if (section.name.startsWith(QLatin1String("Profile"))
            && !section.values.value(QStringLiteral("Path")).isEmpty())
            profiles << &section;
    }
    for (const IniSection *profile : qAsConst(profiles)) {
        if (chosen.isEmpty() && profile->values.value(QStringLiteral("Default")) == QLatin1String("1"))
            chosen = profileFolder(dir, profile->values.value(QStringLiteral("Path")),
                profile->values.value(QStringLiteral("IsRelative")));
    }
    if (chosen.isEmpty() && !profiles.isEmpty())
        chosen = profileFolder(dir, profiles.first()->values.value(QStringLiteral("Path")),
            profiles.first()->values.value(QStringLiteral("IsRelative")));
    if (chosen.isEmpty())
        return false;
    m_placesPath = chosen + QLatin1String("/places.sqlite");
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
        roots.prepare(
            QStringLiteral("SELECT b.id, b.title FROM moz_bookmarks_roots r JOIN moz_bookmarks b ON "
                           "b.id=r.folder_id WHERE r.root_name NOT IN ('places','tags')"));
    } else {
        roots.prepare(QStringLiteral("SELECT id, title, guid FROM moz_bookmarks WHERE parent="
                                     "(SELECT id FROM moz_bookmarks WHERE guid=:root) AND guid<>:tags "
                                     "ORDER BY position"));
        roots.bindValue(QStringLiteral(":root"), QStringLiteral("root________"));
        roots.bindValue(QStringLiteral(":tags"), QStringLiteral("tags________"));
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
        if (type == PlacesWriter::bookmarkType) {
            folder->appendChild(new BookmarkItem(
                { title, query.value(3).toString(), UrlItem, query.value(0).toLongLong(), false, true }));
        } else if (type == PlacesWriter::folderType) {
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

bool Firefox::saveBookmarks()
{
    if (!isLoaded() || !root())
        return false;
    if (!PlacesWriter::hasNewItems(root()))
        return true;
    if (m_placesPath.isEmpty() && !findProfile())
        return false;
    // A database Firefox holds locked takes nothing.
    const PlacesConnection connection(m_placesPath, PlacesConnection::ReadWrite);
    return connection.isOpen() && backUp(connection.database())
        && PlacesWriter(connection.database()).insertNew(root());
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
