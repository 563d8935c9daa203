// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/helper/VideoModule.h"

#include "base/ModuleLoader.h"

#include <dlfcn.h>

namespace {

using StillPictureFunction = bool (*)(int fd, const QString *name, int edge, int picture, QImage *frame);

StillPictureFunction loadEntry()
{
    void *module = ModuleLoader::open(QLatin1String(VideoModule::fileName), RTLD_NOW | RTLD_LOCAL);
    return reinterpret_cast<StillPictureFunction>(ModuleLoader::symbol(module, VideoModule::entryName));
}

} // namespace

QImage VideoModule::stillPicture(int fd, const QString &name, int edge, Picture picture)
{
    // Loaded once, by whichever thread asks first, and never unloaded.
    static const StillPictureFunction entry = loadEntry();
    QImage frame;
    if (entry)
        entry(fd, &name, edge, picture, &frame);
    return frame;
}
