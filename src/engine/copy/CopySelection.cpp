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
    return tally(files, matcher)->bytes;
}

namespace {

// Adds the files of entries, the content of folders walked, to counted;
// false once deadline has passed.
bool add(
    const QFileInfoList &entries, const FileNameMatcher &matcher, QDeadlineTimer deadline, Tally &counted)
{
    for (const QFileInfo &entry : entries) {
        if (deadline.hasExpired())
            return false;
        // A selected link is not followed: it counts as an empty file.
        if (entry.isSymLink() || !entry.isDir()) {
            ++counted.files;
            counted.bytes += entry.isSymLink() ? 1 : qMax<qint64>(entry.size(), 1);
        } else if (!add(copiedEntries(entry.filePath(), matcher), matcher, deadline, counted)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<Tally> tally(
    const QFileInfoList &files, const FileNameMatcher &matcher, QDeadlineTimer deadline)
{
    Tally counted;
    if (!add(files, matcher, deadline, counted))
        return std::nullopt;
    return counted;
}

} // namespace CopySelection
