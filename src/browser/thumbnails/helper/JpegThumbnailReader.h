// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QSize>

#include <memory>

class QIODevice;

// Decodes a JPEG file straight to the small size a thumbnail needs, with
// libjpeg's scaled decoding: a photo of 4000 x 3000 is decoded at 500 x 375
// from the average colour of each 8 x 8 block, which spares the inverse
// transforms and the memory of a full decode (its entropy-coded data is
// still read in full). When an eighth is enough, a progressive file is read
// only up to the scans that carry those averages.
//
// libjpeg reports errors by calling back; here they end the decode, never
// the program, and its warnings are dropped.
class JpegThumbnailReader
{
public:
    // Reads the header from device, which stays open and is read from the
    // current position on.
    explicit JpegThumbnailReader(QIODevice *device);
    ~JpegThumbnailReader();
    JpegThumbnailReader(const JpegThumbnailReader &) = delete;
    JpegThumbnailReader &operator=(const JpegThumbnailReader &) = delete;

    // Whether what device holds next starts like a JPEG file.
    static bool canRead(QIODevice *device);

    // The size the file declares; empty when its header cannot be read.
    QSize size() const;
    // Decodes the picture at the smallest scale libjpeg offers that is
    // still at least wanted (or at full size), as RGB32. Null when the file
    // is broken or the decode would take more than maxBytes (a progressive
    // file holds all its coefficients meanwhile). A file that ends early
    // gives what was decoded, the rest grey.
    QImage read(const QSize &wanted, qint64 maxBytes);

private:
    struct Decoder;
    std::unique_ptr<Decoder> d;
};
