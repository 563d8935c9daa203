// SPDX-License-Identifier: GPL-2.0-or-later
#include "browser/views/IconProvider.h"

QIcon IconProvider::icon(const QFileInfo &info) const
{
    if (info.isDir())
        return QFileIconProvider::icon(info);
    const QMimeType type = m_types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/skin/res/file.png"));
    return icon;
}
