// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/thumbnails/VideoModule.h"

#include <QFile>
#include <QStringList>

#include <cstdlib>
#include <dlfcn.h>
#include <memory>

namespace {

using StillPictureFunction
    = bool (*)(const QString *path, int edge, const std::function<bool()> *cancelled, QImage *frame);

// The folders the program's own libraries are looked for in, its run path
// among them. They are asked of the program rather than left to dlopen,
// which would follow the run path of its caller: a sanitizer's interceptor
// when there is one.
QStringList libraryFolders()
{
    void *program = dlopen(nullptr, RTLD_NOW);
    Dl_serinfo size;
    if (!program || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0)
        return QStringList();
    const std::unique_ptr<Dl_serinfo, decltype(&std::free)> info(
        static_cast<Dl_serinfo *>(std::malloc(size.dls_size)), &std::free);
    if (!info || dlinfo(program, RTLD_DI_SERINFOSIZE, info.get()) != 0
        || dlinfo(program, RTLD_DI_SERINFO, info.get()) != 0)
        return QStringList();
    QStringList folders;
    for (unsigned int i = 0; i < info->dls_cnt; ++i)
        folders.append(QFile::decodeName(info->dls_serpath[i].dls_name));
    return folders;
}

StillPictureFunction loadEntry()
{
    // A build tree's module is found through the run path; the installed
    // one in the program's own library folder, which no run path names.
    const QStringList folders = libraryFolders() << QStringLiteral(OPALO_LIB_DIR);
    for (const QString &folder : folders) {
        const QByteArray path
            = QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(VideoModule::fileName));
        if (void *module = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL))
            return reinterpret_cast<StillPictureFunction>(dlsym(module, VideoModule::entryName));
    }
    qWarning("No video thumbnails: %s was not found in %s", VideoModule::fileName,
        qUtf8Printable(folders.join(QLatin1Char(':'))));
    return nullptr;
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
