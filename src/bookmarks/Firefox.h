// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "bookmarks/IBrowser.h"

#include <QSet>
#include <QString>

class QSqlDatabase;

// The bookmarks of the user's default Firefox profile, in its places.sqlite.
// Reading understands both the schema that lists the roots in
// moz_bookmarks_roots and today's, where they are the children of the row
// "root________". Saving only adds the items not stored yet (see
// PlacesWriter); existing rows are never changed or deleted. Before the first
// write into a profile in a session, a consistent copy of the database is
// kept beside it as places.sqlite.bak.
class Firefox : public IBrowser
{
public:
    bool isInstalled() const override;
    bool isRunning() const override;
    void loadBookmarks() override;
    void saveBookmarks() override;

    static QString firefoxDir();
    // Chooses the profile from profiles.ini: the group with Default=1, else
    // the last group; false when there is none.
    bool findProfile();
    QString placesPath() const { return m_placesPath; }

private:
    static bool readRoots(const QSqlDatabase &db, BookmarkItem *root);
    static bool readFolder(const QSqlDatabase &db, BookmarkItem *folder, QSet<qint64> &visited);
    bool backUp(const QSqlDatabase &db) const;

    QString m_placesPath;
};
