// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/VideoModule.h"

#include "base/ModuleLoader.h"

#include <dlfcn.h>

namespace {

using StillPictureFunction
    = bool (*)(const QString *path, int edge, const std::function<bool()> *cancelled, QImage *frame);

StillPictureFunction loadEntry()
{
    void *module = ModuleLoader::open(QLatin1String(VideoModule::fileName), RTLD_NOW | RTLD_LOCAL);
    return reinterpret_cast<StillPictureFunction>(ModuleLoader::symbol(module, VideoModule::entryName));
}

} // namespace

QImage VideoModule::stillPicture(const QString &path, int edge, const std::function<bool()> &cancelled)
{
    // Loaded once, by whichever thread asks first, and never unloaded.
    static const StillPictureFunction entry = loadEntry();
    QImage frame;
    if (entry)
        entry(&path, edge, &cancelled, &frame);
    return frame;
}
