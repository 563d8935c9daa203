// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/IBrowser.h"

#include <QSet>
#include <QString>

class QSqlDatabase;

// The bookmarks of the user's Firefox profile in use, in its places.sqlite.
// Reading understands both the schema that lists the roots in
// moz_bookmarks_roots and today's, where they are the children of the row
// "root________". The Tags root is left out: its folders are Firefox's
// tags, not bookmarks. Saving only adds the items not stored yet (see
// PlacesWriter); existing rows are never changed or deleted. Before the first
// write into a profile in a session, a consistent copy of the database is
// kept beside it as places.sqlite.bak.
class Firefox : public IBrowser
{
public:
    bool isInstalled() const override;
    bool isRunning() const override;
    void loadBookmarks() override;
    bool saveBookmarks() override;

    // Where Firefox keeps its profiles: today's ~/.config/mozilla/firefox
    // when it holds a profiles.ini, else the older ~/.mozilla/firefox.
    static QString firefoxDir();
    // Chooses the profile from profiles.ini: the one an [Install…] section
    // names as its Default, else the profile with Default=1, else the first;
    // false when there is none.
    bool findProfile();
    QString placesPath() const { return m_placesPath; }

private:
    static bool readRoots(const QSqlDatabase &db, BookmarkItem *root);
    static bool readFolder(const QSqlDatabase &db, BookmarkItem *folder, QSet<qint64> &visited);
    bool backUp(const QSqlDatabase &db) const;

    QString m_placesPath;
};
