// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>

// Makes the pictures and videos the browser's tests read: Targa files
// written byte by byte and short videos encoded by the ffmpeg program.
class MediaMaker
{
public:
    // Whether the ffmpeg program can be run.
    static bool hasFfmpeg();
    // Runs ffmpeg with a lavfi source (for example
    // "color=c=red:s=320x240:d=1") and the output options, writing path;
    // false when it fails.
    static bool makeVideo(const QString &path, const QString &source, const QStringList &options);

    // A picture of one colour, and a picture encoded in a format Qt writes.
    static QImage filled(int width, int height, const QColor &colour);
    static QByteArray encoded(const QImage &image, const char *format);

    // A Targa file of image. The descriptor's bits 4 and 5 decide the order
    // the pixels are written in, as a reader must undo it.
    static QByteArray tga(const QImage &image, int depth = 24, quint8 descriptor = 0x20, int imageType = 2,
        const QByteArray &imageId = QByteArray());
};
