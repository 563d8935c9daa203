// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer entry point: any bytes as a Targa file.
#include "browser/thumbnails/helper/TgaReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImage image;
    TgaReader::read(image, &buffer);
    return 0;
}
