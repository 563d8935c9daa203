// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/NameOrder.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>

QCollator NameOrder::collator()
{
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void NameOrder::sortPaths(QStringList &paths)
{
    // Each name taken once, not at every comparison.
    std::vector<std::pair<QString, QString>> named;
    named.reserve(size_t(paths.size()));
    for (const QString &path : qAsConst(paths))
        named.emplace_back(QFileInfo(path).fileName(), path);
    const QCollator order = collator();
    std::stable_sort(named.begin(), named.end(),
        [&order](const auto &left, const auto &right) { return order.compare(left.first, right.first) < 0; });
    for (size_t i = 0; i < named.size(); ++i)
        paths[int(i)] = named[i].second;
}
