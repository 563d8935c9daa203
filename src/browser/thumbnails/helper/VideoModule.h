// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The video decoder, in a module of its own: FFmpeg and the hundred libraries
// it pulls in take longer to load than all the rest of a thumbnail helper's
// start, so a helper loads them with its first video or music file, and one
// that makes only pictures never does. ModuleLoader finds it beside the context-menu
// plug-ins.
class VideoModule
{
public:
    static constexpr const char *fileName = "libOpaloVideo.so";
    static constexpr const char *entryName = "opaloVideoStillPicture";

    enum Picture { FirstKeyFrame, CoverPicture };

    // The first key frame of the first video stream of the file open as fd
    // (name tells its format), or the cover picture of a music file, fitted
    // into edge; a null image when it has none or when the module cannot be
    // loaded.
    static QImage stillPicture(int fd, const QString &name, int edge, Picture picture);
};
