// SPDX-License-Identifier: GPL-2.0-or-later
// The entry of the video module (see VideoModule).
#include "browser/thumbnails/helper/QVideoDecoder.h"
#include "browser/thumbnails/helper/VideoModule.h"

extern "C" Q_DECL_EXPORT bool opaloVideoStillPicture(
    int fd, const QString *name, int edge, int picture, QImage *frame)
{
    QVideoDecoder decoder;
    decoder.setStillPicture(edge, {});
    decoder.setCoverPicture(picture == VideoModule::CoverPicture);
    return decoder.openDescriptor(fd, *name) && decoder.isOk() && decoder.seekFrame(1)
        && decoder.getFrame(*frame);
}
