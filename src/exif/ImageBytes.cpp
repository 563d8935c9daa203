// SPDX-License-Identifier: GPL-2.0-or-later
#include "exif/ImageBytes.h"

#include <QBuffer>
#include <QImageReader>

namespace ImageBytes {

QImage decode(const QByteArray &bytes, const char *format, int maxEdge)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxEdge || size.height() > maxEdge)
        return QImage();
    return reader.read();
}

} // namespace ImageBytes
