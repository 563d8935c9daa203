// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/MediaCategories.h"

#include "base/BrowserMode.h"
#include "base/DeviceState.h"
#include "base/SessionCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList MediaCategories::documentExtensions()
{
    return { QStringLiteral("doc"), QStringLiteral("xls"), QStringLiteral("txt"), QStringLiteral("docx"),
        QStringLiteral("log"), QStringLiteral("msg"), QStringLiteral("pages"), QStringLiteral("rtf"),
        QStringLiteral("wpd"), QStringLiteral("wps"), QStringLiteral("pdf"), QStringLiteral("ODT"),
        QStringLiteral("OTT"), QStringLiteral("SXW"), QStringLiteral("STW"), QStringLiteral("DOC"),
        QStringLiteral("RTF"), QStringLiteral("TXT"), QStringLiteral("HTML"), QStringLiteral("xml"),
        QStringLiteral("DOCX"), QStringLiteral("FODT"), QStringLiteral("UOT"), QStringLiteral("ODS"),
        QStringLiteral("OTS"), QStringLiteral("SXC"), QStringLiteral("STC"), QStringLiteral("DIF"),
        QStringLiteral("Dbf"), QStringLiteral("XLS"), QStringLiteral("XLT"), QStringLiteral("SLK"),
        QStringLiteral("CSV"), QStringLiteral("HTML"), QStringLiteral("XLSX"), QStringLiteral("XML"),
        QStringLiteral("FODS"), QStringLiteral("UOS"), QStringLiteral("ODP"), QStringLiteral("OTP"),
        QStringLiteral("SXI"), QStringLiteral("STI"), QStringLiteral("PPT"), QStringLiteral("POT"),
        QStringLiteral("SXD"), QStringLiteral("PPTX"), QStringLiteral("POTM"), QStringLiteral("PPS"),
        QStringLiteral("FODP"), QStringLiteral("UOP"), QStringLiteral("ODG") };
}
QStringList MediaCategories::pictureExtensions()
{
    return { QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("svg"),
        QStringLiteral("gif"), QStringLiteral("tif"), QStringLiteral("ico"), QStringLiteral("pcx"),
        QStringLiteral("tga"), QStringLiteral("psd"), QStringLiteral("pspimage"), QStringLiteral("thm"),
        QStringLiteral("yuv") };
}
QStringList MediaCategories::musicExtensions()
{
    return { QStringLiteral("mp3"), QStringLiteral("ogg"), QStringLiteral("aac"), QStringLiteral("cda"),
        QStringLiteral("wma"), QStringLiteral("wav"), QStringLiteral("ra"), QStringLiteral("mpa"),
        QStringLiteral("mid"), QStringLiteral("m3u"), QStringLiteral("iff"), QStringLiteral("aif") };
}
QStringList MediaCategories::videoExtensions()
{
    return { QStringLiteral("avi"), QStringLiteral("wmv"), QStringLiteral("mov"), QStringLiteral("3g2"),
        QStringLiteral("3gp"), QStringLiteral("asf"), QStringLiteral("asx"), QStringLiteral("flv"),
        QStringLiteral("mp4"), QStringLiteral("mpg"), QStringLiteral("rm"), QStringLiteral("swf"),
        QStringLiteral("vob"), QStringLiteral("mpeg"), QStringLiteral("mkv"), QStringLiteral("ogg") };
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
