// SPDX-License-Identifier: GPL-2.0-or-later
#include "MediaMaker.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>

namespace {

void appendLittleEndian16(QByteArray &bytes, int value)
{
    bytes += char(value & 0xFF);
    bytes += char((value >> 8) & 0xFF);
}

} // namespace

bool MediaMaker::hasFfmpeg()
{
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

bool MediaMaker::makeVideo(const QString &path, const QString &source, const QStringList &options)
{
    QProcess ffmpeg;
    QStringList arguments { QStringLiteral("-y"), QStringLiteral("-loglevel"), QStringLiteral("error"),
        QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), source };
    arguments += options;
    arguments += path;
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit
        && ffmpeg.exitCode() == 0;
}

QImage MediaMaker::filled(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray MediaMaker::encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray MediaMaker::tga(
    const QImage &image, int depth, quint8 descriptor, int imageType, const QByteArray &imageId)
{
    QByteArray bytes;
    bytes += char(imageId.size());
    bytes += '\0'; // no colour map
    bytes += char(imageType);
    bytes += QByteArray(5, '\0'); // colour-map origin, length and entry size
    bytes += QByteArray(4, '\0'); // x and y origin
    appendLittleEndian16(bytes, image.width());
    appendLittleEndian16(bytes, image.height());
    bytes += char(depth);
    bytes += char(descriptor);
    bytes += imageId;
    const bool fromBottom = !(descriptor & 0x20);
    const bool fromRight = descriptor & 0x10;
    for (int row = 0; row < image.height(); ++row) {
        const int y = fromBottom ? image.height() - 1 - row : row;
        for (int column = 0; column < image.width(); ++column) {
            const QRgb pixel = image.pixel(fromRight ? image.width() - 1 - column : column, y);
            bytes += char(qBlue(pixel));
            bytes += char(qGreen(pixel));
            bytes += char(qRed(pixel));
            if (depth == 32)
                bytes += char(0xFF);
        }
    }
    return bytes;
}
