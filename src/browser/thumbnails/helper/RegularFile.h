// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QFile;
struct stat;

// Files of a device, and entries of the desktop's cache, are opened through
// here only: a regular file, never reached through a link of its own name,
// never a FIFO or a device that would hold the reader for ever (a photo.jpg
// linked to /proc/kmsg, a FIFO in the cache).
namespace RegularFile {

// Opens path read-only, close-on-exec; -1 unless path is a regular file
// itself. status receives what the file is.
int openDescriptor(const QString &path, struct stat &status);
// The same into file; false, with file closed, on failure.
bool open(QFile &file, const QString &path, struct stat &status);

} // namespace RegularFile
