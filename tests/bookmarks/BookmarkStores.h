// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Real browser stores for the bookmark tests, written where the program looks
// for them under the test's home (see PaneTestHome) or on its device.
class BookmarkItem;

namespace BookmarkStores {

enum Schema {
    // Firefox before 48: roots listed in moz_bookmarks_roots, URLs unique.
    OldSchema,
    // Today's: roots by guid under "root________", moz_origins, url_hash.
    CurrentSchema
};

// A profile "abc.default" named in profiles.ini, holding a menu with one
// bookmark and a toolbar with the folder "Linux" (Debian, a separator,
// Kernel). Returns the path of its places.sqlite.
QString createFirefoxProfile(Schema schema);
// Runs statements on an SQLite file; false at the first that fails.
bool execute(const QString &path, const QStringList &statements);
// The values of a query's first column, in order.
QVariantList column(const QString &path, const QString &query);

// The "Bookmarks" file of the PC (mode 0, Chromium's profile) or of the
// device (mode 1); writes data there and returns the path.
QString writeChromeFile(int mode, const QByteArray &data);
// A file as Chromium writes it today: string ids, guids, dates, meta_info,
// sync_metadata, a checksum and the three roots.
QJsonObject currentChromeFile();
QJsonObject readJson(const QString &path);
// A node of a Chrome file, a folder when url is empty.
QJsonObject chromeNode(int id, const QString &name, const QString &url = QString());
// folder with the given children.
QJsonObject withChildren(QJsonObject folder, const QJsonArray &children);

// Holds places.sqlite the way a running Firefox does: an open exclusive
// transaction on a connection of its own, ended when the object goes.
class DatabaseLock
{
public:
    explicit DatabaseLock(const QString &path);
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock &) = delete;
    DatabaseLock &operator=(const DatabaseLock &) = delete;
    bool isLocked() const { return m_locked; }

private:
    bool m_locked = false;
};

// What lies under folder, without following links or opening anything but
// regular files: one line per entry with its kind, mode, size, time and
// contents (or a link's target), sorted. Equal lists mean nothing changed.
QStringList treeState(const QString &folder);

// A process probe for IBrowser: no browser runs.
bool nothingRuns(const QString &name);

// The titles of an item's children, in order.
QStringList childTitles(const BookmarkItem *item);

} // namespace BookmarkStores
