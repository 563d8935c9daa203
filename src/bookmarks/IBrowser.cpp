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

// A process's name as the kernel keeps it, cut to 15 bytes (the names looked
// for are all shorter), or nothing once it has ended: a browser just closed
// stays a while as a zombie until it is reaped.
QString liveProcessName(const QString &pid)
{
    QFile stat(QLatin1String("/proc/") + pid + QLatin1String("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray line = stat.readLine();
    const int open = line.indexOf('(');
    const int close = line.lastIndexOf(')');
    if (open < 0 || close < open || line.mid(close + 2, 1) == "Z")
        return QString();
    return QString::fromLocal8Bit(line.mid(open + 1, close - open - 1));
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
    const QStringList entries = QDir(QStringLiteral("/proc"))
                                    .entryList(QStringList(QStringLiteral("*[0123456789]")),
                                        QDir::Dirs | QDir::Readable, QDir::Unsorted);
    for (const QString &entry : entries) {
        if (names.contains(liveProcessName(entry)))
            return true;
    }
    return false;
}
