// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>

// A connection to a Firefox places.sqlite for one load or one save, closed
// and unregistered when it goes. Each one has a name of its own, so that a
// load on the engine thread and a save on the GUI thread never share one.
//
// A file that does not exist is not opened (SQLite would create it), and a
// database that Firefox holds locked fails at once instead of after the
// driver's default of five seconds.
class PlacesConnection
{
public:
    enum Access { ReadOnly, ReadWrite };

    PlacesConnection(const QString &path, Access access);
    ~PlacesConnection();
    PlacesConnection(const PlacesConnection &) = delete;
    PlacesConnection &operator=(const PlacesConnection &) = delete;

    bool isOpen() const;
    QSqlDatabase database() const;

private:
    QString m_name;
};
