// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/ThumbnailSources.h"
#include "base/BrowserMode.h"
#include "browser/thumbnails/ThumbnailProtocol.h"
#include "browser/thumbnails/helper/JpegThumbnailReader.h"
#include "browser/thumbnails/helper/RegularFile.h"
#include "browser/thumbnails/helper/TgaReader.h"
#include "browser/thumbnails/helper/VideoModule.h"
#include "exif/JpegExifHeader.h"

#include <QFile>
#include <QImageReader>

#include <sys/stat.h>

namespace {

constexpr int iconEdge = ThumbnailProtocol::iconEdge;
// Pictures of our own Targa reader and video frames are shown at this edge.
constexpr int smallEdge = 64;
// Most image formats are decoded at full size before they are scaled, so a
// small file declaring a huge picture would take gigabytes and seconds: the
// full decode may take at most Qt 6's default allocation limit. JPEG files
// are decoded at a fraction of their size, which is what the limit bounds.
constexpr qint64 maxDecodeBytes = 256 * 1024 * 1024;
constexpr qint64 decodedPixelBytes = 4;

// Null images are passed through: scaling one would warn.
QImage fitInto(const QImage &image, int edge)
{
    if (image.isNull())
        return image;
    return image.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool decodable(const QSize &declared)
{
    return !declared.isEmpty()
        && qint64(declared.width()) * declared.height() * decodedPixelBytes <= maxDecodeBytes;
}

// The size a picture is decoded at: its longer side becomes iconEdge.
QSize decodeSize(const QSize &size)
{
    const int width = size.width();
    const int height = size.height();
    if (width == height)
        return QSize(iconEdge, iconEdge);
    if (width > height)
        return QSize(iconEdge, qMax(1, int(double(height) * iconEdge / width)));
    return QSize(qMax(1, int(double(width) * iconEdge / height)), iconEdge);
}

// Decoded at a fraction of its size, then resampled once.
QImage scaledJpeg(QIODevice *device)
{
    JpegThumbnailReader reader(device);
    const QSize declared = reader.size();
    if (declared.isEmpty())
        return QImage();
    const QSize size = decodeSize(declared);
    const QImage image = reader.read(size, maxDecodeBytes);
    if (image.isNull())
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage scaledRead(QImageReader &reader)
{
    const QSize declared = reader.size();
    // Some formats' readers cannot tell the size before decoding: such a
    // picture is decoded whole, within the helper's own memory limit.
    if (!declared.isValid()) {
        const QImage whole = reader.read();
        return whole.isNull()
            ? whole
            : whole.scaled(decodeSize(whole.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (!decodable(declared))
        return QImage();
    reader.setScaledSize(decodeSize(declared));
    return reader.read();
}

QImage exifThumbnailOf(QFile &file)
{
    JpegExifHeader header;
    header.loadFromJpeg(&file);
    return header.thumbnail();
}

// The Qt reader for the picture's content, among the formats we mean to
// read only; empty for anything else. Qt left to choose by content would
// as well hand PostScript or PDF to a plug-in that starts ghostscript.
QByteArray formatOf(QFile &file)
{
    const QByteArray head = file.peek(32);
    const auto at = [&head](int offset, const char *bytes) { return head.mid(offset).startsWith(bytes); };
    if (at(0, "\x89PNG\r\n\x1a\n"))
        return "png";
    if (at(0, "GIF87a") || at(0, "GIF89a"))
        return "gif";
    if (at(0, "BM"))
        return "bmp";
    if (at(0, "RIFF") && at(8, "WEBP"))
        return "webp";
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
        return "tiff";
    if (!at(4, "ftyp"))
        return QByteArray();
    const QByteArray brand = head.mid(8, 4);
    if (brand == "avif" || brand == "avis")
        return "avif";
    if (brand == "heic" || brand == "heix" || brand == "mif1" || brand == "msf1" || brand == "heim"
        || brand == "heis")
        return "heif";
    return QByteArray();
}

QImage scaledPictureOf(QFile &file, const QString &path)
{
    // Targa has no signature: its name tells.
    if (path.endsWith(QLatin1String(".tga"), Qt::CaseInsensitive)) {
        QImage image;
        return TgaReader::read(image, &file) ? fitInto(image, smallEdge) : QImage();
    }
    if (JpegThumbnailReader::canRead(&file))
        return scaledJpeg(&file);
    const QByteArray format = formatOf(file);
    if (format.isEmpty())
        return QImage();
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    return scaledRead(reader);
}

// The first key frame, or a music file's cover, fitted into iconEdge, read
// from the file checked.
QImage videoPictureOf(const QFile &file, const QString &path, VideoModule::Picture picture)
{
    return VideoModule::stillPicture(file.handle(), path, iconEdge, picture);
}

} // namespace

QImage ThumbnailSources::thumbnail(QFile &file, const QString &path, int mode)
{
    if (mode == MovieMode)
        return videoPictureOf(file, path, VideoModule::FirstKeyFrame);
    if (mode == MusicMode)
        return videoPictureOf(file, path, VideoModule::CoverPicture);
    const QImage embedded = exifThumbnailOf(file);
    if (!embedded.isNull() || !file.seek(0))
        return embedded;
    return scaledPictureOf(file, path);
}

QImage ThumbnailSources::icon(const QImage &thumbnail, int mode)
{
    if (thumbnail.isNull())
        return thumbnail;
    if (mode == MovieMode)
        return fitInto(fitInto(thumbnail, smallEdge), iconEdge);
    if (mode == MusicMode)
        return fitInto(thumbnail, iconEdge);
    return thumbnail.scaled(iconEdge, iconEdge, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage ThumbnailSources::scaledPicture(const QString &path)
{
    QFile file;
    struct stat status {};
    return RegularFile::open(file, path, status) ? scaledPictureOf(file, path) : QImage();
}
