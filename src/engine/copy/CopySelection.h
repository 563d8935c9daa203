// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/FileNameMatcher.h"

#include <QDeadlineTimer>
#include <QFileInfoList>

#include <optional>

// What a copy takes of a selection: every selected entry, and inside a
// selected folder its sub-folders and the files the category's patterns
// match, never a symbolic link. A selected link is not followed.
namespace CopySelection {

// The entries of folder that a copy takes.
QFileInfoList copiedEntries(const QString &folder, const FileNameMatcher &matcher);

// What a copy takes of a folder, and the error that cut its listing short
// (0 when it went to the end).
struct Listing
{
    QFileInfoList entries;
    int error = 0;
};
// The entries that a copy takes of the folder open for reading on fd, found
// at path.
Listing list(int fd, const QString &path, const FileNameMatcher &matcher);
// Bytes a copy of files moves; an empty file counts as one byte.
qint64 size(const QFileInfoList &files, const FileNameMatcher &matcher);

// The files a copy of a selection takes (a link counts as one) and their
// bytes, counted as size() does.
struct Tally
{
    int files = 0;
    qint64 bytes = 0;
};
// The tally of files; none when the walk outlasts deadline.
std::optional<Tally> tally(const QFileInfoList &files, const FileNameMatcher &matcher,
    QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

} // namespace CopySelection
