// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

// Reads and writes on a file descriptor that go on until every byte has
// moved, whatever the number of calls it takes and the signals that
// interrupt them.
namespace DescriptorIo {

// False at the end of the file or on an error.
bool readFully(int fd, char *data, qint64 size);
// False on an error, with errno set.
bool writeFully(int fd, const char *data, qint64 size);

} // namespace DescriptorIo
