// SPDX-License-Identifier: GPL-2.0-or-later
// The entry of the video module (see VideoModule).
#include "browser/thumbnails/QVideoDecoder.h"

extern "C" Q_DECL_EXPORT bool opaloVideoStillPicture(
    const QString *path, int edge, const std::function<bool()> *cancelled, QImage *frame)
{
    QVideoDecoder decoder;
    decoder.setStillPicture(edge, *cancelled);
    return decoder.openFile(*path) && decoder.isOk() && decoder.seekFrame(1) && decoder.getFrame(*frame);
}
