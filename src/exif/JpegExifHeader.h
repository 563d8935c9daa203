// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "exif/ExifValue.h"

#include <QImage>
#include <QMap>
#include <QSharedDataPointer>

class QIODevice;
class JpegExifHeaderPrivate;

using ExifValueMap = QMap<quint16, ExifValue>;

// Reads the EXIF block of a JPEG picture: the values of the main image, Exif
// and GPS directories, and the embedded thumbnail with its orientation.
// Everything is read from the one APP1 segment, so a hostile file can make
// the reader do no more work than the segment's size allows.
class JpegExifHeader
{
public:
    JpegExifHeader();
    // Loads the file when it opens; a file without a usable EXIF block just
    // has no thumbnail.
    explicit JpegExifHeader(const QString &fileName);
    JpegExifHeader(const JpegExifHeader &other);
    JpegExifHeader &operator=(const JpegExifHeader &other);
    ~JpegExifHeader();

    // Replaces everything held by what device holds; false when it has no
    // EXIF block that could be read.
    bool loadFromJpeg(QIODevice *device);

    // 1 for little-endian ("II") data, 0 for big-endian ("MM").
    int byteOrder() const;
    ExifValueMap imageValues() const;
    ExifValueMap exifValues() const;
    ExifValueMap gpsValues() const;
    QByteArray thumbnailData() const;
    ExifValue thumbnailXResolution() const;
    ExifValue thumbnailYResolution() const;
    ExifValue thumbnailResolutionUnit() const;
    ExifValue thumbnailOrientation() const;

    // The embedded thumbnail turned upright by its orientation; null when
    // there is none or it does not decode.
    QImage thumbnail() const;

private:
    bool readTiff(const QByteArray &segment);

    QSharedDataPointer<JpegExifHeaderPrivate> d;
};
