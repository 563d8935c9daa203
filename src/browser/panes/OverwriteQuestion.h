// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "base/BrowserMode.h"
#include "engine/copy/AsyncCopy.h"
#include "widgets/MessageBox.h"

class ThumbLoaderWorker;

// The question about the file fileName the destination already has, with
// both files' size and date when files is about it, and as its icon the
// thumbnail the PC's pane already holds of the PC's file: no file is
// decoded here, and none of the device's is shown. Escape answers No.
class OverwriteQuestion : public MessageBox
{
    Q_OBJECT

public:
    OverwriteQuestion(const QString &fileName, const AsyncCopy::Overwrite &files, BrowserMode target,
        const ThumbLoaderWorker *pcThumbnails, QWidget *parent = nullptr);

private:
    // The PC pane's thumbnail of path, smaller; none when it has none.
    static QPixmap thumbnail(const ThumbLoaderWorker *pcThumbnails, const QString &path);
};
