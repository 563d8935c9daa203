// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>

class QIODevice;

// Reads uncompressed true-colour Targa pictures (image type 2, 24 or 32 bits
// a pixel, no colour map). The header is checked against the data before
// anything is allocated, so a header announcing more pixels than the file
// holds yields no image.
class TgaReader
{
public:
    // False for an unreadable file, another kind of Targa or short data.
    static bool read(QImage &image, const QString &path);
    static bool read(QImage &image, QIODevice *device);
};
