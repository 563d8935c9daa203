// SPDX-License-Identifier: GPL-2.0-or-later
#include "GioFiles.h"

#include <QFile>

GFile *GioFiles::fileAt(const QString &path)
{
    return g_file_new_for_path(QFile::encodeName(path).constData());
}

bool GioFiles::exists(const QString &path)
{
    g_autoptr(GFile) file = fileAt(path);
    return typeOf(file) != G_FILE_TYPE_UNKNOWN;
}

GFileType GioFiles::typeOf(GFile *file)
{
    return g_file_query_file_type(file, G_FILE_QUERY_INFO_NOFOLLOW_SYMLINKS, nullptr);
}
