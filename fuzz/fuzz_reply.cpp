// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer entry point: any bytes as what a thumbnail helper writes, read
// by the program a piece at a time as they would come through the pipe.
#include "browser/thumbnails/ThumbnailProtocol.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    ThumbnailProtocol::ReplyReader reader;
    // The first byte chooses the size of the pieces.
    const int piece = size > 0 ? 1 + data[0] * 64 : 1;
    for (int at = 1; at < bytes.size(); at += piece) {
        const auto status = reader.add(bytes.mid(at, piece));
        if (status == ThumbnailProtocol::ReplyReader::Invalid)
            break;
        if (status == ThumbnailProtocol::ReplyReader::Complete)
            reader.clear();
    }
    return 0;
}
