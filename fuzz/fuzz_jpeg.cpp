// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer entry point: any bytes as a JPEG file, decoded for a thumbnail.
#include "browser/thumbnails/helper/JpegThumbnailReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    JpegThumbnailReader reader(&buffer);
    reader.read(reader.size().scaled(256, 256, Qt::KeepAspectRatio), 256 * 1024 * 1024);
    return 0;
}
