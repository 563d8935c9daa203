// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <functional>

// The video decoder, in a module of its own: FFmpeg and the hundred libraries
// it pulls in took longer to load than all the rest of start-up, so they are
// loaded with the module by the first video thumbnail instead of at every
// start. ModuleLoader finds it beside the context-menu plug-ins.
class VideoModule
{
public:
    static constexpr const char *fileName = "libOpaloVideo.so";
    static constexpr const char *entryName = "opaloVideoStillPicture";

    // The first key frame of the file's first video stream, fitted into
    // edge; a null image when it has none, when cancelled() turned true
    // meanwhile, or when the module cannot be loaded.
    static QImage stillPicture(const QString &path, int edge, const std::function<bool()> &cancelled);
};
