// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/OverwriteQuestion.h"

#include "browser/thumbnails/ThumbLoaderWorker.h"
#include "widgets/DataSize.h"

#include <QFileInfo>
#include <QImage>
#include <QLocale>

namespace {

const int thumbnailEdge = 96;

QString sideLine(BrowserMode side, qint64 size, const QDateTime &date)
{
    const char *key = side == ExternalDeviceMode
        ? QT_TRANSLATE_NOOP("OverwriteQuestion", "IDS_FILE_ON_DEVICE")
        : QT_TRANSLATE_NOOP("OverwriteQuestion", "IDS_FILE_ON_HOST");
    // Kept on one line, as the size is.
    const QString when
        = QLocale().toString(date.toLocalTime(), QLocale::ShortFormat).replace(QLatin1Char(' '), QChar::Nbsp);
    return OverwriteQuestion::tr(key).arg(DataSize::text(size), when);
}

} // namespace

OverwriteQuestion::OverwriteQuestion(
    const CopyQuestion &question, const ThumbLoaderWorker *pcThumbnails, QWidget *parent)
    : MessageBox(QMessageBox::Question, tr("IDS_ASKOVERWRITE").arg(question.fileName),
          QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll, parent)
{
    setObjectName(QStringLiteral("OverwriteQuestion"));
    // Wide enough for a file's size and date on one line.
    setStyleSheet(
        QStringLiteral("QLabel#qt_msgbox_label, QLabel#qt_msgbox_informativelabel { min-width: 30em; }"));
    setEscapeButton(QMessageBox::No);
    const CopyQuestion::Overwrite &files = question.overwrite;
    const BrowserMode target = question.target;
    if (QFileInfo(files.existing).fileName() != question.fileName)
        return;
    const BrowserMode source = target == ExternalDeviceMode ? HostMode : ExternalDeviceMode;
    setInformativeText(sideLine(target, files.existingSize, files.existingDate) + QLatin1Char('\n')
        + sideLine(source, files.sourceSize, files.sourceDate));
    const QPixmap picture
        = thumbnail(pcThumbnails, target == ExternalDeviceMode ? files.source : files.existing);
    if (!picture.isNull())
        setIconPixmap(picture);
}

QPixmap OverwriteQuestion::thumbnail(const ThumbLoaderWorker *pcThumbnails, const QString &path)
{
    const QImage picture = pcThumbnails ? pcThumbnails->thumbnail(path) : QImage();
    if (picture.isNull())
        return QPixmap();
    return QPixmap::fromImage(
        picture.scaled(thumbnailEdge, thumbnailEdge, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
