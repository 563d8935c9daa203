// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/panes/CopyWording.h"

#include "widgets/DataSize.h"

#include <QFileInfo>
#include <QLocale>

QString CopyWording::files(int count, int category)
{
    static const struct
    {
        const char *one;
        const char *many;
    } words[] = {
        { QT_TR_NOOP("IDS_COUNT_DOCUMENT"), QT_TR_NOOP("IDS_COUNT_DOCUMENTS") },
        { QT_TR_NOOP("IDS_COUNT_PICTURE"), QT_TR_NOOP("IDS_COUNT_PICTURES") },
        { QT_TR_NOOP("IDS_COUNT_SONG"), QT_TR_NOOP("IDS_COUNT_SONGS") },
        { QT_TR_NOOP("IDS_COUNT_VIDEO"), QT_TR_NOOP("IDS_COUNT_VIDEOS") },
        { QT_TR_NOOP("IDS_COUNT_FILE"), QT_TR_NOOP("IDS_COUNT_FILES") },
    };
    const int last = int(sizeof(words) / sizeof(words[0])) - 1;
    const auto &word = words[category >= 0 && category < last ? category : last];
    return count == 1 ? tr(word.one) : tr(word.many).arg(QLocale().toString(count));
}

QString CopyWording::destination(BrowserMode target, const QString &destDir, bool categoryFolder)
{
    const QString name = QFileInfo(destDir).fileName();
    if (target == ExternalDeviceMode)
        return (categoryFolder ? tr("IDS_TO_DEVICE_CATEGORY") : tr("IDS_TO_DEVICE_FOLDER")).arg(name);
    return (categoryFolder ? tr("IDS_TO_HOST_CATEGORY") : tr("IDS_TO_HOST_FOLDER")).arg(name);
}

QString CopyWording::confirmation(int count, qint64 bytes, int category, const QString &destination)
{
    if (count < 1)
        return tr("IDS_CONFIRM_COPY_UNSIZED").arg(destination);
    return tr("IDS_CONFIRM_COPY").arg(files(count, category), DataSize::text(bytes), destination);
}

QString CopyWording::progressTitle(const QString &destination)
{
    return tr("IDS_COPYING_TO").arg(destination);
}
