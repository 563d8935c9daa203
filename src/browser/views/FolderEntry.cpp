// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/FolderEntry.h"

#include "browser/views/NameOrder.h"

FolderOrder::FolderOrder(int column, Qt::SortOrder order)
    : m_column(column)
    , m_order(order)
    , m_collator(NameOrder::collator())
    // The C locale's keys are its bytes, which its collator does not follow.
    , m_keys(m_collator.locale().language() != QLocale::C)
{ }

void FolderOrder::prepare(FolderEntry &entry) const
{
    if (m_keys)
        entry.nameKey = m_collator.sortKey(entry.name);
}

bool FolderOrder::operator()(const FolderEntry &left, const FolderEntry &right) const
{
    // By name or size the folders stay at the top either way, as file
    // managers keep them.
    const bool foldersFirst = m_column == ByName || m_column == BySize;
    if (foldersFirst && left.folder != right.folder)
        return left.folder;
    const int order = compare(left, right);
    return m_order == Qt::AscendingOrder ? order < 0 : order > 0;
}

int FolderOrder::compare(const FolderEntry &left, const FolderEntry &right) const
{
    const auto byNumber = [](qint64 l, qint64 r) { return l < r ? -1 : l > r ? 1 : 0; };
    switch (m_column) {
    case BySize:
        if (const int sizes = byNumber(left.size, right.size))
            return sizes;
        break;
    case ByType:
        if (const int types = m_collator.compare(left.type, right.type))
            return types;
        break;
    case ByDate:
        if (const int dates = byNumber(left.modified, right.modified))
            return dates;
        break;
    default:
        break;
    }
    return compareNames(left, right);
}

int FolderOrder::compareNames(const FolderEntry &left, const FolderEntry &right) const
{
    const int names = left.nameKey && right.nameKey ? left.nameKey->compare(*right.nameKey)
                                                    : m_collator.compare(left.name, right.name);
    return names != 0 ? names : left.name.compare(right.name);
}
