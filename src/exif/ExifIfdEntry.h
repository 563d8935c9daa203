// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

// One 12-byte directory entry as it stands in the file. The value field is
// kept in the form its type calls for: the raw bytes of a short BYTE, ASCII
// or UNDEFINED value, two SHORTs, or otherwise a 32-bit offset (or value).
struct ExifIfdEntry
{
    quint16 tag = 0;
    quint16 type = 0;
    quint32 count = 0;
    QByteArray bytes;
    quint16 shorts[2] = { 0, 0 };
    quint32 offset = 0;
};
