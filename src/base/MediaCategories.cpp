// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/MediaCategories.h"

#include "base/BrowserMode.h"
#include "base/DeviceState.h"
#include "base/SessionCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <utility>

namespace {

// Each category's extensions: first the long-standing list, in its order
// (some entries in capitals, which only ever meant the same as lower case),
// then the types today's cameras, phones and programs save.
const char *const documents[] = { "doc", "xls", "txt", "docx", "log", "msg", "pages", "rtf", "wpd", "wps",
    "pdf", "ODT", "OTT", "SXW", "STW", "DOC", "RTF", "TXT", "HTML", "xml", "DOCX", "FODT", "UOT", "ODS",
    "OTS", "SXC", "STC", "DIF", "Dbf", "XLS", "XLT", "SLK", "CSV", "HTML", "XLSX", "XML", "FODS", "UOS",
    "ODP", "OTP", "SXI", "STI", "PPT", "POT", "SXD", "PPTX", "POTM", "PPS", "FODP", "UOP", "ODG",
    // added
    "epub", "md", "htm" };
const char *const pictures[]
    = { "jpg", "bmp", "png", "svg", "gif", "tif", "ico", "pcx", "tga", "psd", "pspimage", "thm", "yuv",
          // added
          "jpeg", "jpe", "jfif", "webp", "heic", "heif", "avif", "tiff" };
const char *const music[]
    = { "mp3", "ogg", "aac", "cda", "wma", "wav", "ra", "mpa", "mid", "m3u", "iff", "aif",
          // added
          "flac", "m4a", "opus", "oga", "aiff" };
const char *const videos[] = { "avi", "wmv", "mov", "3g2", "3gp", "asf", "asx", "flv", "mp4", "mpg", "rm",
    "swf", "vob", "mpeg", "mkv", "ogg",
    // added
    "webm", "m4v", "mts", "m2ts", "ogv" };

template<size_t N> QStringList listOf(const char *const (&extensions)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char *extension : extensions)
        list.append(QLatin1String(extension));
    return list;
}

// Lower-case extension to the categories it belongs to ("ogg" is both music
// and video).
QHash<QString, MediaCategories::Categories> buildLookup()
{
    QHash<QString, MediaCategories::Categories> lookup;
    const std::pair<FileBrowserMode, QStringList> lists[] = { { PicturesMode, listOf(pictures) },
        { MovieMode, listOf(videos) }, { MusicMode, listOf(music) }, { DocumentsMode, listOf(documents) } };
    for (const auto &[category, extensions] : lists) {
        for (const QString &extension : extensions)
            lookup[extension.toLower()] |= MediaCategories::flagOf(category);
    }
    return lookup;
}

} // namespace

QStringList MediaCategories::documentExtensions()
{
    return listOf(documents);
}

QStringList MediaCategories::pictureExtensions()
{
    return listOf(pictures);
}

QStringList MediaCategories::musicExtensions()
{
    return listOf(music);
}

QStringList MediaCategories::videoExtensions()
{
    return listOf(videos);
}

MediaCategories::Category MediaCategories::flagOf(int category)
{
    switch (category) {
    case DocumentsMode:
        return Documents;
    case PicturesMode:
        return Pictures;
    case MusicMode:
        return Music;
    case MovieMode:
        return Videos;
    default:
        return Category();
    }
}

MediaCategories::Categories MediaCategories::ofSuffix(const QString &suffix)
{
    static const QHash<QString, Categories> lookup = buildLookup();
    return lookup.value(suffix.toLower());
}

// The catalogues keep these texts under the engine's name, where they
// were first used.
QString MediaCategories::folderName(int category)
{
    switch (category) {
    case DocumentsMode:
        return QCoreApplication::translate("TL09Engine", "IDS_OFFICE");
    case PicturesMode:
        return QCoreApplication::translate("TL09Engine", "IDS_PICTURES");
    case MusicMode:
        return QCoreApplication::translate("TL09Engine", "IDS_MUSIC");
    case MovieMode:
        return QCoreApplication::translate("TL09Engine", "IDS_VIDEO");
    default:
        return QString();
    }
}

QStringList MediaCategories::nameFilters(int category)
{
    QStringList extensions;
    switch (category) {
    case DocumentsMode:
        extensions = documentExtensions();
        break;
    case PicturesMode:
        extensions = pictureExtensions();
        break;
    case MusicMode:
        extensions = musicExtensions();
        break;
    case MovieMode:
        extensions = videoExtensions();
        break;
    default:
        break;
    }
    for (QString &extension : extensions)
        extension.prepend(QLatin1String("*."));
    return extensions;
}

QString MediaCategories::folder(int side, int category)
{
    const QString name = folderName(category);
    if (side == ExternalDeviceMode)
        return mountPoint() + QLatin1Char('/') + name;
    if (side != HostMode)
        return QString();
    const QString home = QDir::homePath();
    const QString path = QDir::toNativeSeparators(home + QDir::separator() + name);
    if (!QFileInfo(path).isDir() && QDir().mkdir(path)) {
        // A folder the super-user makes in someone else's home must stay
        // usable by that user.
        if (isRootUser() && !home.contains(QLatin1String("root")))
            setWritableRecursive(path);
    }
    return path;
}

QString MediaCategories::fileWord(int category)
{
    switch (category) {
    case DocumentsMode:
        return QCoreApplication::translate("TL09Engine", "IDS_OFFICE_1");
    case PicturesMode:
        return QCoreApplication::translate("TL09Engine", "IDS_PICTURES_1");
    case MusicMode:
        return QCoreApplication::translate("TL09Engine", "IDS_MUSIC_1");
    case MovieMode:
        return QCoreApplication::translate("TL09Engine", "IDS_VIDEO_1");
    default:
        return QString();
    }
}
