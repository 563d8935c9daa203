// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCollator>
#include <QStringList>

#include <vector>

// How the panes order names, as the desktop's file managers do: naturally
// ("photo 2" before "photo 10") and whatever the letter case.
namespace NameOrder {

QCollator collator();
// Sorts folder paths by their last component.
void sortPaths(QStringList &paths);
// The places of names in sorted order; equal names keep theirs.
std::vector<int> sortedPlaces(const QStringList &names);

} // namespace NameOrder
