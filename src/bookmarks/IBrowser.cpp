// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/IBrowser.h"

#include "bookmarks/BookmarkItem.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

IBrowser::ProcessProbe &processProbe()
{
    static IBrowser::ProcessProbe probe;
    return probe;
}

} // namespace

IBrowser::~IBrowser() = default;

void IBrowser::setRoot(BookmarkItem *item)
{
    m_root = item;
    if (m_ownRoot.get() != item)
        m_ownRoot.reset();
}

void IBrowser::setOwnRoot(BookmarkItem *item)
{
    m_ownRoot.reset(item);
    m_root = item;
}

void IBrowser::setProcessProbe(ProcessProbe probe)
{
    processProbe() = std::move(probe);
}

bool IBrowser::isProcessRunning(const QStringList &names)
{
    if (processProbe())
        return std::any_of(names.cbegin(), names.cend(), processProbe());
    // A process's name as the kernel keeps it, cut to 15 bytes; the names
    // looked for are all shorter.
    const QStringList entries = QDir(QStringLiteral("/proc"))
                                    .entryList(QStringList(QStringLiteral("*[0123456789]")),
                                        QDir::Dirs | QDir::Readable, QDir::Unsorted);
    for (const QString &entry : entries) {
        QFile comm(QLatin1String("/proc/") + entry + QLatin1String("/comm"));
        if (comm.open(QIODevice::ReadOnly)
            && names.contains(QString::fromLocal8Bit(comm.readLine()).trimmed()))
            return true;
    }
    return false;
}
