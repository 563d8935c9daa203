// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/PlacesConnection.h"

#include <QAtomicInt>
#include <QFileInfo>

namespace {

// Long enough for Firefox's own short writes, short enough not to freeze the
// window while a running Firefox holds the database.
const char *const busyTimeout = "QSQLITE_BUSY_TIMEOUT=250";

QString uniqueName()
{
    static QAtomicInt counter;
    return QStringLiteral("FIREFOX-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

PlacesConnection::PlacesConnection(const QString &path, Access access)
    : m_name(uniqueName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    QString options = QLatin1String(busyTimeout);
    if (access == ReadOnly)
        options += QLatin1String(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (QFileInfo(path).isFile())
        db.open();
}

PlacesConnection::~PlacesConnection()
{
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

bool PlacesConnection::isOpen() const
{
    return QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase PlacesConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}
