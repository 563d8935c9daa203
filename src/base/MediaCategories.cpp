// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/MediaCategories.h"

#include "base/BrowserMode.h"
#include "base/DeviceState.h"
#include "base/SessionCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QTranslator>
#include <QVector>

#include <iterator>
#include <optional>
#include <utility>

#include <unistd.h>

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

// The folders' names, numbered as FileBrowserMode: the keys of the
// catalogues, and the names of the English catalogue.
const char *const folderKeys[]
    = { QT_TRANSLATE_NOOP("TL09Engine", "IDS_OFFICE"), QT_TRANSLATE_NOOP("TL09Engine", "IDS_PICTURES"),
          QT_TRANSLATE_NOOP("TL09Engine", "IDS_MUSIC"), QT_TRANSLATE_NOOP("TL09Engine", "IDS_VIDEO") };
const char *const englishFolderNames[] = { "Documents", "Pictures", "Music", "Videos" };
const char *const catalogueLanguages[] = { "en", "fr", "de", "es", "it", "nl", "pt", "ru" };

QStandardPaths::StandardLocation standardLocation(int category)
{
    switch (category) {
    case PicturesMode:
        return QStandardPaths::PicturesLocation;
    case MusicMode:
        return QStandardPaths::MusicLocation;
    case MovieMode:
        return QStandardPaths::MoviesLocation;
    default:
        return QStandardPaths::DocumentsLocation;
    }
}

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
    if (category < 0 || category >= int(std::size(folderKeys)))
        return QString();
    return QCoreApplication::translate("TL09Engine", folderKeys[category]);
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
    if (side == ExternalDeviceMode)
        return deviceFolder(mountPoint(), category);
    if (side == HostMode)
        return hostFolder(category);
    return QString();
}

QString MediaCategories::hostFolder(int category)
{
    const QString home = QDir::homePath();
    QString path = QStandardPaths::writableLocation(standardLocation(category));
    // The desktop's folder for the category, as the user set it; one the
    // user switched off points at the home itself.
    if (path.isEmpty() || QDir(path) == QDir(home))
        path = home + QLatin1Char('/') + folderName(category);
    if (!QFileInfo(path).isDir() && QDir().mkpath(path)) {
        // The umask decides who may write; in someone else's home the
        // super-user hands the folder to that home's owner.
        if (const std::optional<FileOwner> owner = homeOwnerOf(path))
            static_cast<void>(::lchown(QFile::encodeName(path).constData(), owner->uid, owner->gid));
    }
    return QDir::toNativeSeparators(path);
}

QString MediaCategories::deviceFolder(const QString &root, int category)
{
    if (root.isEmpty())
        return QString();
    // Whatever language made it, the device's own folder is the one to use:
    // switching languages must not add a second, empty one beside it.
    const QStringList present
        = QDir(root).entryList(QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &name : knownFolderNames(category)) {
        for (const QString &folder : present) {
            if (folder.compare(name, Qt::CaseInsensitive) == 0)
                return root + QLatin1Char('/') + folder;
        }
    }
    return root + QLatin1Char('/') + folderName(category);
}

QStringList MediaCategories::knownFolderNames(int category)
{
    static const QVector<QStringList> names = [] {
        QVector<QStringList> all(4);
        for (int each = 0; each < all.size(); ++each)
            all[each] << QLatin1String(englishFolderNames[each]);
        for (const char *language : catalogueLanguages) {
            QTranslator catalogue;
            if (!catalogue.load(
                    QStringLiteral(":/translation/lang/OpaloSync_%1.qm").arg(QLatin1String(language))))
                continue;
            for (int each = 0; each < all.size(); ++each) {
                const QString name = catalogue.translate("TL09Engine", folderKeys[each]);
                if (!name.isEmpty() && !all[each].contains(name, Qt::CaseInsensitive))
                    all[each] << name;
            }
        }
        return all;
    }();
    if (category < 0 || category >= names.size())
        return QStringList();
    // The program's own language first, where a device has folders of several.
    return QStringList(folderName(category)) + names.at(category);
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
