// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/NameOrder.h"

#include <QFileInfo>

#include <algorithm>
#include <numeric>
#include <vector>

QCollator NameOrder::collator()
{
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

std::vector<int> NameOrder::sortedPlaces(const QStringList &names)
{
    std::vector<int> places(size_t(names.size()));
    std::iota(places.begin(), places.end(), 0);
    const QCollator order = collator();
    // The C locale's collator compares the characters themselves, which its
    // keys would not follow; any other compares each name's key, made once,
    // rather than the names afresh at every comparison.
    if (order.locale().language() == QLocale::C) {
        std::stable_sort(places.begin(), places.end(),
            [&](int left, int right) { return order.compare(names.at(left), names.at(right)) < 0; });
        return places;
    }
    std::vector<QCollatorSortKey> keys;
    keys.reserve(places.size());
    for (const QString &name : names)
        keys.push_back(order.sortKey(name));
    std::stable_sort(places.begin(), places.end(),
        [&keys](int left, int right) { return keys[size_t(left)].compare(keys[size_t(right)]) < 0; });
    return places;
}

void NameOrder::sortPaths(QStringList &paths)
{
    QStringList names;
    names.reserve(paths.size());
    for (const QString &path : qAsConst(paths))
        names.append(QFileInfo(path).fileName());
    QStringList sorted;
    sorted.reserve(paths.size());
    for (const int place : sortedPlaces(names))
        sorted.append(paths.at(place));
    paths = sorted;
}
