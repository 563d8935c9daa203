// SPDX-License-Identifier: GPL-2.0-or-later
#include "bookmarks/IBrowser.h"

#include "base/SessionCommands.h"
#include "bookmarks/BookmarkItem.h"

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

bool IBrowser::isProcessRunning(const QString &name)
{
    if (processProbe())
        return processProbe()(name);
    return ::isProcessRunning(name);
}
