// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/copy/CopySelection.h"

#include <QDir>

#include <algorithm>

namespace CopySelection {

QFileInfoList copiedEntries(const QString &folder, const FileNameMatcher &matcher)
{
    // Matched here rather than by QDir, which runs every pattern's regular
    // expression on every name.
    QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Files | QDir::AllDirs | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                      [&matcher](const QFileInfo &entry) {
                          return !entry.isDir() && !matcher.matches(entry.fileName());
                      }),
        entries.end());
    return entries;
}

qint64 size(const QFileInfoList &files, const FileNameMatcher &matcher)
{
    qint64 total = 0;
    for (const QFileInfo &entry : files) {
        // A selected link is not followed: it counts as an empty file.
        if (entry.isSymLink()) {
            ++total;
            continue;
        }
        if (!entry.isDir()) {
            total += qMax<qint64>(entry.size(), 1);
            continue;
        }
        total += size(copiedEntries(entry.filePath(), matcher), matcher);
    }
    return total;
}

} // namespace CopySelection
