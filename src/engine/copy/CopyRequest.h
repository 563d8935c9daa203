// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"

#include <QFileInfoList>

// What one copy is asked to do: the files and folders selected, the folder
// they go into on the target side, and the category whose files are taken
// from inside the selected folders.
struct CopyRequest
{
    QFileInfoList files;
    BrowserMode target = ExternalDeviceMode;
    QString destDir;
    int category = DocumentsMode;
};
