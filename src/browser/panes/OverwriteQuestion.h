// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "engine/copy/CopyQuestion.h"
#include "widgets/MessageBox.h"

class ThumbLoaderWorker;

// The question about the file the destination already has, with both
// files' size and date, and as its icon the
// thumbnail the PC's pane already holds of the PC's file: no file is
// decoded here, and none of the device's is shown. Escape answers No.
class OverwriteQuestion : public MessageBox
{
    Q_OBJECT

public:
    OverwriteQuestion(
        const CopyQuestion &question, const ThumbLoaderWorker *pcThumbnails, QWidget *parent = nullptr);

private:
    // The PC pane's thumbnail of path, smaller; none when it has none.
    static QPixmap thumbnail(const ThumbLoaderWorker *pcThumbnails, const QString &path);
};
