// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"

#include <QCoreApplication>
#include <QString>

// How a copy's question and progress dialog name the files and the place
// they go: "Copy 24 pictures (48.2 MB) to the netbook's Pictures folder?".
class CopyWording
{
    Q_DECLARE_TR_FUNCTIONS(CopyWording)

public:
    // "24 pictures", "1 song": count files in the words of category
    // (numbered as FileBrowserMode).
    static QString files(int count, int category);
    // The folder destDir on side target: by its name alone when it is the
    // category's own folder ("the netbook's Pictures folder").
    static QString destination(BrowserMode target, const QString &destDir, bool categoryFolder);
    // The question before a copy of count files of bytes in all; a count
    // below 1 (not known, or only folders) leaves the figures out.
    static QString confirmation(int count, qint64 bytes, int category, const QString &destination);
    static QString progressTitle(const QString &destination);
};
